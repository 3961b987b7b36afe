#pragma once
// Page "VLAN多线PPPoE": several PPPoE lines reaching the router through one port and a VLAN switch,
// one VLAN per line. Line i arrives on VLAN interface vlan<i>, gets a bridge ADSL-<i> of its own and
// dials its client pppoe-out<i> over that bridge. Its line list: account, password, VLAN ID.
#include <string>

#include "forms/outcome.hpp"
#include "forms/page_entry.hpp"
#include "generators/wan/LineList.hpp"
#include "script/random.hpp"

namespace vorlix {

struct VlanPppoeFields {
    std::string port;  // the physical port that carries every line's VLAN
    Rows lines;        // a snapshot of the page's line list
};

// The vlan, bridge and bridge-port sections, then one client per line; at least one line. Every
// bridge gets a new random admin MAC (unicast, locally administered), and no two bridges of one
// script share one.
Result generate_vlan_pppoe(const VlanPppoeFields& f, RandomSource& random);

const LineListSpec& vlan_pppoe_list();
// The inputs a press reads from the page's form.
VlanPppoeFields vlan_pppoe_fields(const Form& form);
const PageSpec& vlan_pppoe_page_spec();
PageEntry vlan_pppoe_page();

}  // namespace vorlix
