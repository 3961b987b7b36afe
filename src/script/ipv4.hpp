#pragma once
// IPv4 addresses as the WAN pages type them, read into numbers so that a script can be checked before
// it reaches a router: is the gateway on the line's own network, is the address a usable host.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vorlix {

// Four decimal parts 0 to 255 joined by dots, nothing else (no blanks, signs or empty parts).
// Example: parse_ipv4("10.0.0.1") == 0x0A000001, parse_ipv4("10.0.0.256") == std::nullopt
std::optional<std::uint32_t> parse_ipv4(std::string_view text);

// One part of an address: a decimal number 0 to 255 of at most three digits, without sign or blank.
// Example: parse_octet("10") == 10, parse_octet("1x") == std::nullopt
std::optional<int> parse_octet(std::string_view text);

// A prefix length 0 to 32 in plain decimal.
// Example: parse_prefix("24") == 24, parse_prefix("33") == std::nullopt
std::optional<int> parse_prefix(std::string_view text);

// The dotted form of an address.
// Example: format_ipv4(0x0A000001) == "10.0.0.1"
std::string format_ipv4(std::uint32_t address);

// The network mask of a prefix length (0 for /0).
// Example: prefix_mask(24) == 0xFFFFFF00
std::uint32_t prefix_mask(int prefix);

// What is wrong with a line's address, prefix length and gateway, in words for the user, or nothing:
// the address is the network or broadcast address of its subnet (up to /30; /31 and /32 have none),
// or the gateway lies outside the subnet. Texts that are not addresses give nothing: whether a field
// holds an address at all is another check.
// Example: gateway_problem("218.85.167.150", "24", "218.85.150.1")
//          == "网关 218.85.150.1 不在 218.85.167.150/24 的网段内"
std::optional<std::string> gateway_problem(std::string_view address, std::string_view prefix, std::string_view gateway);

}  // namespace vorlix
