// The pages of the outer tabs "DDNS域名解析" and "脚本", in tab order.
#include "generators/pages.hpp"
#include "generators/scripts/Ddns.hpp"
#include "generators/scripts/RouterScripts.hpp"

namespace vorlix {

std::vector<PageEntry> ddns_pages() {
    std::vector<PageEntry> pages{ddns_page()};
    for (PageEntry& tab : ddns_provider_pages()) pages.push_back(std::move(tab));
    return pages;
}

std::vector<PageEntry> script_pages() {
    static const PageSpec kIndex{.caption = "脚本", .tree = "脚本(Sprict)"};
    return {unbuilt_page(kIndex), online_count_page(),  scheduled_backup_page(),
            mail_backup_page(),   pcc_rebalance_page(), expiry_reminder_page()};
}

}  // namespace vorlix
