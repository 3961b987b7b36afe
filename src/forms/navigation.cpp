#include "forms/navigation.hpp"

namespace vorlix {

const std::array<TreeItem, kTreeItemCount>& tree_items() {
    static const std::array<TreeItem, kTreeItemCount> kItems = {{
        {1, "系统", 0, 0},
        {2, "添加管理员账户", 0, 1},
        {2, "定时关机/重启", 0, 2},
        {2, "系统其它设置", 0, 3},
        {1, "安装", 1, 0},
        {2, "单线固定IP(企业)", 1, 1},
        {2, "单线PPPoE拨号", 1, 2},
        {2, "多线固定IP叠加NTH+PCC负载", 1, 3},
        {2, "多线固定IP分流", 1, 4},
        {2, "多线PPPoE叠加NTH+PCC负载", 1, 5},
        {2, "多线PPPoE分流", 1, 6},
        {2, "双线固定IP电信网通", 1, 7},
        {2, "VLAN多线PPPoE拨号", 1, 8},
        {2, "无线网络DHCP自动分配IP", 1, 9},
        {2, "VRRP多线PPPoE拨号", 1, 10},
        {1, "PPPoE", 2, 0},
        {2, "PPPoE服务器设置", 2, 1},
        {2, "添加PPPoE账号(批量)", 2, 2},
        {1, "限速", 3, 0},
        {2, "Queues简单限速", 3, 1},
        {2, "PCQ智能动态限速", 3, 2},
        {2, "PCQ高级动态限速", 3, 3},
        {1, "防火墙(Firewall)", 4, 0},
        {2, "禁止Ping", 4, 1},
        {2, "ARP绑定(批量)", 4, 2},
        {2, "限制(TCP/UDP连接数)", 4, 3},
        {2, "封锁软件类", 4, 4},
        {2, "端口映射(UPNP)", 4, 5},
        {2, "封端口及封IP(批量)", 4, 6},
        {2, "封关键字和域名", 4, 7},
        {1, "代理VPN", 5, 0},
        {2, "PPTP设置", 5, 1},
        {2, "L2TP设置", 5, 2},
        {1, "DDNS动态域名服务", 6, 0},
        {1, "脚本(Sprict)", 7, 0},
        {2, "统计在线计算机", 7, 1},
        {2, "ROS自动备份设置", 7, 2},
        {2, "ROS邮箱自动备份", 7, 3},
        {2, "断线修改PCC参数", 7, 4},
        {2, "PPPoE到期用户提醒", 7, 5},
        {1, "常用工具", 8, 0},
        {2, "MAC相关工具", 8, 1},
        {2, "中文SSID生成器", 8, 2},
    }};
    return kItems;
}

const std::array<std::string_view, 9>& outer_tabs() {
    static const std::array<std::string_view, 9> kTabs = {"系统", "安装",         "PPPOE", "限速",    "防火墙",
                                                          "VPN",  "DDNS域名解析", "脚本",  "常用工具"};
    return kTabs;
}

const std::array<TabSet, 9>& inner_tabs() {
    static const std::array<TabSet, 9> kSets = {{
        {"选择夹2", {"系统", "添加管理账户", "定时重启/关机", "系统其它设置"}},
        {"选择夹3",
         {"安装", "单线固定IP", "单线PPPoE拨号", "多线固定IP负载", "多线固定IP分流", "多线PPPoE负载", "多线PPPoE分流",
          "双线固定IP电信网通", "VLAN多线PPPoE", "无线网络DHCP", "VRRP多线PPPoE"}},
        {"选择夹4", {"PPPoE", "PPPoE服务器设置", "添加PPPoE账号(批量)"}},
        {"选择夹5", {"限速", "Queues简单限速", "PCQ智能动态限速", "PCQ高级动态限速", "其他限速", "44444"}},
        {"选择夹6",
         {"防火墙", "禁止Ping", "ARP绑定(批量)", "限制线程(TCP连接数)", "封锁软件类", "端口映射", "封端口及封IP(批量)",
          "封关键字和域名"}},
        {"选择夹7", {"VPN", "PPTP", "L2TP"}},
        {"选择夹8", {"DDNS动态域名服务", "f3322", "花生壳", "每步", "changeip"}},
        {"选择夹9", {"脚本", "统计在线计算机", "ROS备份", "邮箱备份", "PPPoE断线修改PCC参数", "pppoe到期提醒"}},
        {"选择夹10", {"常用工具", "MAC随机生成", "中文SSID生成器"}},
    }};
    return kSets;
}

}  // namespace vorlix
