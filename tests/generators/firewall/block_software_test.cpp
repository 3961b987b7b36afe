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

// The recommended firewall's group, placed on a page of its own as the keyword page places it.
TEST(RecommendedFirewall, ItsGroupAndBindingWorkOnAnyPage) {
    static const PageSpec kPage{.caption = "test", .controls = recommended_firewall_controls()};
    const PageEntry page{&kPage, {recommended_firewall_binding()}};
    const ControlSpec* b = kPage.find(name::recommended_firewall);
    ASSERT_TRUE(b);
    EXPECT_EQ(b->kind, ControlKind::button);
    ASSERT_TRUE(kPage.find(b->group));
    EXPECT_EQ(kPage.find(b->group)->text, "推荐防火墙(Firewall)脚本");

    Form form = Form::defaults(kPage);
    SeededRandom random(1);
    Env env{random, {2016, 3, 5, 7, 8, 9}, {}};
    const Outcome o = press(page, form, name::recommended_firewall, env);
    ASSERT_TRUE(o.script);
    EXPECT_EQ(*o.script, fixed_rule_set_script(name::recommended_firewall));
    EXPECT_TRUE(o.script->starts_with("/ip firewall filter\r\nadd action=drop chain=input "));
}

}  // namespace
}  // namespace vorlix
