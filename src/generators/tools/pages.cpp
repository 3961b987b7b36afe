// The pages of the outer tab "常用工具", in tab order.
#include "generators/pages.hpp"

namespace vorlix {

std::vector<PageEntry> tool_pages() {
    static const PageSpec kIndex{.caption = "常用工具"};
    static const PageSpec kMac{.caption = "MAC随机生成", .tree = "MAC相关工具"};
    static const PageSpec kSsid{.caption = "中文SSID生成器"};
    return {unbuilt_page(kIndex), unbuilt_page(kMac), unbuilt_page(kSsid)};
}

}  // namespace vorlix
