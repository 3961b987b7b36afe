#pragma once
// Page "VRRP多线PPPoE": several PPPoE connections dialled over one WAN port, each on a VRRP interface
// of its own. Its line list: account, password.
#include "forms/page_entry.hpp"
#include "generators/wan/LineList.hpp"

namespace vorlix {

const LineListSpec& vrrp_pppoe_list();
const PageSpec& vrrp_pppoe_page_spec();
PageEntry vrrp_pppoe_page();

}  // namespace vorlix
