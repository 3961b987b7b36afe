// The pages of the outer tab "安装", in tab order.
#include "generators/pages.hpp"
#include "generators/wan/DualLineTelecomNetcom.hpp"
#include "generators/wan/LoadBalance.hpp"
#include "generators/wan/SingleLinePppoe.hpp"
#include "generators/wan/SingleLineStatic.hpp"
#include "generators/wan/SplitRouting.hpp"
#include "generators/wan/VlanPppoe.hpp"
#include "generators/wan/VrrpPppoe.hpp"
#include "generators/wan/WirelessDhcp.hpp"

namespace vorlix {

std::vector<PageEntry> wan_pages() {
    static const PageSpec kIndex{.caption = "安装"};
    return {
        unbuilt_page(kIndex), single_line_static_page(), single_line_pppoe_page(), fixed_load_page(),
        fixed_split_page(),   pppoe_load_page(),         pppoe_split_page(),       dual_line_page(),
        vlan_pppoe_page(),    wireless_dhcp_page(),      vrrp_pppoe_page(),
    };
}

}  // namespace vorlix
