#pragma once
// Page "MAC随机生成": a list of random MAC addresses, the command that gives an Ethernet interface a
// new MAC address, and the offline vendor lookup (tools/mac_vendor.hpp) with its two copy buttons.
#include <string>

#include "forms/outcome.hpp"
#include "forms/page_entry.hpp"
#include "script/random.hpp"

namespace vorlix {

struct MacListFields {
    bool fixed_prefix = true;                  // the three typed bytes lead every address
    std::string prefix_a, prefix_b, prefix_c;  // as typed: two hexadecimal digits each
    bool colon = true;                         // ":" between the bytes, otherwise "-"
    std::string count;                         // as typed; read by its leading number
};

inline constexpr long long kMaxMacCount = 10000;

// `count` addresses, one per line, CR LF between them. Each random byte is one draw of 0 to 255;
// with the fixed prefix, three random bytes follow the typed ones (written upper-case), otherwise all
// six are random and the first is made unicast and locally administered. Refused: a prefix byte that
// is not two hexadecimal digits, a count outside 1 to kMaxMacCount.
// Example: prefix E4 8D 8C, "-", count 1, a source giving 1, 2, 3: "E4-8D-8C-01-02-03"
Result generate_mac_list(const MacListFields& f, RandomSource& random);

struct MacChangeFields {
    std::string interface, mac;
};

// "/interface ethernet set IFACE mac-address=XX:XX:XX:XX:XX:XX", the address normalised from any
// form parse_mac reads. Refused: an empty interface, an address that is not 12 hexadecimal digits.
Result generate_mac_change(const MacChangeFields& f);

const PageSpec& mac_tools_page_spec();
PageEntry mac_tools_page();

}  // namespace vorlix
