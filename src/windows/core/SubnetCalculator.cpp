#include "windows/core/SubnetCalculator.hpp"

#include <algorithm>
#include <charconv>

#include "script/script_builder.hpp"
#include "script/text.hpp"

namespace vorlix {

int octet_value(std::string_view text) {
    return static_cast<int>(std::clamp(leading_integer(text), 0LL, 255LL));
}

std::optional<std::string> clamped_octet_text(std::string_view text) {
    const long long value = leading_integer(text);
    if (value > 255) return "255";
    if (value < 0) return "0";
    return std::nullopt;
}

std::array<std::uint8_t, 4> octets(std::uint32_t address) {
    return {static_cast<std::uint8_t>(address >> 24), static_cast<std::uint8_t>(address >> 16),
            static_cast<std::uint8_t>(address >> 8), static_cast<std::uint8_t>(address)};
}

std::uint32_t address_of(const std::array<int, 4>& o) {
    std::uint32_t address = 0;
    for (const int octet : o) address = address << 8 | static_cast<std::uint32_t>(std::clamp(octet, 0, 255));
    return address;
}

std::string dotted(std::uint32_t address) {
    const auto o = octets(address);
    return std::to_string(o[0]) + "." + std::to_string(o[1]) + "." + std::to_string(o[2]) + "." + std::to_string(o[3]);
}

std::string binary_octet(std::uint8_t octet) {
    std::string digits(8, '0');
    for (int bit = 0; bit < 8; ++bit)
        if (octet & (0x80 >> bit)) digits[bit] = '1';
    return digits;
}

std::uint32_t prefix_mask(int prefix) {
    prefix = std::clamp(prefix, 0, 32);
    // A shift by 32 is undefined, so /0 is spelled out.
    return prefix == 0 ? 0 : ~std::uint32_t{0} << (32 - prefix);
}

Subnet subnet_of(std::uint32_t address, int prefix) {
    Subnet s;
    s.address = address;
    s.prefix = std::clamp(prefix, kMinPrefix, kMaxPrefix);
    s.mask = prefix_mask(s.prefix);
    s.network = address & s.mask;
    s.broadcast = s.network | ~s.mask;
    if (s.prefix >= 31) {
        s.first_host = s.network;
        s.last_host = s.broadcast;
    } else {
        s.first_host = s.network + 1;
        s.last_host = s.broadcast - 1;
    }
    return s;
}

namespace {

constexpr std::array<std::string_view, 4> kHostRow = {"标签_主机地址21", "标签_主机地址22", "标签_主机地址23",
                                                      "标签_主机地址24"};
constexpr std::array<std::string_view, 4> kMaskRow = {"标签_网络掩码21", "标签_网络掩码22", "标签_网络掩码23",
                                                      "标签_网络掩码24"};
constexpr std::array<std::string_view, 4> kSubnetRow = {"标签_子网地址21", "标签_子网地址22", "标签_子网地址23",
                                                        "标签_子网地址24"};
constexpr std::array<std::string_view, 4> kBroadcastRow = {"标签_广播地址21", "标签_广播地址22", "标签_广播地址23",
                                                           "标签_广播地址24"};

void add_row(std::vector<SubnetLabel>& labels, const std::array<std::string_view, 4>& names, std::uint32_t value) {
    const auto o = octets(value);
    for (std::size_t i = 0; i < names.size(); ++i) labels.push_back({names[i], binary_octet(o[i])});
}

std::string binary_row(std::uint32_t value) {
    const auto o = octets(value);
    return binary_octet(o[0]) + " " + binary_octet(o[1]) + " " + binary_octet(o[2]) + " " + binary_octet(o[3]);
}

// A decimal number of 0 to 255 without sign, leading blanks or a leading zero; the whole text.
std::optional<int> strict_octet(std::string_view text, int max) {
    if (text.empty() || text.size() > 3 || text[0] < '0' || text[0] > '9' || (text.size() > 1 && text[0] == '0'))
        return std::nullopt;
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size() || value > max) return std::nullopt;
    return value;
}

}  // namespace

std::vector<SubnetLabel> subnet_labels(const Subnet& s) {
    std::vector<SubnetLabel> labels;
    labels.reserve(23);
    labels.push_back({"标签_位数", std::to_string(s.prefix)});
    labels.push_back({"标签_网络掩码十进制", dotted(s.mask)});
    labels.push_back({"标签_可用地址1", dotted(s.first_host)});
    labels.push_back({"标签_可用地址2", dotted(s.last_host)});
    add_row(labels, kHostRow, s.address);
    add_row(labels, kMaskRow, s.mask);
    add_row(labels, kSubnetRow, s.network);
    add_row(labels, kBroadcastRow, s.broadcast);
    labels.push_back({"标签_子网地址十进制", dotted(s.network)});
    labels.push_back({"标签_广播地址十进制", dotted(s.broadcast)});
    return labels;
}

std::vector<std::string> subnet_report(const Subnet& s) {
    return {
        "主机地址: " + dotted(s.address) + "/" + std::to_string(s.prefix),
        "网络掩码: " + dotted(s.mask),
        "子网地址: " + dotted(s.network),
        "广播地址: " + dotted(s.broadcast),
        "子网可用IP地址: 从 " + dotted(s.first_host) + " 到 " + dotted(s.last_host),
        "主机地址: " + binary_row(s.address),
        "网络掩码: " + binary_row(s.mask),
        "子网地址: " + binary_row(s.network),
        "广播地址: " + binary_row(s.broadcast),
    };
}

std::optional<Subnet> parse_host_and_prefix(std::string_view text) {
    const std::size_t slash = text.find('/');
    if (slash == std::string_view::npos) return std::nullopt;
    const std::optional<int> prefix = strict_octet(text.substr(slash + 1), kMaxPrefix);
    if (!prefix || *prefix < kMinPrefix) return std::nullopt;
    std::string_view rest = text.substr(0, slash);
    std::array<int, 4> o{};
    for (std::size_t i = 0; i < o.size(); ++i) {
        const std::size_t dot = i + 1 < o.size() ? rest.find('.') : rest.size();
        if (dot == std::string_view::npos) return std::nullopt;
        const std::optional<int> value = strict_octet(rest.substr(0, dot), 255);
        if (!value) return std::nullopt;
        o[i] = *value;
        rest.remove_prefix(std::min(dot + 1, rest.size()));
    }
    return subnet_of(address_of(o), *prefix);
}

std::optional<int> subnet_count_index(std::string_view count) {
    const auto* it = std::find(kSubnetCounts.begin(), kSubnetCounts.end(), count);
    if (it == kSubnetCounts.end()) return std::nullopt;
    return static_cast<int>(it - kSubnetCounts.begin());
}

SubnetSplit split_network(int first_octet, int count_index) {
    const std::string octet = std::to_string(std::clamp(first_octet, 0, 255));
    const int k = std::clamp(count_index, 0, static_cast<int>(kSubnetCounts.size()) - 1);
    const int n = 1 << k;      // the number of subnets
    const int step = 256 / n;  // the second octet advances by this much from one subnet to the next

    SubnetSplit split;
    split.mask = "255." + std::to_string(step * (n - 1)) + ".0.0";
    split.hosts = std::to_string((1LL << (24 - k)) - 2);
    ScriptBuilder text;
    text.line("你输入的网络地址为：" + octet + ".0.0.0，各子网IP范围如下所示：");
    for (int i = 1; i <= n; ++i)
        text.line(std::to_string(i) + ")  " + octet + "." + std::to_string(step * (i - 1)) + ".0.1 -- " + octet + "." +
                  std::to_string(step * i - 1) + ".255.254");
    split.ranges = text.str();
    return split;
}

}  // namespace vorlix
