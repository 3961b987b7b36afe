#pragma once
// The route-table generator window ("路由表生成器"): turns a built-in carrier address list into
// routes, policy routing rules or firewall address-list entries, shown in the window's own editor.
#include <string>
#include <string_view>

#include "forms/outcome.hpp"
#include "forms/page_entry.hpp"
#include "script/isp_lists.hpp"

namespace vorlix {

enum class RouteTableMode { route, rule, address_list };

// The inputs of the three tab pages. An optional parameter is written only when its text is not
// empty; scope, action and table are always written.
struct RouteTableFields {
    IspList list = IspList::telecom;
    RouteTableMode mode = RouteTableMode::route;
    // "route"
    std::string gateway, check_gateway, type, distance, scope, target_scope, routing_mark, pref_src;
    // "rule": action is the caption of the chosen item
    std::string rule_src_address, rule_routing_mark, rule_interface, rule_action, rule_table;
    // "address list"
    std::string list_name, timeout;
};

// A header line, then one line per network of the list. Refuses, naming the field, when the one
// required field of the mode is empty: the gateway, the table or the list name.
// Example (gateway 10.0.0.1, other fields at their defaults, telecom), the first route:
//   add dst-address=1.48.0.0/15 gateway=10.0.0.1 type=unicast scope=30 disabled=no
Result generate_route_table(const RouteTableFields& f);

// The RouterOS keyword of an item of the rule page's action list: its caption with blanks as
// minus signs ("lookup only in table" -> "lookup-only-in-table").
std::string rule_action_keyword(std::string_view caption);

// The scope box's text once it loses the focus: an emptied box shows the default again.
inline constexpr std::string_view kDefaultScope = "30";
std::string scope_after_edit(std::string_view text);

// The window's caption, also the qualifier of its buttons where the main window has a button of
// the same name.
inline constexpr std::string_view kRouteTableWindow = "路由表生成器";

const PageSpec& route_table_window_spec();
PageEntry route_table_window();

}  // namespace vorlix
