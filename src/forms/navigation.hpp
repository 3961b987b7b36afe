#pragma once
// The main window's navigation: the outer tab set (选择夹1) and the tree whose items select pages.
// The pages of each outer tab, and so the inner tab sets and the tree, come from the registry.
#include <array>
#include <string_view>

namespace vorlix {

struct OuterTab {
    std::string_view caption;  // the tab's caption
    std::string_view tab_set;  // the name of the inner tab set on it: 选择夹2 ... 选择夹10
};

inline constexpr std::array<OuterTab, 9> kOuterTabs = {{
    {"系统", "选择夹2"},
    {"安装", "选择夹3"},
    {"PPPOE", "选择夹4"},
    {"限速", "选择夹5"},
    {"防火墙", "选择夹6"},
    {"VPN", "选择夹7"},
    {"DDNS域名解析", "选择夹8"},
    {"脚本", "选择夹9"},
    {"常用工具", "选择夹10"},
}};

struct TreeItem {
    int level;              // 1 for the first page of an outer tab, 2 for a page under it
    std::string_view text;  // the tree text, also the frame caption when selected
    int outer;              // the page of 选择夹1
    int inner;              // the page of the inner tab set
};

}  // namespace vorlix
