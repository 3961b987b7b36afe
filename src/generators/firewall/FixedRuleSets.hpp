#pragma once
// Buttons whose script is a built-in rule set: the layer-7 protocol catalogue, the rule sets that
// block download tools, P2P and streaming clients and a messaging client, and the recommended
// firewall. The scripts are data files under src/data/firewall (see the README there); they take
// no input, so each button gives the same text every time.
#include <span>
#include <string_view>

#include "forms/outcome.hpp"

namespace vorlix {

namespace name {
inline constexpr std::string_view layer7_catalogue = "按钮_447层协议";
inline constexpr std::string_view block_thunder = "按钮_44封迅雷";
inline constexpr std::string_view block_thunder_fully = "按钮_44彻底封迅雷";
inline constexpr std::string_view block_xuanfeng = "按钮_44封QQ旋风";
inline constexpr std::string_view block_p2p_tools = "按钮_44封网络软件";
inline constexpr std::string_view block_qq_chat = "按钮_44禁止QQ聊天";
inline constexpr std::string_view block_pplive = "按钮_44禁止PPlive";
inline constexpr std::string_view block_qq_live = "按钮_44禁止QQ直播";
inline constexpr std::string_view recommended_firewall = "按钮_47生成";
}  // namespace name

struct FixedRuleSet {
    std::string_view button;  // control name of the button that writes it
    std::string_view file;    // path below src/data
};

// Every button with a built-in rule set, the eight of the software-blocking page first, in the
// order the page shows them, then the recommended firewall.
std::span<const FixedRuleSet> fixed_rule_sets();

// The script of a button's rule set: CR LF between lines, none after the last. Empty for a button
// that has no built-in rule set.
// Example: fixed_rule_set_script("按钮_44封迅雷") starts with "/ip firewall filter add chain=forward"
std::string_view fixed_rule_set_script(std::string_view button);

// The button's rule set as a generator result; a refusal only if the program was built without it.
Result generate_fixed_rule_set(std::string_view button);

}  // namespace vorlix
