#include "tools/mac_address.hpp"

#include "script/ros_escape.hpp"
#include "script/text.hpp"

namespace vorlix {

std::optional<std::uint8_t> parse_hex_byte(std::string_view text) {
    if (text.size() != 2) return std::nullopt;
    const int high = hex_value(text[0]);
    const int low = hex_value(text[1]);
    if (high < 0 || low < 0) return std::nullopt;
    return static_cast<std::uint8_t>(high * 16 + low);
}

std::string hex_byte(std::uint8_t byte) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    return {kDigits[byte >> 4], kDigits[byte & 0x0F]};
}

std::optional<MacAddress> parse_mac(std::string_view text) {
    text = trim_spaces(text);
    std::size_t step = 0;  // characters from one pair to the next
    if (text.size() == 12) {
        step = 2;
    } else if (text.size() == 17) {
        step = 3;
        const char separator = text[2];
        if (separator != ':' && separator != '-') return std::nullopt;
        for (std::size_t i = 2; i < text.size(); i += 3)
            if (text[i] != separator) return std::nullopt;
    } else {
        return std::nullopt;
    }
    MacAddress mac{};
    for (std::size_t i = 0; i < mac.size(); ++i) {
        const std::optional<std::uint8_t> byte = parse_hex_byte(text.substr(i * step, 2));
        if (!byte) return std::nullopt;
        mac[i] = *byte;
    }
    return mac;
}

std::string format_mac(const MacAddress& mac, char separator) {
    std::string out;
    out.reserve(17);
    for (std::size_t i = 0; i < mac.size(); ++i) {
        if (i > 0) out += separator;
        out += hex_byte(mac[i]);
    }
    return out;
}

std::optional<std::string> normalize_mac(std::string_view text) {
    const std::optional<MacAddress> mac = parse_mac(text);
    if (!mac) return std::nullopt;
    return format_mac(*mac);
}

bool is_multicast(const MacAddress& mac) {
    return (mac[0] & 0x01) != 0;
}

bool is_locally_administered(const MacAddress& mac) {
    return (mac[0] & 0x02) != 0;
}

std::uint8_t random_byte(RandomSource& random) {
    return static_cast<std::uint8_t>(random_in_range(random, 0, 255));
}

std::uint8_t random_first_octet(RandomSource& random) {
    return static_cast<std::uint8_t>((random_byte(random) & 0xFC) | 0x02);
}

MacAddress random_mac(RandomSource& random) {
    MacAddress mac{};
    mac[0] = random_first_octet(random);
    for (std::size_t i = 1; i < mac.size(); ++i) mac[i] = random_byte(random);
    return mac;
}

}  // namespace vorlix
