#include "script/random.hpp"

#include <cstdio>

namespace vorlix {

std::int32_t random_in_range(RandomSource& source, std::int32_t low, std::int32_t high) {
    if (high < low) return 0;
    const std::uint32_t width = static_cast<std::uint32_t>(high) - static_cast<std::uint32_t>(low) + 1u;
    const std::uint32_t v = source.next();
    const std::uint32_t offset = width == 0 ? v : v % width;
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(low) + offset);
}

MacAddress random_mac(RandomSource& source) {
    MacAddress mac{};
    for (std::uint8_t& octet : mac) octet = static_cast<std::uint8_t>(source.next() & 0xFFu);
    mac[0] = static_cast<std::uint8_t>((mac[0] & 0xFCu) | 0x02u);
    return mac;
}

std::string mac_text(const MacAddress& mac) {
    char text[18];
    std::snprintf(text, sizeof text, "%02X:%02X:%02X:%02X:%02X:%02X", mac[0], mac[1], mac[2], mac[3], mac[4], mac[5]);
    return text;
}

}  // namespace vorlix
