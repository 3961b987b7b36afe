#pragma once
// Page "PPPoE服务器设置": an address pool, a PPP profile and the PPPoE server bound to one interface.
#include <string>
#include <vector>

#include "forms/outcome.hpp"
#include "forms/page_entry.hpp"

namespace vorlix {

// What a PPP profile of the server pages (PPPoE, PPTP, L2TP) offers beside its addresses: the seven
// protocol lists, three optional limits and the DNS servers.
struct PppProfileOptions {
    std::string dns1, dns2;
    bool rate_limit = false;
    std::string upload, download;
    bool idle_timeout = false;
    std::string idle;
    bool session_timeout = false;
    std::string session;
    // The selected items of the seven protocol lists.
    std::string use_ipv6, use_mpls, use_compression, use_vj_compression, use_encryption, only_one, change_tcp_mss;
};

// The end of a "/ppp profile add" line: "use-ipv6=... change-tcp-mss=... ", the idle, session and
// rate limits that are checked (in that order, each ended by a blank), then "dns-server=...".
std::string ppp_profile_options(const PppProfileOptions& o);

// The items of the upload and download boxes, and of the protocol lists (with "required" or without).
std::vector<std::string> ppp_rate_items();
std::vector<std::string> ppp_option_items(bool with_required);

struct PppoeServerFields {
    std::string service_name, interface, pool_name, pool_range, gateway, profile;
    PppProfileOptions options;
};

// Three lines: "/ip pool add", "/ppp profile add" (the gateway as local address, the pool as remote
// address, then the options), "/interface pppoe-server server add".
Result generate_pppoe_server(const PppoeServerFields& f);

const PageSpec& pppoe_server_page_spec();
PageEntry pppoe_server_page();

}  // namespace vorlix
