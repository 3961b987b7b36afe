#pragma once
// Page "VLAN多线PPPoE": several PPPoE lines reaching the router through one port and a VLAN switch,
// one VLAN per line. Its line list: account, password, VLAN ID.
#include "forms/page_entry.hpp"
#include "generators/wan/LineList.hpp"

namespace vorlix {

const LineListSpec& vlan_pppoe_list();
const PageSpec& vlan_pppoe_page_spec();
PageEntry vlan_pppoe_page();

}  // namespace vorlix
