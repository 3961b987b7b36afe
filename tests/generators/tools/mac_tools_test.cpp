#include "generators/tools/MacTools.hpp"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "script/text.hpp"
#include "tools/mac_address.hpp"

namespace vorlix {
namespace {

MacListFields list_defaults() {
    return {.fixed_prefix = true, .prefix_a = "E4", .prefix_b = "8D", .prefix_c = "8C", .colon = true, .count = "50"};
}

TEST(MacList, FixedPrefixDashCountTwo) {
    MacListFields f = list_defaults();
    f.colon = false;
    f.count = "2";
    ScriptedRandom random({0x01, 0x0A, 0xFF, 0x100, 0x7F, 0x80});
    EXPECT_EQ(generate_mac_list(f, random).script, "E4-8D-8C-01-0A-FF\r\nE4-8D-8C-00-7F-80");
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
    MacListFields f = list_defaults();
    f.fixed_prefix = false;
    f.prefix_a = "not read";  // the prefix boxes do not matter without the fixed prefix
    f.count = "2";
    ScriptedRandom scripted({0xFF, 1, 2, 3, 4, 5, 0x01, 6, 7, 8, 9, 10});
    EXPECT_EQ(generate_mac_list(f, scripted).script, "FE:01:02:03:04:05\r\n02:06:07:08:09:0A");

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
        {"defaults", "ether1", "00:00:00:00:00:00", "/interface ethernet set ether1 mac-address=00:00:00:00:00:00"},
        {"dashes and lower case", "ether2", "e4-8d-8c-0a-0b-0c",
         "/interface ethernet set ether2 mac-address=E4:8D:8C:0A:0B:0C"},
        {"no separators", "ether12", "E48D8C0A0B0C", "/interface ethernet set ether12 mac-address=E4:8D:8C:0A:0B:0C"},
        {"an interface name with a blank is quoted", "my wan", "E48D8C0A0B0C",
         "/interface ethernet set \"my wan\" mac-address=E4:8D:8C:0A:0B:0C"},
        {"a hostile interface name stays one argument", "a\"b$c?", "E48D8C0A0B0C",
         "/interface ethernet set \"a\\\"b\\$c\\?\" mac-address=E4:8D:8C:0A:0B:0C"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        const Result r = generate_mac_change({std::string(c.interface), std::string(c.mac)});
        ASSERT_FALSE(r.refusal);
        EXPECT_EQ(r.script, c.want);
    }
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

}  // namespace
}  // namespace vorlix
