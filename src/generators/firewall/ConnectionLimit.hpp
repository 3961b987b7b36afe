#pragma once
// Page "限制线程(TCP连接数)": filter rules that refuse a host's new connections once it holds more
// than a set number (connection-limit with a /32 mask counts per source address), for a run of hosts
// or for a whole subnet with exempt addresses.
#include <string>

#include "forms/page_entry.hpp"

namespace vorlix {

struct HostRunLimitFields {
    bool tcp = true;     // else udp
    std::string prefix;  // first three octets, "192.168.5"
    std::string first, last, limit;
};

// One ":for mavek from=FIRST to=LAST do={/ip firewall filter add ...}" line.
std::string generate_host_run_limit(const HostRunLimitFields& f);

struct SubnetLimitFields {
    bool tcp = true;
    std::string network, prefix, limit;
    std::string exempt;  // addresses separated by ","
};

// The exempt addresses into the address list MavekTcpList, then the subnet's rule, which skips them.
std::string generate_subnet_limit(const SubnetLimitFields& f);

const PageSpec& connection_limit_page_spec();
PageEntry connection_limit_page();

}  // namespace vorlix
