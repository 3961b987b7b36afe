#include <gtest/gtest.h>

#include <set>
#include <string>

#include "forms/press.hpp"
#include "generators/firewall/BlockSoftware.hpp"
#include "generators/firewall/FixedRuleSets.hpp"
#include "generators/firewall/RecommendedFirewall.hpp"
#include "script/random.hpp"
#include "support/press.hpp"

namespace vorlix {
namespace {

TEST(BlockSoftware, EachButtonWritesItsRuleSetAndNothingElse) {
    const PageEntry page = block_software_page();
    std::set<std::string> bound;
    for (const Binding& b : page.bindings) {
        SCOPED_TRACE(b.control);
        EXPECT_EQ(b.kind, BindingKind::generate);
        EXPECT_TRUE(page.spec->find(b.control)) << "binding for a control the page lacks";
        bound.insert(b.control);
        const Outcome o = test::press_outcome(b.control);
        EXPECT_FALSE(o.message);
        EXPECT_TRUE(o.updates.empty());
        ASSERT_TRUE(o.script);
        EXPECT_EQ(*o.script, fixed_rule_set_script(b.control));
    }
    // Every button of the page, and only the eight rule sets of this page.
    std::set<std::string> buttons;
    for (const ControlSpec& c : page.spec->controls)
        if (c.kind == ControlKind::button) buttons.insert(c.name);
    EXPECT_EQ(bound, buttons);
    EXPECT_EQ(bound.size(), 8u);
    EXPECT_FALSE(bound.count(std::string(name::recommended_firewall)));
}

// The keyword page holds the button in its group "推荐防火墙(Firewall)脚本" and takes the binding from
// here; a page with that group and a box of its own stands in for it.
TEST(RecommendedFirewall, TheButtonWritesTheRuleSetWhateverThePageHolds) {
    static const PageSpec kPage{.caption = "test",
                                .controls = {
                                    multi_line_edit("编辑框_47关键词", "迅雷\r\nPOPO"),
                                    group_box("分组框_47推荐防火墙", "推荐防火墙(Firewall)脚本"),
                                    button(name::recommended_firewall, "5.X/6.X系列脚本生成").in("分组框_47推荐防火墙"),
                                }};
    const PageEntry page{&kPage, {recommended_firewall_binding()}};
    EXPECT_EQ(page.bindings[0].kind, BindingKind::generate);
    Form form = Form::defaults(kPage);
    SeededRandom random(1);
    Env env{random, {2016, 3, 5, 7, 8, 9}, {}};
    const Outcome o = press(page, form, name::recommended_firewall, env);
    ASSERT_TRUE(o.script);
    EXPECT_EQ(*o.script, fixed_rule_set_script(name::recommended_firewall));
    EXPECT_TRUE(o.script->starts_with("/ip firewall filter\r\nadd action=drop chain=input "));
    EXPECT_TRUE(form.unknown_reads().empty());
}

}  // namespace
}  // namespace vorlix
