// The composition root: the areas in the order of the main window's outer tabs, then the side windows.
#include "generators/all_pages.hpp"

#include "generators/pages.hpp"

namespace vorlix {

PageEntry unbuilt_page(const PageSpec& spec) {
    return {&spec, {}};
}

const Registry& registry() {
    static const Registry kRegistry(
        {
            {kOuterTabs[0], system_pages()},
            {kOuterTabs[1], wan_pages()},
            {kOuterTabs[2], pppoe_pages()},
            {kOuterTabs[3], queue_pages()},
            {kOuterTabs[4], firewall_pages()},
            {kOuterTabs[5], vpn_pages()},
            {kOuterTabs[6], ddns_pages()},
            {kOuterTabs[7], script_pages()},
            {kOuterTabs[8], tool_pages()},
        },
        side_windows());
    return kRegistry;
}

}  // namespace vorlix
