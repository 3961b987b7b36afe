#pragma once
// Page "PPPoE服务器设置": an address pool, a PPP profile and the PPPoE server bound to one interface.
#include <string>

#include "forms/outcome.hpp"
#include "forms/page_entry.hpp"

namespace vorlix {

struct PppoeServerFields {
    std::string service_name, interface, pool_name, pool_range, gateway, dns1, dns2, profile;
    bool rate_limit = false;
    std::string upload, download;
    bool idle_timeout = false;
    std::string idle;
    bool session_timeout = false;
    std::string session;
    // The selected items of the six protocol lists.
    std::string use_ipv6, use_mpls, use_compression, use_vj_compression, use_encryption, only_one, change_tcp_mss;
};

// Three lines: "/ip pool add", "/ppp profile add" (idle, session and rate limits when checked,
// in that order, just before dns-server=), "/interface pppoe-server server add".
Result generate_pppoe_server(const PppoeServerFields& f);

const PageSpec& pppoe_server_page_spec();
PageEntry pppoe_server_page();

}  // namespace vorlix
