#include "generators/firewall/RecommendedFirewall.hpp"

#include "generators/firewall/FixedRuleSets.hpp"

namespace vorlix {
namespace name {
namespace {
constexpr std::string_view firewall_group = "分组框471", firewall_note = "标签471";
}  // namespace
}  // namespace name

namespace {

Outcome run_recommended_firewall(const Form&, Env&) {
    return Outcome::from(generate_fixed_rule_set(name::recommended_firewall));
}

}  // namespace

std::vector<ControlSpec> recommended_firewall_controls() {
    std::vector<ControlSpec> controls;
    controls.push_back(group_box(name::firewall_group, "推荐防火墙(Firewall)脚本"));
    controls.push_back(
        label(name::firewall_note,
              "此脚本包含众多的放火墙策略，屏蔽病毒端口，限制单机连接数，屏蔽木马后门，压制DOS攻击等等。")
            .in(name::firewall_group));
    controls.push_back(button(name::recommended_firewall, "5.X/6.X系列脚本生成").in(name::firewall_group));
    return controls;
}

Binding recommended_firewall_binding() {
    return {name::recommended_firewall, run_recommended_firewall};
}

}  // namespace vorlix
