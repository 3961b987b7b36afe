#pragma once
// Pages "PPTP" and "L2TP": the VPN server (pool, profile, masquerade), one VPN account, and a VPN
// client, either with the default route through the tunnel or beside the carrier routes of a router
// on a Telecom and a Netcom line. The two pages differ only in the protocol's words and their names.
#include <string>
#include <string_view>

#include "forms/outcome.hpp"
#include "forms/page_entry.hpp"
#include "generators/pppoe/PppoeServer.hpp"

namespace vorlix {

enum class VpnProtocol { pptp, l2tp };

struct VpnServerFields {
    VpnProtocol protocol = VpnProtocol::pptp;
    std::string pool_range, gateway, pool_name, profile;
    PppProfileOptions options;
};

// Four lines: the server enabled, the pool, the profile (the gateway as the router's own address in
// every tunnel, the pool for the clients, then the options), and a masquerade of the pool's range.
Result generate_vpn_server(const VpnServerFields& f);

struct VpnAccountFields {
    VpnProtocol protocol = VpnProtocol::pptp;
    std::string profile, user, password;
    bool bind_caller = false;
    std::string caller_id;
};

// "/ppp secret add name=... password=... service=pptp [caller-id=... ]profile=..." on one line.
Result generate_vpn_account(const VpnAccountFields& f);

enum class VpnClientRoutes {
    default_route,    // the tunnel adds the default route
    telecom_primary,  // Netcom networks by the Netcom gateway, everything else by the Telecom gateway
    netcom_primary,   // Telecom networks by the Telecom gateway, everything else by the Netcom gateway
};

struct VpnClientFields {
    VpnProtocol protocol = VpnProtocol::pptp;
    std::string name, server, user, password, telecom_gateway, netcom_gateway;
    VpnClientRoutes routes = VpnClientRoutes::default_route;
};

// The client interface on one line with add-default-route=yes; or, with carrier routes, the client
// line without it, "/ip route", one route per network of the secondary carrier's built-in list by
// the secondary gateway (distance=1), and the default route by the primary gateway (distance=2).
Result generate_vpn_client(const VpnClientFields& f);

const PageSpec& pptp_page_spec();
const PageSpec& l2tp_page_spec();
PageEntry pptp_page();
PageEntry l2tp_page();

}  // namespace vorlix
