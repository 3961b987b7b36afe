#include <gtest/gtest.h>

#include <optional>

#include "forms/press.hpp"
#include "generators/all_pages.hpp"
#include "generators/wan/LineList.hpp"
#include "generators/wan/LoadBalance.hpp"
#include "generators/wan/SplitRouting.hpp"
#include "generators/wan/VlanPppoe.hpp"
#include "generators/wan/VrrpPppoe.hpp"

namespace vorlix {
namespace {

TEST(LineList, AddChecksTheKeysInOrderAndAppendsOtherwise) {
    struct Case {
        std::string_view why;
        const LineListSpec& list;
        Rows before;
        LineInputs inputs;
        std::optional<std::string> message;  // none: the row is appended
    };
    const Rows fixed = {{"218.85.167.150/24", "218.85.150.1", "ether2"}};
    const Case cases[] = {
        {"an empty list takes anything", fixed_load_list(), {}, {"", "", "", ""}, std::nullopt},
        {"another address on another port, same gateway",
         fixed_load_list(),
         fixed,
         {"218.85.167.151", "24", "218.85.150.1", "ether3"},
         std::nullopt},
        {"the address alone is the key, not the prefix",
         fixed_load_list(),
         fixed,
         {"218.85.167.150", "29", "1.1.1.1", "ether3"},
         "IP地址: 218.85.167.150 已经被使用,不能重复添加!"},
        {"the port is the second key",
         fixed_load_list(),
         fixed,
         {"218.85.167.151", "24", "218.85.150.1", "ether2"},
         "外网网卡: ether2 已经被使用,不能重复添加!"},
        {"both keys collide: only the first is named",
         fixed_load_list(),
         fixed,
         {"218.85.167.150", "24", "218.85.150.1", "ether2"},
         "IP地址: 218.85.167.150 已经被使用,不能重复添加!"},
        // Row 1 collides on the port, row 2 on the address: every row is checked for the address first.
        {"first key over all rows before the second",
         fixed_split_list(),
         {{"1.1.1.1/24", "g", "ether3", "r"}, {"2.2.2.2/24", "g", "ether4", "r"}},
         {"2.2.2.2", "24", "g", "ether3", "r"},
         "IP地址: 2.2.2.2 已经被使用,不能重复添加!"},
        {"an empty account is taken once",
         pppoe_load_list(),
         {{"", "p", "ether2"}},
         {"", "q", "ether3"},
         "宽带账号:  已经被使用,不能重复添加!"},
        {"accounts compare exactly: case",
         pppoe_load_list(),
         {{"adsl", "p", "ether2"}},
         {"ADSL", "p", "ether3"},
         std::nullopt},
        {"accounts compare exactly: no trimming",
         pppoe_split_list(),
         {{"adsl", "p", "ether2", "r"}},
         {"adsl ", "p", "ether3", "r"},
         std::nullopt},
        {"the VLAN ID is the VLAN page's second key",
         vlan_pppoe_list(),
         {{"a", "p", "10"}},
         {"b", "p", "10"},
         "VLAN ID: 10 已经被使用,不能重复添加!"},
        {"the VRRP list has only the account as key", vrrp_pppoe_list(), {{"a", "p"}}, {"b", "p"}, std::nullopt},
        {"the VRRP account key", vrrp_pppoe_list(), {{"a", "p"}}, {"a", "q"}, "宽带账号: a 已经被使用,不能重复添加!"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        Rows rows = c.before;
        const std::optional<std::string> message = add_line(c.list, rows, c.inputs);
        EXPECT_EQ(message, c.message);
        Rows want = c.before;
        if (!c.message) want.push_back(line_from_inputs(c.list, c.inputs));
        EXPECT_EQ(rows, want);
    }
}

TEST(LineList, AddressCellIsJoinedAndSplitAtTheFirstSlash) {
    EXPECT_EQ(line_from_inputs(fixed_split_list(), {"10.0.0.2", "30", "10.0.0.1", "ether2", "192.168.1.0/24"}),
              (WanLine{"10.0.0.2/30", "10.0.0.1", "ether2", "192.168.1.0/24"}));
    struct Case {
        std::string_view why, cell, address, prefix;
    };
    const Case cases[] = {
        {"address and prefix", "10.0.0.2/30", "10.0.0.2", "30"},
        {"added with an empty prefix box", "10.0.0.2/", "10.0.0.2", ""},
        {"a second slash ends the prefix", "10.0.0.2/30/x", "10.0.0.2", "30"},
        {"no slash at all (a row from a form file)", "10.0.0.2", "10.0.0.2", ""},
        {"empty", "", "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_EQ(inputs_from_line(fixed_load_list(), {std::string(c.cell), "gw", "ether5"}),
                  (LineInputs{std::string(c.address), std::string(c.prefix), "gw", "ether5"}));
    }
    // Lists without an address cell give their cells back as they are.
    EXPECT_EQ(inputs_from_line(vlan_pppoe_list(), {"a/b", "p", "7"}), (LineInputs{"a/b", "p", "7"}));
}

TEST(LineList, ModifyAndDeleteActOnlyOnASelectedRow) {
    const Rows start = {{"a", "p", "ether2"}, {"b", "p", "ether3"}, {"c", "p", "ether4"}};
    for (const int none : {-1, 3, 99}) {
        SCOPED_TRACE(none);
        Rows rows = start;
        EXPECT_FALSE(modify_line(pppoe_load_list(), rows, none, {"x", "y", "z"}));
        EXPECT_FALSE(delete_line(rows, none));
        EXPECT_EQ(rows, start);
    }
    Rows rows = start;
    // Modify checks nothing, so it may repeat a key.
    EXPECT_TRUE(modify_line(pppoe_load_list(), rows, 2, {"a", "q", "ether2"}));
    EXPECT_EQ(rows[2], (WanLine{"a", "q", "ether2"}));
    EXPECT_TRUE(delete_line(rows, 0));
    EXPECT_EQ(rows, (Rows{{"b", "p", "ether3"}, {"a", "q", "ether2"}}));
}

Outcome press(std::string_view control, const Form& form) {
    const ButtonRef ref = registry().find(control);
    EXPECT_NE(ref.binding, nullptr) << control;
    EXPECT_EQ(ref.binding->kind, BindingKind::action);
    SeededRandom random(1);
    Env env{random, {2016, 3, 5, 7, 8, 9}, ""};
    return vorlix::press(*ref.page, form, control, env);
}

// Every list of the six pages, pressed as a user would: add on the defaults, add the same again, select
// the row. This also holds each list's inputs against its page: the rows have as many cells as the list
// has columns, and selecting a row gives back the very texts that filled it.
TEST(LineList, EveryPageListWorksThroughItsBindings) {
    const LineListSpec* lists[] = {&fixed_load_list(),  &fixed_split_list(), &pppoe_load_list(),
                                   &pppoe_split_list(), &vlan_pppoe_list(),  &vrrp_pppoe_list()};
    for (const LineListSpec* list : lists) {
        SCOPED_TRACE(list->list);
        const ButtonRef ref = registry().find(list->add_button);
        ASSERT_NE(ref.page, nullptr);
        const PageSpec& page = *ref.page->spec;
        const ControlSpec* control = page.find(list->list);
        ASSERT_NE(control, nullptr);
        Form form = Form::defaults(page);

        Outcome o = press(list->add_button, form);
        EXPECT_FALSE(o.message);
        ASSERT_EQ(o.updates.size(), 1u);
        EXPECT_EQ(o.updates[0].name, list->list);
        ASSERT_EQ(o.updates[0].value.rows.size(), 1u);
        EXPECT_EQ(o.updates[0].value.rows[0].size(), control->columns.size());
        EXPECT_EQ(o.updates[0].value.index, -1);  // adding selects nothing
        form.at(list->list) = o.updates[0].value;

        o = press(list->add_button, form);
        ASSERT_TRUE(o.message);
        EXPECT_EQ(o.message->text.rfind(list->keys[0].prefix, 0), 0u) << o.message->text;
        EXPECT_EQ(o.message->icon, kIconInformation);
        EXPECT_FALSE(o.message->caption);  // the default caption "信息："
        EXPECT_TRUE(o.updates.empty());

        EXPECT_TRUE(press(list->list, form).updates.empty());  // nothing selected
        form.at(list->list).index = 0;
        const Form defaults = Form::defaults(page);
        for (const std::string_view input : list->inputs) form.at(input).text = "changed";
        o = press(list->list, form);
        ASSERT_EQ(o.updates.size(), list->inputs.size());
        for (const ControlUpdate& u : o.updates) EXPECT_EQ(u.value.text, defaults.text(u.name)) << u.name;
        EXPECT_TRUE(form.unknown_reads().empty());
    }
}

TEST(LineList, SelectModifyAndDeleteThroughTheBindings) {
    const PageSpec& page = fixed_load_page_spec();
    Form form = Form::defaults(page);
    form.at("超级列表框_13").rows = {{"10.0.0.2/30", "10.0.0.1", "ether5"}, {"10.0.1.2/30", "10.0.1.1", "ether6"}};

    // Nothing selected: modify and delete do nothing and say nothing.
    for (const char* button : {"按钮_13修改账号", "按钮_13删除账号"}) {
        const Outcome o = press(button, form);
        EXPECT_FALSE(o.message || o.script || !o.updates.empty()) << button;
    }

    form.at("超级列表框_13").index = 0;
    Outcome o = press("超级列表框_13", form);
    ASSERT_EQ(o.updates.size(), 4u);
    EXPECT_EQ(o.updates[0].name, "编辑框_13配置IP");
    EXPECT_EQ(o.updates[0].value.text, "10.0.0.2");
    EXPECT_EQ(o.updates[1].name, "编辑框_13配置IP掩码");
    EXPECT_EQ(o.updates[1].value.text, "30");
    EXPECT_EQ(o.updates[3].name, "组合框_13配置网卡");
    EXPECT_EQ(o.updates[3].value.text, "ether5");

    form.at("编辑框_13配置IP掩码").text = "29";
    o = press("按钮_13修改账号", form);
    ASSERT_EQ(o.updates.size(), 1u);
    EXPECT_EQ(o.updates[0].value.rows[0], (WanLine{"218.85.167.150/29", "218.85.167.1", "ether2"}));
    EXPECT_EQ(o.updates[0].value.index, 0);  // the row stays selected

    o = press("按钮_13删除账号", form);
    ASSERT_EQ(o.updates.size(), 1u);
    EXPECT_EQ(o.updates[0].value.rows, (Rows{{"10.0.1.2/30", "10.0.1.1", "ether6"}}));
    EXPECT_EQ(o.updates[0].value.index, -1);
}

}  // namespace
}  // namespace vorlix
