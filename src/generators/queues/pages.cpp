// The pages of the outer tab "限速", in tab order.
#include "generators/pages.hpp"
#include "generators/queues/HostQueues.hpp"
#include "generators/queues/OtherQueues.hpp"
#include "generators/queues/PcqDynamic.hpp"

namespace vorlix {

std::vector<PageEntry> queue_pages() {
    static const PageSpec kIndex{.caption = "限速"};
    static const PageSpec kTested{.caption = "44444", .summary = "经过测试的VLAN交换机和无线网卡", .in_tree = false};
    return {unbuilt_page(kIndex), simple_queue_page(), pcq_dynamic_page(),
            pcq_advanced_page(),  other_queue_page(),  unbuilt_page(kTested)};
}

}  // namespace vorlix
