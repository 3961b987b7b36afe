#pragma once
// Pages "多线固定IP负载" and "多线PPPoE负载": the LAN's new connections spread over several Internet
// lines. PCC hashes each connection into one of N buckets (bucket i-1 to line i); NTH hands every N-th
// new connection, counter i, to line i. Only connections without a mark are assigned, and a connection
// that arrives on line i (to the router, or forwarded to a LAN host) is marked for line i on arrival, so
// its replies leave by the line it came in on. Every line then gets a routing mark, a marked default
// route, a plain default route with distance i as fallback, and a masquerade rule. On the fixed-address
// page both routes name the line's gateway pinned to its interface (GATEWAY%etherN), so two lines may
// share a gateway address, and a gateway outside its line's network is reported beside the script.
#include <string>
#include <string_view>
#include <vector>

#include "forms/outcome.hpp"
#include "forms/page_entry.hpp"
#include "generators/wan/LineList.hpp"

namespace vorlix {

enum class Balancing { pcc, nth };

// The nine items of the PCC drop-down lists, in order, as the pages show them ("both addresses", ...).
const std::vector<std::string>& pcc_classifier_items();
// The RouterOS keyword of an item ("both-addresses", ...), or "" for no item.
// Example: pcc_classifier_keyword(4) == "dst-address-and-port"
std::string_view pcc_classifier_keyword(int index);

struct LoadBalanceFields {
    std::string lan;          // LAN interface
    std::string lan_address;  // the router's LAN address
    std::string lan_prefix;   // and its prefix length
    std::string dns1, dns2;
    std::string mss;     // the PPPoE page's clamped TCP MSS (the fixed-address page writes none)
    int classifier = 0;  // selected item of the PCC drop-down list
    Rows lines;          // a snapshot of the page's line list
};

// Fixed-address lines, cells: address/prefix, gateway, WAN interface. At least two lines.
Result generate_fixed_load(const LoadBalanceFields& f, Balancing how);
// PPPoE lines, cells: account, password, WAN interface; line i dials pppoe-out<i>. At least two lines.
// A router-side script finds the PCC rules by the "/<bucket>" that ends their classifier and the
// mark-routing rule by the connection mark they set, so the rule layout is fixed.
Result generate_pppoe_load(const LoadBalanceFields& f, Balancing how);

const LineListSpec& fixed_load_list();
const LineListSpec& pppoe_load_list();

// The inputs a press reads from the page's form.
LoadBalanceFields fixed_load_fields(const Form& form);
LoadBalanceFields pppoe_load_fields(const Form& form);

const PageSpec& fixed_load_page_spec();
const PageSpec& pppoe_load_page_spec();
PageEntry fixed_load_page();
PageEntry pppoe_load_page();

}  // namespace vorlix
