#pragma once
// Page "双线固定IP电信网通": a router on two fixed-address lines, China Telecom and China Netcom,
// with each carrier's own networks routed through that carrier's line.
#include <string>

#include "forms/outcome.hpp"
#include "forms/page_entry.hpp"
#include "script/script_builder.hpp"

namespace vorlix {

struct DualLineLine {
    std::string interface, address, prefix, gateway, dns;
};

struct DualLineFields {
    std::string lan_interface, lan_gateway, lan_gateway_prefix, lan_network, lan_network_prefix;
    DualLineLine telecom, netcom;
    std::string mss;
    bool telecom_primary = true;
};

// The base set-up: LAN and both WAN addresses, masquerading, the LAN's DNS queries redirected to the
// router, MSS clamping, the router's DNS servers (the primary carrier's first), and the marks that send
// replies to connections opened from outside back by the line they came in on. A gateway outside its
// line's network is reported beside the script.
Result generate_dual_line_setup(const DualLineFields& f);

// Only the primary choice and the two gateways shape the route table.
struct DualLineRouteFields {
    std::string telecom_gateway, netcom_gateway;
    bool telecom_primary = true;
};

// Appends "/ip route", one route per network of the secondary carrier's list through the secondary
// gateway (distance 1), then the default route through the primary gateway (distance 2), all checked by
// ping: the route table of a router on a Telecom and a Netcom line.
void add_carrier_routes(ScriptBuilder& s, const DualLineRouteFields& f);

// The carrier routes, and a backup default route through the secondary gateway (distance 3).
Result generate_dual_line_routes(const DualLineRouteFields& f);

const PageSpec& dual_line_page_spec();
PageEntry dual_line_page();

}  // namespace vorlix
