#include <gtest/gtest.h>

#include <set>

#include "forms/checks.hpp"
#include "forms/control_kind.hpp"
#include "generators/all_pages.hpp"
#include "script/ipv4.hpp"

namespace vorlix {
namespace {

// Every page's buttons run on the page's defaults, read only controls the page has, and every
// control name is unique on its page.
TEST(Registry, EveryBindingRunsOnItsDefaults) {
    for (const PageEntry* entry : registry().entries()) {
        const PageEntry& page = *entry;
        SCOPED_TRACE(page.spec->caption);
        std::set<std::string> names;
        for (const ControlSpec& c : page.spec->controls) EXPECT_TRUE(names.insert(c.name).second) << c.name;
        for (const Binding& b : page.bindings) {
            SCOPED_TRACE(b.control);
            EXPECT_NE(page.spec->find(b.control), nullptr);
            const Form form = Form::defaults(*page.spec);
            SeededRandom random(7);
            Env env{random, {2016, 3, 5, 7, 8, 9}, ""};
            const Outcome o = b.run(form, env);
            EXPECT_TRUE(form.unknown_reads().empty()) << form.unknown_reads().front();
            // A batch whose box starts empty has nothing to write: its press changes nothing.
            static const std::set<std::string, std::less<>> kIdleOnDefaults = {"按钮_46生成脚本"};
            if (b.kind == BindingKind::generate && !kIdleOnDefaults.contains(b.control)) {
                EXPECT_TRUE(o.script || o.insertion || o.message || o.web_page);
            }
        }
    }
}

// The tree has one item per page that it names, level 1 for the first page of each outer tab, and
// each item selects its own page; pages only their tab reaches have none.
// A field whose default is an address, a network or a MAC address says so in its page table, so a
// typo there ("192.168.0.2544") draws a warning and the window gives the field the width it needs. A
// default that fits no type (a prefix such as "192.168.5", a list) is left as text, and so are the
// MAC fields of the MAC tools, which take more spellings than a router does and refuse the rest, and
// the PPPoE server's local address, which may as well name an address pool, and the VPN accounts'
// caller ID, which a PPTP or L2TP server compares with the client's address.
TEST(Registry, FieldsWhoseDefaultIsAnAddressAreTypedAsOne) {
    std::vector<const PageSpec*> pages;
    for (const PageEntry* entry : registry().entries()) pages.push_back(entry->spec);
    for (const PageEntry& entry : registry().windows()) pages.push_back(entry.spec);
    for (const PageSpec* page : pages) {
        SCOPED_TRACE(page->caption);
        for (const ControlSpec& c : page->controls) {
            if (c.kind != ControlKind::edit && c.kind != ControlKind::editable_combo) continue;
            static const std::set<std::string, std::less<>> kOwnChecks = {
                "编辑框_81修改为mac", "编辑框_81查询mac", "编辑框_21pppoe网关", "编辑框_51mac地址", "编辑框_52mac地址"};
            const std::string& d = c.text;
            if (d.empty() || kOwnChecks.contains(c.name)) continue;
            SCOPED_TRACE(c.name + " = " + d);
            if (parse_ipv4(d)) {
                EXPECT_TRUE(c.type == ValueType::ipv4 || c.type == ValueType::address_range);
            } else if (fits(ValueType::ipv4_net, d) || (fits(ValueType::address_range, d) && d.find('-') != d.npos)) {
                EXPECT_TRUE(c.type == ValueType::ipv4_net || c.type == ValueType::address_range);
            } else if (fits(ValueType::mac, d)) {
                EXPECT_EQ(c.type, ValueType::mac);
            }
        }
    }
}

TEST(Registry, PagesSitWhereTheTreeSendsThem) {
    const Registry& reg = registry();
    const std::vector<TreeItem>& items = reg.tree();
    ASSERT_EQ(items.size(), 43u);
    ASSERT_EQ(reg.areas().size(), kOuterTabs.size());
    for (const TreeItem& item : items) {
        const PageEntry* page = reg.page_at(item.outer, item.inner);
        ASSERT_NE(page, nullptr) << item.text;
        EXPECT_EQ(page->spec->tree_text(), item.text);
        EXPECT_EQ(item.level, item.inner == 0 ? 1 : 2) << item.text;
    }
    EXPECT_EQ(items[25].text, "限制(TCP/UDP连接数)");
    EXPECT_EQ(reg.page_at(items[25].outer, items[25].inner)->spec->caption, "限制线程(TCP连接数)");
    EXPECT_EQ(items[33].outer, 6);
    EXPECT_EQ(items[33].inner, 0);
    // 其他限速 and 44444 are reached by their tabs only.
    EXPECT_EQ(reg.areas()[3].pages.size(), 6u);
    EXPECT_EQ(items[22].text, "防火墙(Firewall)");
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
