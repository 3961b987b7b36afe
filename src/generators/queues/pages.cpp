// The pages of the outer tab "限速", in tab order.
#include "generators/pages.hpp"

namespace vorlix {

std::vector<PageEntry> queue_pages() {
    static const PageSpec kIndex{.caption = "限速"};
    static const PageSpec kSimple{.caption = "Queues简单限速"};
    static const PageSpec kPcqDynamic{.caption = "PCQ智能动态限速"};
    static const PageSpec kPcqAdvanced{.caption = "PCQ高级动态限速"};
    static const PageSpec kOther{.caption = "其他限速", .in_tree = false};
    static const PageSpec kTested{.caption = "44444", .in_tree = false};
    return {unbuilt_page(kIndex),       unbuilt_page(kSimple), unbuilt_page(kPcqDynamic),
            unbuilt_page(kPcqAdvanced), unbuilt_page(kOther),  unbuilt_page(kTested)};
}

}  // namespace vorlix
