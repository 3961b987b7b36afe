// Page 封关键字和域名: deny and allow lists of words matched in web requests.
#include <gtest/gtest.h>

#include "support/press.hpp"

namespace vorlix {
namespace {

using test::press;
using test::press_outcome;
using test::Sets;

constexpr std::string_view kDeny = "按钮_47封锁关键词", kAllow = "按钮_47允许关键词", kBox = "编辑框_47关键词";

Sets words(std::string_view box, Sets more = {}) {
    more.emplace_back(kBox, box);
    return more;
}

// One rule of a list: the keyword as it stands in the script (escaped, without quotes).
std::string rule(std::string_view escaped, std::string_view action, std::string_view clients = "") {
    return "/ip firewall filter add chain=forward " + std::string(clients) + "protocol=tcp dst-port=80 content=\"" +
           std::string(escaped) + "\" action=" + std::string(action) + " comment=\"" + std::string(escaped) +
           "\" disabled=no";
}

std::string closing(std::string_view clients = "") {
    return "/ip firewall filter add chain=forward " + std::string(clients) +
           "protocol=tcp dst-port=80 content=\"Host:\" action=drop comment=\"LanJieAll 80\" disabled=no";
}

TEST(KeywordBlocking, DenyAndAllowLists) {
    EXPECT_EQ(press(kDeny, words("POPO\r\nabc")),
              "/ip firewall filter add chain=forward protocol=tcp dst-port=80 content=\"POPO\" action=drop "
              "comment=\"POPO\" disabled=no\r\n"
              "/ip firewall filter add chain=forward protocol=tcp dst-port=80 content=\"abc\" action=drop "
              "comment=\"abc\" disabled=no");
    EXPECT_EQ(press(kAllow, words("POPO")), rule("POPO", "accept") + "\r\n" + closing());
    // The defaults: a Chinese word and a domain, escaped as the router stores them.
    EXPECT_EQ(press(kDeny), rule("\\D1\\B8\\C0\\D7", "drop") + "\r\n" + rule("POPO", "drop") + "\r\n" +
                                rule("www.example.com", "drop"));
}

TEST(KeywordBlocking, ClientRestrictionIsASourceAddress) {
    struct Case {
        std::string_view why;
        Sets sets;
        std::string_view clients;
    };
    const Case cases[] = {
        {"off", {{"编辑框_47ip段", "10.0.0.0"}}, ""},
        {"on", {{"选择框_47封锁ip", "1"}}, "src-address=192.168.0.0/24 "},
        {"one host",
         {{"选择框_47封锁ip", "1"}, {"编辑框_47ip段", "10.1.1.5"}, {"编辑框_47ip段掩码", "32"}},
         "src-address=10.1.1.5/32 "},
        {"a typed value that needs quotes",
         {{"选择框_47封锁ip", "1"}, {"编辑框_47ip段", "a b"}},
         "src-address=\"a b/24\" "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_EQ(press(kDeny, words("abc\r\nxyz", c.sets)),
                  rule("abc", "drop", c.clients) + "\r\n" + rule("xyz", "drop", c.clients));
        // The allow list's closing rule blocks the same clients only, not the whole LAN.
        EXPECT_EQ(press(kAllow, words("abc", c.sets)), rule("abc", "accept", c.clients) + "\r\n" + closing(c.clients));
    }
}

TEST(KeywordBlocking, LinesOfTheBox) {
    struct Case {
        std::string_view why, box;
        std::vector<std::string_view> escaped;  // the keywords written, in order
    };
    const Case cases[] = {
        {"a line end after the last", "abc\r\n", {"abc"}},
        {"empty and blank-only lines skipped", "abc\r\n\r\n   \r\nxyz", {"abc", "xyz"}},
        {"blanks inside and around a word stay", " a b", {"\\20a\\20b"}},
        {"duplicates stay", "abc\r\nabc", {"abc", "abc"}},
        {"quotes and dollars are escaped like any other byte", "a\"$?", {"a\\22\\24\\3F"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        std::string deny, allow;
        for (const std::string_view k : c.escaped) {
            deny += (deny.empty() ? "" : "\r\n") + rule(k, "drop");
            allow += rule(k, "accept") + "\r\n";
        }
        EXPECT_EQ(press(kDeny, words(c.box)), deny);
        EXPECT_EQ(press(kAllow, words(c.box)), allow + closing());
    }
}

TEST(KeywordBlocking, NoKeywordEmptiesThePaneAndAnEmptyBoxLeavesItAlone) {
    for (const std::string_view button : {kDeny, kAllow}) {
        SCOPED_TRACE(button);
        // An allow list without a word would block the whole web: nothing is written.
        EXPECT_EQ(press(button, words("\r\n \r\n")), "");
        const Outcome o = press_outcome(button, words(""));
        EXPECT_FALSE(o.script);
        EXPECT_FALSE(o.message);
    }
}

}  // namespace
}  // namespace vorlix
