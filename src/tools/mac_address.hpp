#pragma once
// Ethernet MAC addresses: reading what a user typed, writing the form RouterOS prints, and drawing
// random addresses that are safe to give an interface or a bridge.
//
// The first octet carries two flags: bit 0 set makes a group (multicast) address, which no interface
// may own, and bit 1 set makes a locally administered address, which no vendor was assigned. A random
// address therefore clears bit 0 and sets bit 1, so it can never collide with a vendor's hardware.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "script/random.hpp"

namespace vorlix {

using MacAddress = std::array<std::uint8_t, 6>;

// The value of a byte typed as exactly two hexadecimal digits, in either case; nothing for any
// other text (one digit, three digits, blanks, "0x").
// Example: parse_hex_byte("e4") == 0xE4, parse_hex_byte("E") == std::nullopt
std::optional<std::uint8_t> parse_hex_byte(std::string_view text);

// The byte as two upper-case hexadecimal digits.
// Example: hex_byte(0x0A) == "0A"
std::string hex_byte(std::uint8_t byte);

// The address in a typed text: 12 hexadecimal digits in either case, in pairs joined by ":" or by
// "-" (one separator throughout) or with no separator at all. Blanks and tabs around it are ignored;
// anything else (a missing pair, a mixed separator, a dotted form) gives nothing.
// Example: parse_mac("00-01-6c-06-a6-29") == MacAddress{0x00, 0x01, 0x6C, 0x06, 0xA6, 0x29}
//          parse_mac("00:01-6C:06:A6:29") == std::nullopt
std::optional<MacAddress> parse_mac(std::string_view text);

// The address as six upper-case pairs joined by the separator.
// Example: format_mac({0x00, 0x01, 0x6C, 0x06, 0xA6, 0x29}, '-') == "00-01-6C-06-A6-29"
std::string format_mac(const MacAddress& mac, char separator = ':');

// The typed address in the form XX:XX:XX:XX:XX:XX, or nothing when parse_mac refuses it.
// Example: normalize_mac("00016c06a629") == "00:01:6C:06:A6:29"
std::optional<std::string> normalize_mac(std::string_view text);

// Bit 0 of the first octet: a group address (multicast or broadcast).
bool is_multicast(const MacAddress& mac);

// Bit 1 of the first octet: an address set by an administrator or by software, not by a vendor.
bool is_locally_administered(const MacAddress& mac);

// One uniformly random byte, 0 to 255, from one draw.
std::uint8_t random_byte(RandomSource& random);

// A random first octet for an address without a vendor prefix: a random byte r as (r & 0xFC) | 0x02,
// so unicast and locally administered.
// Example: with a source giving 0xFF, random_first_octet(source) == 0xFE
std::uint8_t random_first_octet(RandomSource& random);

// Six random bytes (six draws, first octet first), made unicast and locally administered as
// random_first_octet does.
// Example: with a source giving 1, 2, 3, 4, 5, 6: format_mac(random_mac(source)) == "02:02:03:04:05:06"
MacAddress random_mac(RandomSource& random);

}  // namespace vorlix
