#include "generators/tools/ChineseSsid.hpp"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "support/press.hpp"

namespace vorlix {
namespace {

std::string repeat(std::string_view s, int n) {
    std::string out;
    for (int i = 0; i < n; ++i) out += s;
    return out;
}

TEST(ChineseSsid, Defaults) {
    EXPECT_EQ(test::press("按钮_82生成"),
              R"(/interface wireless set wlan1 ssid="\E6\97\A0\E7\BA\BF\E7\BD\91\E7\BB\9C")");
}

TEST(ChineseSsid, NameAsEscapedUtf8Bytes) {
    struct Case {
        std::string_view why;
        std::string interface, name, want;
    };
    const Case cases[] = {
        {"defaults", "wlan1", "无线网络",
         R"(/interface wireless set wlan1 ssid="\E6\97\A0\E7\BA\BF\E7\BD\91\E7\BB\9C")"},
        {"letters, digits and minus stay", "wlan1", "Office-1", R"(/interface wireless set wlan1 ssid="Office-1")"},
        {"a blank is escaped", "wlan1", "my wifi", R"(/interface wireless set wlan1 ssid="my\20wifi")"},
        {"two characters", "wlan2", "咖啡", R"(/interface wireless set wlan2 ssid="\E5\92\96\E5\95\A1")"},
        {"quote, dollar and question mark cannot break the string", "wlan1", "a\"b$c?",
         R"(/interface wireless set wlan1 ssid="a\22b\24c\3F")"},
        {"an interface name with a blank is found by name", "my wlan", "a",
         R"(/interface wireless set [find name="my wlan"] ssid="a")"},
        {"ten CJK characters are 30 bytes", "wlan1", repeat("网", 10),
         "/interface wireless set wlan1 ssid=\"" + repeat(R"(\E7\BD\91)", 10) + "\""},
        {"32 bytes exactly", "wlan1", repeat("a", 32),
         "/interface wireless set wlan1 ssid=\"" + repeat("a", 32) + "\""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        const Result r = generate_chinese_ssid({c.interface, c.name});
        ASSERT_FALSE(r.refusal) << r.refusal->text;
        EXPECT_EQ(r.script, c.want);
    }
}

TEST(ChineseSsid, Refusals) {
    struct Case {
        std::string_view why;
        std::string interface, name;
        std::string_view message, focus;
    };
    const Case cases[] = {
        {"empty name", "wlan1", "", "请输入要修改的中文名!", "编辑框_82中文名"},
        {"eleven CJK characters are 33 bytes", "wlan1", repeat("网", 11), "SSID最长32字节,当前33字节",
         "编辑框_82中文名"},
        {"33 ASCII bytes", "wlan1", repeat("a", 33), "SSID最长32字节,当前33字节", "编辑框_82中文名"},
        {"bytes that are not UTF-8 (GBK of 中文)", "wlan1", "\xD6\xD0\xCE\xC4", "中文名无法转换为UTF-8编码,请重新输入!",
         "编辑框_82中文名"},
        {"empty interface", "", "无线网络", "请输入要修改的无线网卡接口!", "编辑框_82无线接口名"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        const Result r = generate_chinese_ssid({c.interface, c.name});
        ASSERT_TRUE(r.refusal);
        EXPECT_EQ(r.refusal->text, c.message);
        EXPECT_EQ(r.refusal->focus, c.focus);
        EXPECT_EQ(r.refusal->icon, kIconInformation);
        EXPECT_EQ(r.script, "");
    }
}

}  // namespace
}  // namespace vorlix
