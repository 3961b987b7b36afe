// The pages of the outer tab "PPPOE", in tab order.
#include "generators/pages.hpp"
#include "generators/pppoe/PppoeAccounts.hpp"
#include "generators/pppoe/PppoeServer.hpp"

namespace vorlix {

std::vector<PageEntry> pppoe_pages() {
    static const PageSpec kIndex{.caption = "PPPoE"};
    return {unbuilt_page(kIndex), pppoe_server_page(), pppoe_accounts_page()};
}

}  // namespace vorlix
