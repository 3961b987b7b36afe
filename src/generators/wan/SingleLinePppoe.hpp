#pragma once
// Page "单线PPPoE拨号": the first set-up of a router on one line that dials PPPoE.
#include <string>

#include "forms/outcome.hpp"
#include "forms/page_entry.hpp"

namespace vorlix {

struct SingleLinePppoeFields {
    std::string lan_interface, lan_gateway, lan_gateway_mask, lan_comment;
    std::string lan_network, lan_network_mask;
    std::string client_name, wan_interface, user, password;
    std::string dns1, dns2, mss;
};

// Five lines: LAN address, PPPoE client with the default route, masquerade, MSS clamp, DNS.
Result generate_single_line_pppoe(const SingleLinePppoeFields& f);

const PageSpec& single_line_pppoe_page_spec();
PageEntry single_line_pppoe_page();

}  // namespace vorlix
