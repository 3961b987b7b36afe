// The pages of the outer tab "防火墙", in tab order.
#include "generators/pages.hpp"

namespace vorlix {

std::vector<PageEntry> firewall_pages() {
    static const PageSpec kIndex{.caption = "防火墙", .tree = "防火墙(Firewall)"};
    static const PageSpec kPing{.caption = "禁止Ping"};
    static const PageSpec kArp{.caption = "ARP绑定(批量)"};
    static const PageSpec kConnections{.caption = "限制线程(TCP连接数)", .tree = "限制(TCP/UDP连接数)"};
    static const PageSpec kSoftware{.caption = "封锁软件类"};
    static const PageSpec kPortMapping{.caption = "端口映射", .tree = "端口映射(UPNP)"};
    static const PageSpec kBlocking{.caption = "封端口及封IP(批量)"};
    static const PageSpec kKeywords{.caption = "封关键字和域名"};
    return {unbuilt_page(kIndex),    unbuilt_page(kPing),        unbuilt_page(kArp),      unbuilt_page(kConnections),
            unbuilt_page(kSoftware), unbuilt_page(kPortMapping), unbuilt_page(kBlocking), unbuilt_page(kKeywords)};
}

}  // namespace vorlix
