// The list of every page. A new page adds its entry here, in tree order.
#include "forms/registry.hpp"

#include "generators/system/AdminAccount.hpp"
#include "generators/system/ScheduledReboot.hpp"
#include "generators/system/StartPage.hpp"
#include "generators/wan/DualLineTelecomNetcom.hpp"
#include "windows/core/RouteTable.hpp"

namespace vorlix {

const Registry& registry() {
    static const Registry kRegistry({
        start_page(),
        admin_account_page(),
        scheduled_reboot_page(),
        dual_line_page(),
        // Side windows, after every page of the main window.
        route_table_window(),
    });
    return kRegistry;
}

}  // namespace vorlix
