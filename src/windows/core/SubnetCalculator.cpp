#include "windows/core/SubnetCalculator.hpp"

#include <algorithm>

#include "script/ipv4.hpp"
#include "script/script_builder.hpp"
#include "script/text.hpp"

namespace vorlix {
namespace name {
namespace {
constexpr std::string_view tabs = "选择夹1", host_page = "分组框_主机", network_page = "分组框_网络";
// The host tab.
constexpr std::array<std::string_view, 4> host = {"编辑框_ip1", "编辑框_ip2", "编辑框_ip3", "编辑框_ip4"};
constexpr std::string_view prefix = "横向滚动条", prefix_text = "标签_位数", mask_text = "标签_网络掩码十进制",
                           network_text = "标签_子网地址十进制", broadcast_text = "标签_广播地址十进制",
                           usable_from = "标签_从", first_host = "标签_可用地址1", last_host = "标签_可用地址2",
                           binary_heading = "标签_二进制", network_rule = "标签_子网规则",
                           broadcast_rule = "标签_广播规则";
constexpr std::array<std::string_view, 4> host_bits = {"标签_主机地址21", "标签_主机地址22", "标签_主机地址23",
                                                       "标签_主机地址24"};
constexpr std::array<std::string_view, 4> mask_bits = {"标签_网络掩码21", "标签_网络掩码22", "标签_网络掩码23",
                                                       "标签_网络掩码24"};
constexpr std::array<std::string_view, 4> network_bits = {"标签_子网地址21", "标签_子网地址22", "标签_子网地址23",
                                                          "标签_子网地址24"};
constexpr std::array<std::string_view, 4> broadcast_bits = {"标签_广播地址21", "标签_广播地址22", "标签_广播地址23",
                                                            "标签_广播地址24"};
// The network tab: only the first octet is read; the other three show what the split leaves at 0.
constexpr std::string_view network = "编辑框_ip5";
constexpr std::array<std::string_view, 3> network_rest = {"编辑框_ip6", "编辑框_ip7", "编辑框_ip8"};
constexpr std::string_view count = "组合框_子网数量", split = "按钮_计算", split_mask = "标签_子网掩码",
                           split_hosts = "标签_主机数", ranges_heading = "标签_范围", ranges = "编辑框_内容";
}  // namespace
}  // namespace name

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

std::string binary_octet(std::uint8_t octet) {
    std::string digits(8, '0');
    for (int bit = 0; bit < 8; ++bit)
        if (octet & (0x80 >> bit)) digits[bit] = '1';
    return digits;
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

void add_row(std::vector<SubnetLabel>& labels, const std::array<std::string_view, 4>& names, std::uint32_t value) {
    const auto o = octets(value);
    for (std::size_t i = 0; i < names.size(); ++i) labels.push_back({names[i], binary_octet(o[i])});
}

std::string binary_row(std::uint32_t value) {
    const auto o = octets(value);
    return binary_octet(o[0]) + " " + binary_octet(o[1]) + " " + binary_octet(o[2]) + " " + binary_octet(o[3]);
}

}  // namespace

std::vector<SubnetLabel> subnet_labels(const Subnet& s) {
    std::vector<SubnetLabel> labels;
    labels.reserve(23);
    labels.push_back({name::prefix_text, std::to_string(s.prefix)});
    labels.push_back({name::mask_text, format_ipv4(s.mask)});
    labels.push_back({name::first_host, format_ipv4(s.first_host)});
    labels.push_back({name::last_host, format_ipv4(s.last_host)});
    add_row(labels, name::host_bits, s.address);
    add_row(labels, name::mask_bits, s.mask);
    add_row(labels, name::network_bits, s.network);
    add_row(labels, name::broadcast_bits, s.broadcast);
    labels.push_back({name::network_text, format_ipv4(s.network)});
    labels.push_back({name::broadcast_text, format_ipv4(s.broadcast)});
    return labels;
}

std::vector<std::string> subnet_report(const Subnet& s) {
    return {
        "主机地址: " + format_ipv4(s.address) + "/" + std::to_string(s.prefix),
        "网络掩码: " + format_ipv4(s.mask),
        "子网地址: " + format_ipv4(s.network),
        "广播地址: " + format_ipv4(s.broadcast),
        "子网可用IP地址: 从 " + format_ipv4(s.first_host) + " 到 " + format_ipv4(s.last_host),
        "主机地址: " + binary_row(s.address),
        "网络掩码: " + binary_row(s.mask),
        "子网地址: " + binary_row(s.network),
        "广播地址: " + binary_row(s.broadcast),
    };
}

std::optional<Subnet> parse_host_and_prefix(std::string_view text) {
    const std::size_t slash = text.find('/');
    if (slash == std::string_view::npos) return std::nullopt;
    const std::optional<std::uint32_t> address = parse_ipv4(text.substr(0, slash));
    const std::optional<int> prefix = parse_prefix(text.substr(slash + 1));
    if (!address || !prefix || *prefix < kMinPrefix) return std::nullopt;
    return subnet_of(*address, *prefix);
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

namespace {

// A label with a caption in front of it, in the label column of its row or before it in the row.
ControlSpec captioned(std::string_view control, std::string caption, std::string text) {
    ControlSpec c = label(control, std::move(text));
    c.label = std::move(caption);
    return c;
}

Subnet shown_subnet(const Form& form) {
    std::array<int, 4> o{};
    for (std::size_t i = 0; i < o.size(); ++i) o[i] = octet_value(form.text(name::host[i]));
    return subnet_of(address_of(o), form.index(name::prefix));
}

// Every change of an octet or of the prefix length shows the whole tab anew. An octet typed beyond
// 0 to 255 is put back into the range first; setting its text does not come back here.
Outcome run_host_changed(const Form& form, Env&) {
    Outcome o;
    for (const std::string_view box : name::host)
        if (std::optional<std::string> text = clamped_octet_text(form.text(box)))
            o.updates.push_back({std::string(box), FieldValue{.text = std::move(*text)}});
    for (SubnetLabel& l : subnet_labels(shown_subnet(form)))
        o.updates.push_back({std::string(l.name), FieldValue{.text = std::move(l.text)}});
    return o;
}

// The network's octet is only put back into range while typing; the split waits for its button.
Outcome run_network_changed(const Form& form, Env&) {
    Outcome o;
    if (std::optional<std::string> text = clamped_octet_text(form.text(name::network)))
        o.updates.push_back({std::string(name::network), FieldValue{.text = std::move(*text)}});
    return o;
}

Outcome run_split(const Form& form, Env&) {
    SubnetSplit split = split_network(octet_value(form.text(name::network)), std::max(form.index(name::count), 0));
    Outcome o;
    o.updates = {
        {std::string(name::split_mask), FieldValue{.text = std::move(split.mask)}},
        {std::string(name::split_hosts), FieldValue{.text = std::move(split.hosts)}},
        {std::string(name::ranges), FieldValue{.text = std::move(split.ranges)}},
    };
    return o;
}

}  // namespace

const PageSpec& subnet_calculator_window_spec() {
    static const PageSpec kPage = [] {
        PageSpec page{.caption = std::string(kSubnetCalculatorWindow),
                      .window = std::string(kSubnetCalculatorWindow),
                      .opener = "按钮_子网计算工具",
                      .width = 620,
                      .height = 520};
        // The labels start as views of the boxes' and the slider's first values.
        const Subnet start = subnet_of(0, kMinPrefix);
        std::vector<SubnetLabel> shown = subnet_labels(start);
        auto at_start = [&shown](std::string_view control) {
            for (const SubnetLabel& l : shown)
                if (l.name == control) return l.text;
            return std::string();
        };
        auto& c = page.controls;

        c.push_back(group_box(name::host_page, "").on_tab(name::tabs, "主机IP→本子网IP"));
        c.push_back(edit(name::host[0], "请输入主机IP:", "0").in(name::host_page));
        for (std::size_t i = 1; i < name::host.size(); ++i)
            c.push_back(edit(name::host[i], ".", "0").in(name::host_page).beside());
        c.push_back(
            slider(name::prefix, "滑动滑块选择掩码位数:", kMinPrefix, kMaxPrefix, 1, start.prefix).in(name::host_page));
        c.push_back(
            captioned(name::prefix_text, "掩码位数:", at_start(name::prefix_text)).in(name::host_page).hinted("位"));
        c.push_back(captioned(name::mask_text, "网络掩码:", at_start(name::mask_text)).in(name::host_page));
        c.push_back(captioned(name::network_text, "子网地址:", at_start(name::network_text)).in(name::host_page));
        c.push_back(captioned(name::broadcast_text, "广播地址:", at_start(name::broadcast_text)).in(name::host_page));
        c.push_back(captioned(name::usable_from, "子网可用IP地址:", "从").in(name::host_page));
        c.push_back(label(name::first_host, at_start(name::first_host)).in(name::host_page).beside());
        c.push_back(captioned(name::last_host, "到", at_start(name::last_host))
                        .in(name::host_page)
                        .beside()
                        .hinted("(子网地址+1)至(广播地址-1)"));
        c.push_back(label(name::binary_heading, "二进制:").in(name::host_page));
        const std::pair<const std::array<std::string_view, 4>*, const char*> rows[] = {
            {&name::host_bits, "主机地址:"},
            {&name::mask_bits, "网络掩码:"},
            {&name::network_bits, "子网地址:"},
            {&name::broadcast_bits, "广播地址:"},
        };
        for (const auto& [names, caption] : rows) {
            c.push_back(captioned((*names)[0], caption, at_start((*names)[0])).in(name::host_page));
            for (std::size_t i = 1; i < names->size(); ++i)
                c.push_back(label((*names)[i], at_start((*names)[i])).in(name::host_page).beside());
        }
        c.push_back(label(name::network_rule, "● 子网地址 = 主机地址和网络掩码的与运算").in(name::host_page));
        c.push_back(
            label(name::broadcast_rule, "● 广播地址 = 子网地址和(网络掩码的取反结果)的或运算").in(name::host_page));

        const SubnetSplit whole = split_network(0, 0);
        c.push_back(group_box(name::network_page, "").on_tab(name::tabs, "网络IP→各子网IP"));
        c.push_back(edit(name::network, "请输入要规划的网络地址", "0").in(name::network_page));
        for (const std::string_view rest : name::network_rest)
            c.push_back(edit(rest, ".", "0").in(name::network_page).beside().off());
        c.push_back(drop_down(name::count, "要划分的子网数量", {kSubnetCounts.begin(), kSubnetCounts.end()}, 0)
                        .in(name::network_page));
        c.push_back(button(name::split, "计算").in(name::network_page).beside());
        c.push_back(captioned(name::split_mask, "子网掩码:", whole.mask).in(name::network_page));
        c.push_back(captioned(name::split_hosts, "每网段主机数:", whole.hosts).in(name::network_page));
        c.push_back(label(name::ranges_heading, "各网段主机IP地址范围").in(name::network_page));
        c.push_back(multi_line_edit(name::ranges, "").in(name::network_page));
        return page;
    }();
    return kPage;
}

PageEntry subnet_calculator_window() {
    std::vector<Binding> bindings;
    for (const std::string_view box : name::host) bindings.emplace_back(box, run_host_changed, BindingKind::change);
    bindings.emplace_back(name::prefix, run_host_changed, BindingKind::change);
    bindings.emplace_back(name::network, run_network_changed, BindingKind::change);
    bindings.emplace_back(name::split, run_split, BindingKind::action);
    return {&subnet_calculator_window_spec(), std::move(bindings)};
}

}  // namespace vorlix
