#include <gtest/gtest.h>

#include <set>

#include "forms/navigation.hpp"
#include "forms/registry.hpp"

namespace vorlix {
namespace {

// Every page's buttons run on the page's defaults, read only controls the page has, and every
// control name is unique on its page.
TEST(Registry, EveryBindingRunsOnItsDefaults) {
    for (const PageEntry& page : registry().pages()) {
        SCOPED_TRACE(page.spec->caption);
        std::set<std::string> names;
        for (const ControlSpec& c : page.spec->controls) EXPECT_TRUE(names.insert(c.name).second) << c.name;
        for (const ButtonBinding& b : page.bindings) {
            SCOPED_TRACE(b.control);
            EXPECT_NE(page.spec->find(b.control), nullptr);
            const Form form = Form::defaults(*page.spec);
            SeededRandom random(7);
            Env env{random, {2016, 3, 5, 7, 8, 9}, ""};
            const Outcome o = b.run(form, env);
            EXPECT_TRUE(form.unknown_reads().empty()) << form.unknown_reads().front();
            if (b.kind == BindingKind::generate) {
                EXPECT_TRUE(o.script || o.message);
            }
        }
    }
}

TEST(Registry, PagesSitWhereTheTreeSendsThem) {
    const auto& items = tree_items();
    for (const PageEntry& page : registry().pages()) {
        if (!page.spec->window.empty()) continue;
        const auto& set = inner_tabs()[static_cast<std::size_t>(page.spec->outer)];
        ASSERT_LT(static_cast<std::size_t>(page.spec->inner), set.captions.size());
        EXPECT_EQ(set.captions[static_cast<std::size_t>(page.spec->inner)], page.spec->caption);
        EXPECT_EQ(registry().page_at(page.spec->outer, page.spec->inner), &page);
    }
    EXPECT_EQ(items[25].text, "限制(TCP/UDP连接数)");
    EXPECT_EQ(
        inner_tabs()[static_cast<std::size_t>(items[25].outer)].captions[static_cast<std::size_t>(items[25].inner)],
        "限制线程(TCP连接数)");
    EXPECT_EQ(items[33].outer, 6);
    EXPECT_EQ(items[33].inner, 0);
}

TEST(Form, SettingControlsAsAUserWould) {
    PageSpec page{.caption = "t",
                  .controls = {
                      drop_down("dd", "", {"a", "b"}, 0),
                      radio_button("r1", "1", true).in("g"),
                      radio_button("r2", "2", false).in("g"),
                      radio_button("r3", "3", true).in("other"),
                      check_box("c", "c", false),
                      line_list("list", {{"x", 10}, {"y", 10}}),
                      edit("e", "", "d"),
                      label("lab", "text"),
                  }};
    Form f = Form::defaults(page);
    EXPECT_EQ(f.text("e"), "d");
    EXPECT_EQ(f.text("dd"), "a");
    EXPECT_FALSE(set_control(page, f, "dd", "b"));
    EXPECT_EQ(f.index("dd"), 1);
    EXPECT_FALSE(set_control(page, f, "dd", "#0"));
    EXPECT_EQ(f.text("dd"), "a");
    EXPECT_TRUE(set_control(page, f, "dd", "c"));
    EXPECT_TRUE(set_control(page, f, "dd", "#2"));
    EXPECT_TRUE(set_control(page, f, "dd", "#x"));

    EXPECT_FALSE(set_control(page, f, "r2", "1"));
    EXPECT_FALSE(f.checked("r1"));
    EXPECT_TRUE(f.checked("r2"));
    EXPECT_TRUE(f.checked("r3"));  // another set
    EXPECT_TRUE(set_control(page, f, "c", "yes"));

    EXPECT_FALSE(add_row(page, f, "list", R"(["1","2"])"));
    EXPECT_TRUE(add_row(page, f, "list", R"(["1"])"));
    EXPECT_TRUE(add_row(page, f, "list", R"([1,2])"));
    EXPECT_EQ(f.rows("list"), (Rows{{"1", "2"}}));

    EXPECT_FALSE(apply_json(page, f, R"({"e": "x", "c": true, "list": [["a","b"],["c","d"]], "dd": "#1"})"));
    EXPECT_EQ(f.text("e"), "x");
    EXPECT_TRUE(f.checked("c"));
    EXPECT_EQ(f.rows("list").size(), 2u);
    EXPECT_EQ(f.index("dd"), 1);
    EXPECT_TRUE(apply_json(page, f, R"({"lab": "x"})"));  // a label is not an input
    EXPECT_TRUE(apply_json(page, f, R"([1])"));
    EXPECT_TRUE(apply_json(page, f, R"({"e": 1.5})"));
}

}  // namespace
}  // namespace vorlix
