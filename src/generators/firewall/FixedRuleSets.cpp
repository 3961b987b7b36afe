#include "generators/firewall/FixedRuleSets.hpp"

#include <array>
#include <string>

#include "data/embedded.hpp"

namespace vorlix {
namespace {

constexpr std::array<FixedRuleSet, 9> kSets = {{
    {name::layer7_catalogue, "firewall/layer7.rsc"},
    {name::block_thunder, "firewall/thunder_single.rsc"},
    {name::block_thunder_fully, "firewall/thunder_complete.rsc"},
    {name::block_xuanfeng, "firewall/xuanfeng.rsc"},
    {name::block_p2p_tools, "firewall/p2p_tools.rsc"},
    {name::block_qq_chat, "firewall/qq_chat.rsc"},
    {name::block_pplive, "firewall/pplive.rsc"},
    {name::block_qq_live, "firewall/qq_live.rsc"},
    {name::recommended_firewall, "firewall/recommended.rsc"},
}};

}  // namespace

std::span<const FixedRuleSet> fixed_rule_sets() {
    return kSets;
}

std::string_view fixed_rule_set_script(std::string_view button) {
    for (const FixedRuleSet& set : kSets)
        if (set.button == button) return embedded_file(set.file);
    return {};
}

Result generate_fixed_rule_set(std::string_view button) {
    const std::string_view script = fixed_rule_set_script(button);
    if (script.empty()) return Result::refuse("没有内置的脚本: " + std::string(button), {}, kIconError);
    return Result::ok(std::string(script));
}

}  // namespace vorlix
