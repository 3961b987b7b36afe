#pragma once
// Pages "多线固定IP分流" and "多线PPPoE分流": the LAN divided between several Internet lines by source
// address. Each line carries a LAN address range; traffic from that range gets the line's routing mark
// and a default route through the line, checked by ping. Each line also gets a plain default route with
// distance i, so the router itself and hosts outside every range still have a way out, line 1 first.
// On the fixed-address page the gateways are pinned to their line's interface (GATEWAY%etherN), so two
// lines may share a gateway address, and a gateway outside its line's network is reported.
#include <string>

#include "forms/outcome.hpp"
#include "forms/page_entry.hpp"
#include "generators/wan/LineList.hpp"

namespace vorlix {

struct SplitRoutingFields {
    std::string lan;                      // LAN interface
    std::string lan_address, lan_prefix;  // the router's LAN address and its prefix length
    std::string network, network_prefix;  // the LAN network to masquerade
    std::string dns1, dns2;
    std::string mss;  // clamped TCP MSS
    Rows lines;       // a snapshot of the page's line list
};

// Fixed-address lines, cells: address/prefix, gateway, WAN interface, LAN range. At least two lines.
Result generate_fixed_split(const SplitRoutingFields& f);
// PPPoE lines, cells: account, password, WAN interface, LAN range; line i dials pppoe-out<i>.
// At least two lines.
Result generate_pppoe_split(const SplitRoutingFields& f);

const LineListSpec& fixed_split_list();
const LineListSpec& pppoe_split_list();

// The inputs a press reads from the page's form.
SplitRoutingFields fixed_split_fields(const Form& form);
SplitRoutingFields pppoe_split_fields(const Form& form);

const PageSpec& fixed_split_page_spec();
const PageSpec& pppoe_split_page_spec();
PageEntry fixed_split_page();
PageEntry pppoe_split_page();

}  // namespace vorlix
