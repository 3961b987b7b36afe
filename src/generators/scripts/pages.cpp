// The pages of the outer tabs "DDNS域名解析" and "脚本", in tab order.
#include "generators/pages.hpp"

namespace vorlix {

std::vector<PageEntry> ddns_pages() {
    static const PageSpec kDdns{.caption = "DDNS动态域名服务"};
    static const PageSpec kF3322{.caption = "f3322", .in_tree = false};
    static const PageSpec kOray{.caption = "花生壳", .in_tree = false};
    static const PageSpec kMeibu{.caption = "每步", .in_tree = false};
    static const PageSpec kChangeip{.caption = "changeip", .in_tree = false};
    return {unbuilt_page(kDdns), unbuilt_page(kF3322), unbuilt_page(kOray), unbuilt_page(kMeibu),
            unbuilt_page(kChangeip)};
}

std::vector<PageEntry> script_pages() {
    static const PageSpec kIndex{.caption = "脚本", .tree = "脚本(Sprict)"};
    static const PageSpec kOnline{.caption = "统计在线计算机"};
    static const PageSpec kBackup{.caption = "ROS备份", .tree = "ROS自动备份设置"};
    static const PageSpec kMailBackup{.caption = "邮箱备份", .tree = "ROS邮箱自动备份"};
    static const PageSpec kPcc{.caption = "PPPoE断线修改PCC参数", .tree = "断线修改PCC参数"};
    static const PageSpec kExpiry{.caption = "pppoe到期提醒", .tree = "PPPoE到期用户提醒"};
    return {unbuilt_page(kIndex),      unbuilt_page(kOnline), unbuilt_page(kBackup),
            unbuilt_page(kMailBackup), unbuilt_page(kPcc),    unbuilt_page(kExpiry)};
}

}  // namespace vorlix
