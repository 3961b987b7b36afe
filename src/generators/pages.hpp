#pragma once
// The pages of each outer tab of the main window, in the order of their inner tabs, and the side
// windows. Each list lives in its area's pages.cpp; generators/all_pages.cpp joins them.
#include <vector>

#include "forms/page_entry.hpp"

namespace vorlix {

std::vector<PageEntry> system_pages();    // 系统
std::vector<PageEntry> wan_pages();       // 安装
std::vector<PageEntry> pppoe_pages();     // PPPOE
std::vector<PageEntry> queue_pages();     // 限速
std::vector<PageEntry> firewall_pages();  // 防火墙
std::vector<PageEntry> vpn_pages();       // VPN
std::vector<PageEntry> ddns_pages();      // DDNS域名解析
std::vector<PageEntry> script_pages();    // 脚本
std::vector<PageEntry> tool_pages();      // 常用工具

// The side windows, in the order of their buttons.
std::vector<PageEntry> side_windows();

// A page whose tab is there but that is not built yet: its caption, its tree text ("" = the caption)
// and whether the tree has an item for it.
PageEntry unbuilt_page(const PageSpec& spec);

}  // namespace vorlix
