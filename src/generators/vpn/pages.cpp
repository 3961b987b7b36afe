// The pages of the outer tab "VPN", in tab order.
#include "generators/pages.hpp"
#include "generators/vpn/PptpL2tp.hpp"

namespace vorlix {

std::vector<PageEntry> vpn_pages() {
    static const PageSpec kIndex{.caption = "VPN", .tree = "代理VPN"};
    return {unbuilt_page(kIndex), pptp_page(), l2tp_page()};
}

}  // namespace vorlix
