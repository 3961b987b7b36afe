#include "script/ipv4.hpp"

#include <charconv>

namespace vorlix {
namespace {

// A decimal number of one to `digits` digits, nothing else, no larger than `max`.
std::optional<unsigned> small_number(std::string_view text, std::size_t digits, unsigned max) {
    if (text.empty() || text.size() > digits) return std::nullopt;
    unsigned value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value > max) return std::nullopt;
    return value;
}

}  // namespace

std::optional<std::uint32_t> parse_ipv4(std::string_view text) {
    std::uint32_t address = 0;
    for (int part = 0; part < 4; ++part) {
        const std::size_t dot = part < 3 ? text.find('.') : text.size();
        if (dot == std::string_view::npos) return std::nullopt;
        const std::optional<int> octet = parse_octet(text.substr(0, dot));
        if (!octet) return std::nullopt;
        address = (address << 8) | static_cast<std::uint32_t>(*octet);
        text.remove_prefix(part < 3 ? dot + 1 : dot);
    }
    return address;
}

std::optional<int> parse_octet(std::string_view text) {
    const std::optional<unsigned> octet = small_number(text, 3, 255);
    if (!octet) return std::nullopt;
    return static_cast<int>(*octet);
}

std::optional<int> parse_prefix(std::string_view text) {
    const std::optional<unsigned> prefix = small_number(text, 2, 32);
    if (!prefix) return std::nullopt;
    return static_cast<int>(*prefix);
}

std::string format_ipv4(std::uint32_t address) {
    return std::to_string(address >> 24) + "." + std::to_string((address >> 16) & 0xFF) + "." +
           std::to_string((address >> 8) & 0xFF) + "." + std::to_string(address & 0xFF);
}

std::uint32_t prefix_mask(int prefix) {
    return prefix <= 0 ? 0 : ~std::uint32_t{0} << (32 - prefix);
}

std::optional<std::string> gateway_problem(std::string_view address, std::string_view prefix,
                                           std::string_view gateway) {
    const std::optional<std::uint32_t> a = parse_ipv4(address);
    const std::optional<int> p = parse_prefix(prefix);
    const std::optional<std::uint32_t> g = parse_ipv4(gateway);
    if (!a || !p) return std::nullopt;
    const std::string net = std::string(address) + "/" + std::string(prefix);
    const std::uint32_t mask = prefix_mask(*p);
    if (*p <= 30) {
        if ((*a & ~mask) == 0) return net + " 是网段的网络地址,不能作为主机地址";
        if ((*a & ~mask) == ~mask) return net + " 是网段的广播地址,不能作为主机地址";
    }
    if (g && (*g & mask) != (*a & mask)) return "网关 " + std::string(gateway) + " 不在 " + net + " 的网段内";
    return std::nullopt;
}

}  // namespace vorlix
