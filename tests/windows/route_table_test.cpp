#include <gtest/gtest.h>

#include "forms/press.hpp"
#include "generators/all_pages.hpp"
#include "script/isp_lists.hpp"
#include "script/text.hpp"
#include "windows/core/RouteTable.hpp"

namespace vorlix {
namespace {

using Sets = std::vector<std::pair<std::string, std::string>>;

const PageEntry& window() {
    const PageEntry* w = registry().window(kRouteTableWindow);
    EXPECT_NE(w, nullptr);
    return *w;
}

// The window after the given clicks and typing: a radio set to 1 is clicked, so the window's own
// reaction to that click (if any) follows, as it does on screen.
Form form_after(const Sets& sets) {
    const PageEntry& w = window();
    Form form = Form::defaults(*w.spec);
    SeededRandom random(1);
    Env env{random, {2016, 3, 5, 7, 8, 9}, ""};
    FormInput input;
    input.sets = sets;
    EXPECT_FALSE(fill(w, form, input, env));
    return form;
}

Outcome press(const std::string& button, const Sets& sets = {}) {
    const Form form = form_after(sets);
    SeededRandom random(1);
    Env env{random, {2016, 3, 5, 7, 8, 9}, ""};
    return vorlix::press(window(), form, button, env);
}

std::vector<std::string> lines_of(const Outcome& o) {
    EXPECT_TRUE(o.script) << (o.message ? o.message->text : "");
    std::vector<std::string> out;
    if (o.script)
        for (const std::string_view l : split_lines(*o.script)) out.emplace_back(l);
    return out;
}

// The first telecom network. (A function: the built-in data is not ready while statics start up.)
std::string first_telecom() {
    return std::string(isp_list_entries(IspList::telecom).front());
}

TEST(RouteTable, TheModeRadiosDecideWhateverButtonIsPressed) {
    const std::string kFirst = first_telecom();
    struct Case {
        std::string_view why;
        Sets sets;
        std::string header, first;
    };
    const Case cases[] = {
        {"routes",
         {{"编辑框_2", "10.0.0.1"}},
         "/ip route",
         "add dst-address=" + kFirst + " gateway=10.0.0.1 type=unicast scope=30 disabled=no"},
        {"rules",
         {{"单选框_rule", "1"}, {"编辑框_26", "main"}},
         "/ip route rule",
         "add dst-address=" + kFirst + " action=lookup table=main disabled=no"},
        {"address list",
         {{"单选框_address", "1"}},
         "/ip firewall address-list",
         "add address=" + kFirst + " disabled=no list=novpn"},
    };
    const std::size_t entries = isp_list_entries(IspList::telecom).size();
    for (const Case& c : cases) {
        for (const char* button : {"按钮_生成1", "按钮_生成2", "按钮_生成3"}) {
            SCOPED_TRACE(std::string(c.why) + " " + button);
            const Outcome o = press(button, c.sets);
            const std::vector<std::string> l = lines_of(o);
            ASSERT_EQ(l.size(), entries + 1);
            EXPECT_EQ(l[0], c.header);
            EXPECT_EQ(l[1], c.first);
            EXPECT_FALSE(o.script->ends_with("\r\n"));
        }
    }
}

TEST(RouteTable, OnlyTheActiveModesRequiredFieldIsChecked) {
    struct Case {
        std::string_view why;
        Sets sets;
        std::string_view text;
        int icon;
        std::string_view focus;
    };
    const Case cases[] = {
        {"route without gateway", {}, "请填写网关地址!", kIconInformation, "编辑框_2"},
        {"rule without table", {{"单选框_rule", "1"}}, "请填写必填参数 : table !", 0, "编辑框_26"},
        {"address list without name",
         {{"单选框_address", "1"}, {"编辑框_31", ""}},
         "请填写必填参数 : name !",
         0,
         "编辑框_31"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        const Outcome o = press("按钮_生成1", c.sets);
        EXPECT_FALSE(o.script);
        ASSERT_TRUE(o.message);
        EXPECT_EQ(o.message->text, c.text);
        EXPECT_EQ(o.message->icon, c.icon);
        EXPECT_FALSE(o.message->caption);
        EXPECT_EQ(o.message->focus, c.focus);
    }
    // The other modes' required fields do not matter, and a blank is not empty.
    EXPECT_TRUE(press("按钮_生成1", {{"编辑框_2", " "}, {"编辑框_31", ""}}).script);
    EXPECT_TRUE(press("按钮_生成1", {{"单选框_address", "1"}, {"编辑框_26", ""}, {"编辑框_2", ""}}).script);
}

TEST(RouteTable, OptionalParametersAppearOnlyWhenFilledIn) {
    const std::string kFirst = first_telecom();
    struct Case {
        std::string_view why;
        Sets sets;
        std::string line;  // the first line after the header
    };
    const Case cases[] = {
        {"every route parameter",
         {{"编辑框_2", "10.0.0.1"},
          {"组合框_3", "ping"},
          {"组合框_4", "blackhole"},
          {"编辑框_5", "2"},
          {"编辑框_6", "20"},
          {"编辑框_7", "10"},
          {"编辑框_8", "to-wan2"},
          {"编辑框_9", "192.168.0.1"}},
         "add dst-address=" + kFirst +
             " gateway=10.0.0.1 check-gateway=ping type=blackhole distance=2 scope=20 target-scope=10 "
             "routing-mark=to-wan2 pref-src=192.168.0.1 disabled=no"},
        {"no type selected, and an emptied scope is still written",
         {{"编辑框_2", "10.0.0.1"}, {"组合框_4", "#-1"}, {"编辑框_6", ""}},
         "add dst-address=" + kFirst + " gateway=10.0.0.1 scope=\"\" disabled=no"},
        {"every rule parameter; the action item's caption becomes RouterOS's keyword",
         {{"单选框_rule", "1"},
          {"编辑框_21", "192.168.1.0/24"},
          {"编辑框_23", "m1"},
          {"编辑框_24", "ether2"},
          {"组合框_25", "lookup only in table"},
          {"编辑框_26", "t1"}},
         "add src-address=192.168.1.0/24 dst-address=" + kFirst +
             " routing-mark=m1 interface=ether2 action=lookup-only-in-table table=t1 disabled=no"},
        {"address-list timeout",
         {{"单选框_address", "1"}, {"编辑框_33", "1d00:00:00"}, {"编辑框_31", "cn"}},
         "add address=" + kFirst + " timeout=1d00:00:00 disabled=no list=cn"},
        {"typed values that RouterOS would misread are quoted",
         {{"单选框_address", "1"}, {"编辑框_33", "1 d"}, {"编辑框_31", "my$list"}},
         "add address=" + kFirst + " timeout=\"1 d\" disabled=no list=\"my\\$list\""},
        {"the route page's fields are not read for rules",
         {{"单选框_rule", "1"}, {"编辑框_26", "t"}, {"编辑框_8", "ignored"}, {"编辑框_2", "ignored"}},
         "add dst-address=" + kFirst + " action=lookup table=t disabled=no"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        const std::vector<std::string> l = lines_of(press("按钮_生成2", c.sets));
        ASSERT_GE(l.size(), 2u);
        EXPECT_EQ(l[1], c.line);
    }
    EXPECT_EQ(scope_after_edit(""), "30");
    EXPECT_EQ(scope_after_edit(" "), " ");
}

TEST(RouteTable, TheFirstCheckedCarrierChoosesTheList) {
    const std::pair<const char*, IspList> carriers[] = {
        {"单选框_电信", IspList::telecom},  {"单选框_联通", IspList::unicom},     {"单选框_移动", IspList::mobile},
        {"单选框_网通", IspList::netcom},   {"单选框_铁通", IspList::tietong},    {"单选框_长宽", IspList::greatwall},
        {"单选框_教育网", IspList::cernet}, {"单选框_qqip", IspList::qq_servers}, {"单选框_中国ip", IspList::all_china},
    };
    for (const auto& [radio, list] : carriers) {
        SCOPED_TRACE(radio);
        // The list button shows the text exactly as stored (the Great Wall list keeps its final CR LF).
        EXPECT_EQ(press("按钮_生成", {{radio, "1"}}).script, isp_list_text(list));
        const std::vector<std::string> l = lines_of(press("按钮_生成1", {{radio, "1"}, {"单选框_address", "1"}}));
        const std::vector<std::string_view> entries = isp_list_entries(list);
        ASSERT_EQ(l.size(), entries.size() + 1);
        EXPECT_EQ(l.back(), "add address=" + std::string(entries.back()) + " disabled=no list=novpn");
    }
    // With no carrier checked at all, the whole of China is used.
    EXPECT_EQ(press("按钮_生成", {{"单选框_电信", "0"}}).script, isp_list_text(IspList::all_china));
}

TEST(RouteTable, ChoosingAllOfChinaSwitchesToAddressListsUntilAModeIsClicked) {
    Form f = form_after({{"单选框_rule", "1"}, {"单选框_中国ip", "1"}});
    EXPECT_FALSE(f.checked("单选框_route"));
    EXPECT_FALSE(f.checked("单选框_rule"));
    EXPECT_TRUE(f.checked("单选框_address"));

    // Another carrier afterwards keeps the address mode...
    std::vector<std::string> l =
        lines_of(press("按钮_生成1", {{"编辑框_2", "10.0.0.1"}, {"单选框_中国ip", "1"}, {"单选框_长宽", "1"}}));
    ASSERT_GE(l.size(), 2u);
    EXPECT_EQ(l[0], "/ip firewall address-list");
    EXPECT_EQ(l[1],
              "add address=" + std::string(isp_list_entries(IspList::greatwall).front()) + " disabled=no list=novpn");
    // ...until a mode radio is clicked.
    l = lines_of(press("按钮_生成1", {{"编辑框_2", "10.0.0.1"}, {"单选框_中国ip", "1"}, {"单选框_route", "1"}}));
    ASSERT_GE(l.size(), 2u);
    EXPECT_EQ(l[0], "/ip route");
    EXPECT_EQ(l[1], "add dst-address=" + std::string(isp_list_entries(IspList::all_china).front()) +
                        " gateway=10.0.0.1 type=unicast scope=30 disabled=no");
}

}  // namespace
}  // namespace vorlix
