#pragma once
// Page "单线固定IP": the first set-up of a router on one line with a fixed public address.
#include <string>

#include "forms/outcome.hpp"
#include "forms/page_entry.hpp"

namespace vorlix {

struct SingleLineStaticFields {
    std::string lan_interface, lan_gateway, lan_gateway_mask, lan_comment;
    std::string wan_interface, wan_address, wan_mask, wan_comment, wan_gateway;
    std::string lan_network, lan_network_mask;
    std::string dns1, dns2, mss;
};

// Six lines: LAN and WAN addresses, default route, masquerade, MSS clamp, DNS.
Result generate_single_line_static(const SingleLineStaticFields& f);

const PageSpec& single_line_static_page_spec();
PageEntry single_line_static_page();

}  // namespace vorlix
