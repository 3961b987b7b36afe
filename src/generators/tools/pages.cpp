// The pages of the outer tab "常用工具", in tab order.
#include "generators/pages.hpp"
#include "generators/tools/ChineseSsid.hpp"
#include "generators/tools/MacTools.hpp"

namespace vorlix {

std::vector<PageEntry> tool_pages() {
    static const PageSpec kIndex{.caption = "常用工具"};
    return {unbuilt_page(kIndex), mac_tools_page(), chinese_ssid_page()};
}

}  // namespace vorlix
