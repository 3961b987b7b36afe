#pragma once
// Pieces of script and page that the multi-line WAN pages share.
#include <string>
#include <string_view>
#include <vector>

#include "forms/form.hpp"
#include "forms/outcome.hpp"

namespace vorlix {

// "ether1" to "ether<count>", the items of the pages' interface combo boxes.
std::vector<std::string> ether_items(int count);

// The router's LAN address: "/ip address add address=ADDRESS/PREFIX interface=LAN comment="lan"".
std::string lan_address_line(std::string_view address, std::string_view prefix, std::string_view lan);

// "/ip firewall mangle add chain=forward protocol=tcp tcp-flags=syn action=change-mss new-mss=MSS": TCP
// connections opened through the router get a maximum segment size that fits the line's MTU.
std::string mss_clamp_line(std::string_view mss);

// "/ip dns set allow-remote-requests=yes cache-size=... servers=": the servers of the page's two DNS boxes
// and a cache of `cache_kib` KiB.
std::string dns_line(std::string_view first, std::string_view second, std::string_view cache_kib = "2048");

// The PPPoE client of line `i` (counted from 1), named pppoe-out<i>, dialling the account of a row whose
// cells are account, password and interface; it adds no default route of its own.
std::string pppoe_client_line(std::size_t i, const Row& row);

// A gateway written for a line's interface: "ADDRESS%INTERFACE", so that the route leaves by that line's
// interface even when two lines share one gateway address; the address alone when no interface is given.
// Example: pinned_gateway("218.85.167.1", "ether2") == "218.85.167.1%ether2"
std::string pinned_gateway(std::string_view gateway, std::string_view interface);

// The problems of fixed-address lines (cells: address/prefix, gateway), one per row that has one:
// "第N条线路: " and what gateway_problem says.
std::vector<std::string> line_problems(const Rows& rows);

// The warning shown beside a generated script for these problems, or "" when there are none.
std::string problems_warning(const std::vector<std::string>& problems);

// The refusal of a page whose lines are too few: an information box with an empty caption (not the
// default "信息："), no focus moved.
Result refuse_with_empty_caption(std::string text);

}  // namespace vorlix
