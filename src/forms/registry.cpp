// The list of every page. A new page adds its entry here, in tree order.
#include "forms/registry.hpp"

#include "generators/pppoe/PppoeAccounts.hpp"
#include "generators/pppoe/PppoeServer.hpp"
#include "generators/system/AdminAccount.hpp"
#include "generators/system/ScheduledReboot.hpp"
#include "generators/system/StartPage.hpp"
#include "generators/system/SystemMaintenance.hpp"
#include "generators/wan/DualLineTelecomNetcom.hpp"
#include "generators/wan/LoadBalance.hpp"
#include "generators/wan/SingleLinePppoe.hpp"
#include "generators/wan/SingleLineStatic.hpp"
#include "generators/wan/SplitRouting.hpp"
#include "generators/wan/VlanPppoe.hpp"
#include "generators/wan/VrrpPppoe.hpp"
#include "windows/core/RouteTable.hpp"

namespace vorlix {

const Registry& registry() {
    static const Registry kRegistry({
        start_page(),
        admin_account_page(),
        scheduled_reboot_page(),
        system_maintenance_page(),
        single_line_static_page(),
        single_line_pppoe_page(),
        fixed_load_page(),
        fixed_split_page(),
        pppoe_load_page(),
        pppoe_split_page(),
        dual_line_page(),
        vlan_pppoe_page(),
        vrrp_pppoe_page(),
        pppoe_server_page(),
        pppoe_accounts_page(),
        // Side windows, after every page of the main window.
        route_table_window(),
    });
    return kRegistry;
}

}  // namespace vorlix
