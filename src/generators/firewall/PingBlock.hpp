#pragma once
// Page "禁止Ping": filter rules that drop the pings sent to the router.
#include <string>

#include "forms/page_entry.hpp"

namespace vorlix {

// Whose pings are dropped: everyone's, the LAN's, or everyone's outside the LAN.
enum class PingScope { all, lan, outside };

struct PingBlockFields {
    std::string network, prefix;  // the LAN: network address and prefix length
};

// One "/ip firewall filter add chain=input ... protocol=icmp icmp-options=8:0-255 action=drop" line.
// The rules sit in the input chain and match echo requests only, so the router's own pings (the
// gateway checks of its routes) and the ICMP errors its connections need still get their answers.
std::string generate_ping_block(const PingBlockFields& f, PingScope scope);

const PageSpec& ping_block_page_spec();
PageEntry ping_block_page();

}  // namespace vorlix
