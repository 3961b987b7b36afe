#pragma once
// Page "双线固定IP电信网通": a router on two fixed-address lines, China Telecom and China Netcom,
// with each carrier's own networks routed through that carrier's line.
#include <string>

#include "forms/outcome.hpp"
#include "forms/page_entry.hpp"

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
// router, MSS clamping, and the router's DNS servers (the primary carrier's first).
Result generate_dual_line_setup(const DualLineFields& f);

// Only the primary choice and the two gateways shape the route table.
struct DualLineRouteFields {
    std::string telecom_gateway, netcom_gateway;
    bool telecom_primary = true;
};

// "/ip route", one route per network of the secondary carrier's list through the secondary gateway
// (distance 1), then the default route through the primary gateway (distance 2).
Result generate_dual_line_routes(const DualLineRouteFields& f);

const PageSpec& dual_line_page_spec();
PageEntry dual_line_page();

}  // namespace vorlix
