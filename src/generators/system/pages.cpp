// The pages of the outer tab "系统", in tab order.
#include "generators/pages.hpp"
#include "generators/system/AdminAccount.hpp"
#include "generators/system/ScheduledReboot.hpp"
#include "generators/system/StartPage.hpp"
#include "generators/system/SystemMaintenance.hpp"

namespace vorlix {

std::vector<PageEntry> system_pages() {
    return {start_page(), admin_account_page(), scheduled_reboot_page(), system_maintenance_page()};
}

}  // namespace vorlix
