#pragma once
// Pages "PPTP" and "L2TP": the VPN server (pool, profile, masquerade), one VPN account, and a VPN
// client, either with the default route through the tunnel or beside the carrier routes of a router
// on a Telecom and a Netcom line. The two pages differ only in the protocol's words.
#include <string>
#include <string_view>

#include "forms/outcome.hpp"

namespace vorlix {

enum class VpnProtocol { pptp, l2tp };

// "pptp" or "l2tp": the word in the RouterOS menus (/interface pptp-server, service=pptp).
std::string_view vpn_word(VpnProtocol protocol);

struct VpnServerFields {
    VpnProtocol protocol = VpnProtocol::pptp;
    std::string pool_range, gateway, dns1, dns2, pool_name, profile;
    bool rate_limit = false;
    std::string upload, download;
    bool idle_timeout = false;
    std::string idle;
    bool session_timeout = false;
    std::string session;
    // The selected items of the seven protocol lists.
    std::string use_ipv6, use_mpls, use_compression, use_vj_compression, use_encryption, only_one, change_tcp_mss;
};

// Four lines: the server enabled, the pool, the profile (the gateway as the router's own address in
// every tunnel, the pool for the clients; idle, session and rate limits when checked, in that order,
// just before dns-server=), and a masquerade of the pool's range.
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

}  // namespace vorlix
