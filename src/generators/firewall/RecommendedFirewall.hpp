#pragma once
// The recommended firewall of page "封关键字和域名": a built-in filter rule set (FixedRuleSets.hpp)
// that protects the router, rate-limits ICMP, caps connections per host and drops the listening
// ports of known backdoors and worms. The group that offers it is kept here, so the page's own file
// only places it.
#include <vector>

#include "forms/page_entry.hpp"

namespace vorlix {

// The group box "推荐防火墙(Firewall)脚本" with its description and the button 按钮_47生成, in display
// order, for the page table.
std::vector<ControlSpec> recommended_firewall_controls();

// The button's binding, for the page's entry.
Binding recommended_firewall_binding();

}  // namespace vorlix
