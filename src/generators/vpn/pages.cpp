// The pages of the outer tab "VPN", in tab order.
#include "generators/pages.hpp"

namespace vorlix {

std::vector<PageEntry> vpn_pages() {
    static const PageSpec kIndex{.caption = "VPN", .tree = "代理VPN"};
    static const PageSpec kPptp{.caption = "PPTP", .tree = "PPTP设置"};
    static const PageSpec kL2tp{.caption = "L2TP", .tree = "L2TP设置"};
    return {unbuilt_page(kIndex), unbuilt_page(kPptp), unbuilt_page(kL2tp)};
}

}  // namespace vorlix
