#pragma once
// The recommended firewall of page "封关键字和域名": a built-in filter rule set (FixedRuleSets.hpp)
// that protects the router, rate-limits ICMP, caps connections per host and drops the listening
// ports of known backdoors and worms. The page places the group with the button 按钮_47生成; its
// entry takes the binding from here.
#include "forms/page_entry.hpp"

namespace vorlix {

// The binding of 按钮_47生成: the rule set, whatever the page's inputs hold.
Binding recommended_firewall_binding();

}  // namespace vorlix
