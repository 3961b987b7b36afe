#include "generators/tools/MacTools.hpp"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "forms/press.hpp"
#include "script/text.hpp"
#include "support/press.hpp"
#include "tools/mac_address.hpp"
#include "tools/mac_vendor.hpp"

namespace vorlix {
namespace {

MacListFields list_defaults() {
    return {.fixed_prefix = true, .prefix_a = "E4", .prefix_b = "8D", .prefix_c = "8C", .colon = true, .count = "50"};
}

TEST(MacList, FixedPrefixDashCountTwo) {
    ScriptedRandom random({0x01, 0x0A, 0xFF, 0x100, 0x7F, 0x80});
    const Outcome o =
        test::press_outcome("按钮_81生成1", {{"单选框_81连接符2", "1"}, {"编辑框_81生成个数", "2"}}, &random);
    EXPECT_EQ(o.script, "E4-8D-8C-01-0A-FF\r\nE4-8D-8C-00-7F-80");
}

TEST(MacList, TypedPrefixIsWrittenUpperCase) {
    MacListFields f = list_defaults();
    f.prefix_a = "e4";
    f.prefix_b = "0a";
    f.count = "1";
    ScriptedRandom random({0xAB});
    EXPECT_EQ(generate_mac_list(f, random).script, "E4:0A:8C:AB:AB:AB");
}

TEST(MacList, AllRandomAddressesAreUnicastAndLocallyAdministered) {
    ScriptedRandom scripted({0xFF, 1, 2, 3, 4, 5, 0x01, 6, 7, 8, 9, 10});
    // The prefix boxes are not read without the fixed prefix.
    const Outcome o = test::press_outcome(
        "按钮_81生成1", {{"单选框_81固定mac1", "1"}, {"编辑框_81macA", "not read"}, {"编辑框_81生成个数", "2"}},
        &scripted);
    EXPECT_EQ(o.script, "FE:01:02:03:04:05\r\n02:06:07:08:09:0A");

    MacListFields f = list_defaults();
    f.fixed_prefix = false;
    f.count = "500";
    SeededRandom seeded(7);
    const Result r = generate_mac_list(f, seeded);
    const std::vector<std::string_view> lines = split_lines(r.script);
    ASSERT_EQ(lines.size(), 500u);
    for (const std::string_view line : lines) {
        const std::optional<MacAddress> mac = parse_mac(line);
        ASSERT_TRUE(mac) << line;
        ASSERT_EQ(line[2], ':') << line;
        EXPECT_EQ((*mac)[0] % 2, 0) << line;
        EXPECT_TRUE(is_locally_administered(*mac)) << line;
    }
}

TEST(MacList, CountIsReadByItsLeadingNumberWithinBounds) {
    struct Case {
        std::string_view count;
        std::size_t lines;  // 0: refused
    };
    const Case cases[] = {
        {"1", 1},   {"7x", 7},    {"10000", 10000},
        {"0", 0},   {"-3", 0},    {"", 0},
        {"abc", 0}, {"10001", 0}, {"99999999999999999999", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.count);
        MacListFields f = list_defaults();
        f.count = std::string(c.count);
        SeededRandom random(1);
        const Result r = generate_mac_list(f, random);
        if (c.lines == 0) {
            ASSERT_TRUE(r.refusal);
            EXPECT_EQ(r.refusal->text, "生成个数须在1到10000之间!");
            EXPECT_EQ(r.refusal->focus, "编辑框_81生成个数");
            EXPECT_EQ(r.script, "");
        } else {
            ASSERT_FALSE(r.refusal);
            EXPECT_EQ(split_lines(r.script).size(), c.lines);
            EXPECT_FALSE(r.script.ends_with("\r\n"));
        }
    }
}

TEST(MacList, PrefixByteMustBeTwoHexDigits) {
    struct Case {
        std::string_view why, a, b, c, focus;
    };
    const Case cases[] = {
        {"one digit", "E", "8D", "8C", "编辑框_81macA"},
        {"not hexadecimal", "E4", "8G", "8C", "编辑框_81macB"},
        {"three digits", "E4", "8D", "8C0", "编辑框_81macC"},
        {"empty", "E4", "", "8C", "编辑框_81macB"},
        {"a separator typed into the box", "E4:", "8D", "8C", "编辑框_81macA"},
        {"the first bad box is named", "x", "y", "z", "编辑框_81macA"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        MacListFields f = list_defaults();
        f.prefix_a = std::string(c.a);
        f.prefix_b = std::string(c.b);
        f.prefix_c = std::string(c.c);
        ScriptedRandom random({0});
        const Result r = generate_mac_list(f, random);
        ASSERT_TRUE(r.refusal);
        EXPECT_EQ(r.refusal->focus, c.focus);
        EXPECT_NE(r.refusal->text.find("两位十六进制"), std::string::npos);
    }
}

TEST(MacChange, NormalisedAddressOnTheTypedInterface) {
    struct Case {
        std::string_view why, interface, mac, want;
    };
    const Case cases[] = {
        {"dashes and lower case", "ether2", "e4-8d-8c-0a-0b-0c",
         "/interface ethernet set ether2 mac-address=E4:8D:8C:0A:0B:0C"},
        {"no separators", "ether12", "E48D8C0A0B0C", "/interface ethernet set ether12 mac-address=E4:8D:8C:0A:0B:0C"},
        {"an interface name with a blank is found by name", "my wan", "E48D8C0A0B0C",
         "/interface ethernet set [find name=\"my wan\"] mac-address=E4:8D:8C:0A:0B:0C"},
        {"a hostile interface name stays inside its string", "a\"b$c?", "E48D8C0A0B0C",
         "/interface ethernet set [find name=\"a\\\"b\\$c\\?\"] mac-address=E4:8D:8C:0A:0B:0C"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        const Result r = generate_mac_change({std::string(c.interface), std::string(c.mac)});
        ASSERT_FALSE(r.refusal);
        EXPECT_EQ(r.script, c.want);
    }
}

TEST(MacChange, Defaults) {
    EXPECT_EQ(test::press("按钮_81生成"), "/interface ethernet set ether1 mac-address=00:00:00:00:00:00");
}

TEST(MacChange, RefusesWhatTheRouterWouldNotTake) {
    Result r = generate_mac_change({"ether1", "00:00:00:00:00"});
    ASSERT_TRUE(r.refusal);
    EXPECT_EQ(r.refusal->focus, "编辑框_81修改为mac");
    EXPECT_NE(r.refusal->text.find("12位十六进制"), std::string::npos);
    EXPECT_TRUE(generate_mac_change({"ether1", "00:00:00:00:00:0G"}).refusal);
    EXPECT_TRUE(generate_mac_change({"ether1", "mac-address=00:00:00:00:00:00"}).refusal);

    r = generate_mac_change({"", "00:00:00:00:00:00"});
    ASSERT_TRUE(r.refusal);
    EXPECT_EQ(r.refusal->text, "请输入要修改的网卡名称!");
    EXPECT_EQ(r.refusal->focus, "组合框_81网卡接口");
}

// A group address (first byte odd) is never an interface's own; the next address up is a plain one.
TEST(MacChange, RefusesGroupAddresses) {
    for (const std::string_view mac : {"01:00:5E:00:00:01", "FF-FF-FF-FF-FF-FF", "33:33:00:00:00:01"}) {
        SCOPED_TRACE(mac);
        const Result r = generate_mac_change({"ether1", std::string(mac)});
        ASSERT_TRUE(r.refusal);
        EXPECT_EQ(r.refusal->focus, "编辑框_81修改为mac");
        EXPECT_NE(r.refusal->text.find("组播地址"), std::string::npos);
    }
    EXPECT_EQ(generate_mac_change({"ether1", "02:00:5E:00:00:01"}).script,
              "/interface ethernet set ether1 mac-address=02:00:5E:00:00:01");
}

// A press of 查询 with the typed address, reading the registry at `place`.
Outcome look_up(std::string_view mac, const std::string& place) {
    const ButtonRef ref = registry().find("按钮_81查询");
    Form form = Form::defaults(*ref.page->spec);
    form.at("编辑框_81查询mac").text = std::string(mac);
    SeededRandom random(1);
    Env env{random, {2016, 3, 5, 7, 8, 9}, "", place};
    return press(*ref.page, form, "按钮_81查询", env);
}

std::string label_text(const Outcome& o, std::string_view name) {
    for (const ControlUpdate& u : o.updates)
        if (u.name == name) return u.value.text;
    return "<not updated>";
}

TEST(MacLookup, FillsTheThreeLabels) {
    const std::string registry = std::string(VORLIX_FIXTURE_DIR) + "/ieee-data";
    Outcome o = look_up("00-01-6c-06-a6-29", registry);
    EXPECT_FALSE(o.message);
    EXPECT_FALSE(o.script);
    EXPECT_EQ(label_text(o, "标签_81mac"), "00:01:6C:06:A6:29");
    EXPECT_EQ(label_text(o, "标签_81厂商"), "Sample Foundry Co.");
    EXPECT_EQ(label_text(o, "标签_81厂址"), "105 Sample St. Brea CA US 92821");

    o = look_up("6A:3F:C2:71:9E:B4", registry);
    EXPECT_EQ(label_text(o, "标签_81厂商"), kLocalAddress);
    EXPECT_EQ(label_text(o, "标签_81厂址"), "");

    // A registry the user named that does not exist: Debian's places are tried next, and where none
    // holds one either, the labels say what to install.
    o = look_up("00:01:6C:06:A6:29", registry + "/missing");
    EXPECT_EQ(label_text(o, "标签_81mac"), "00:01:6C:06:A6:29");
    EXPECT_FALSE(label_text(o, "标签_81厂商").empty());

    o = look_up("00:01:6C:06:A6", registry);
    ASSERT_TRUE(o.message);
    EXPECT_EQ(o.message->focus, "编辑框_81查询mac");
    EXPECT_NE(o.message->text.find("12位十六进制"), std::string::npos);
    EXPECT_TRUE(o.updates.empty());
}

}  // namespace
}  // namespace vorlix
