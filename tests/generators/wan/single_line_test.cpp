#include <gtest/gtest.h>

#include "generators/all_pages.hpp"
#include "generators/wan/SingleLinePppoe.hpp"
#include "generators/wan/SingleLineStatic.hpp"
#include "support/press.hpp"

namespace vorlix {
namespace {

using test::press;
using test::Sets;

// The n-th line (from 0) of a script.
std::string line_of(const std::string& script, int n) {
    std::size_t begin = 0;
    for (int i = 0; i < n; ++i) begin = script.find("\r\n", begin) + 2;
    return script.substr(begin, script.find("\r\n", begin) - begin);
}

TEST(SingleLine, DefaultsGiveTheWholeSetUp) {
    EXPECT_EQ(press("按钮_11生成"),
              "/ip address add address=192.168.0.254/24 interface=ether2 comment=\"default\\20gateway\"\r\n"
              "/ip address add address=218.85.141.122/29 interface=ether1 comment=\"Wan\\20Ip\"\r\n"
              "/ip route add gateway=218.85.141.121\r\n"
              "/ip firewall nat add chain=srcnat action=masquerade src-address=192.168.0.0/24\r\n"
              "/ip firewall mangle add chain=forward protocol=tcp tcp-flags=syn action=change-mss new-mss=1440\r\n"
              "/ip dns set allow-remote-requests=yes cache-size=2048KiB max-udp-packet-size=512 "
              "servers=218.85.152.99,218.85.157.99");
    EXPECT_EQ(press("按钮_12生成"),
              "/ip address add address=192.168.0.254/24 interface=ether2 comment=\"default\\20gateway\"\r\n"
              "/interface pppoe-client add name=pppoe-out1 interface=ether1 user=059112345678 password=123456 "
              "add-default-route=yes disabled=no\r\n"
              "/ip firewall nat add chain=srcnat action=masquerade src-address=192.168.0.0/24\r\n"
              "/ip firewall mangle add chain=forward protocol=tcp tcp-flags=syn action=change-mss new-mss=1440\r\n"
              "/ip dns set allow-remote-requests=yes cache-size=2048 max-udp-packet-size=512 "
              "servers=218.85.152.99,218.85.157.99");
}

// The sample gateway lies on the line's network; a typed one that does not, or an address that is the
// network's own, still gives the script, with a warning that says what the router will not accept.
TEST(SingleLine, AGatewayOffTheLinesNetworkIsReported) {
    EXPECT_FALSE(test::press_outcome("按钮_11生成").message);
    struct Case {
        std::string_view why;
        test::Sets sets;
        std::string_view warning;
    };
    const Case cases[] = {
        {"the old sample",
         {{"编辑框_11外网IP", "218.85.141.120"}, {"编辑框_11外网网关", "218.85.140.100"}},
         "外网: 218.85.141.120/29 是网段的网络地址,不能作为主机地址"},
        {"gateway on another network",
         {{"编辑框_11外网网关", "218.85.140.100"}},
         "外网: 网关 218.85.140.100 不在 218.85.141.122/29 的网段内"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        const Outcome o = test::press_outcome("按钮_11生成", c.sets);
        ASSERT_TRUE(o.script);
        ASSERT_TRUE(o.message);
        EXPECT_EQ(o.message->icon, kIconWarning);
        EXPECT_TRUE(o.message->text.ends_with(c.warning)) << o.message->text;
    }
}

TEST(SingleLine, DnsServersFromEitherBox) {
    struct Case {
        std::string_view why, dns1, dns2, want;
    };
    const Case cases[] = {
        {"second only, no comma", "", "8.8.8.8", "servers=8.8.8.8"},
        {"first only", "1.1.1.1", "", "servers=1.1.1.1"},
        // An empty typed value is written as "", so that no line ends in a bare "servers=".
        {"both empty", "", "", "servers=\"\""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        const std::string fixed = press(
            "按钮_11生成", {{"编辑框_11首选DNS", std::string(c.dns1)}, {"编辑框_11备用DNS", std::string(c.dns2)}});
        EXPECT_TRUE(line_of(fixed, 5).ends_with(c.want)) << fixed;
        const std::string pppoe = press(
            "按钮_12生成", {{"编辑框_12首选DNS", std::string(c.dns1)}, {"编辑框_12备用DNS", std::string(c.dns2)}});
        EXPECT_TRUE(line_of(pppoe, 4).ends_with(c.want)) << pppoe;
    }
}

TEST(SingleLine, TypedValuesStayBareUnlessTheyWouldBreakTheLine) {
    struct Case {
        std::string_view why;
        Sets sets;
        int line;
        std::string_view want;
    };
    const Case cases[] = {
        {"Chinese comment is escaped",
         {{"编辑框_11内网备注", "内网"}},
         0,
         "/ip address add address=192.168.0.254/24 interface=ether2 comment=\"\\C4\\DA\\CD\\F8\""},
        {"empty comment",
         {{"编辑框_11外网备注", ""}},
         1,
         "/ip address add address=218.85.141.122/29 interface=ether1 comment=\"\""},
        {"interface with a blank is quoted whole",
         {{"组合框_11外网卡", "my wan"}},
         1,
         "/ip address add address=218.85.141.122/29 interface=\"my wan\" comment=\"Wan\\20Ip\""},
        {"address and mask are one value",
         {{"编辑框_11内网网段", "10.0.0.0 "}, {"编辑框_11内网网段掩码", "8"}},
         3,
         "/ip firewall nat add chain=srcnat action=masquerade src-address=\"10.0.0.0 /8\""},
        {"empty MSS",
         {{"编辑框_11MSS值", ""}},
         4,
         "/ip firewall mangle add chain=forward protocol=tcp tcp-flags=syn action=change-mss new-mss=\"\""},
        {"gateway with a question mark",
         {{"编辑框_11外网网关", "1.2.3.4?"}},
         2,
         "/ip route add gateway=\"1.2.3.4\\?\""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_EQ(line_of(press("按钮_11生成", c.sets), c.line), c.want);
    }
}

TEST(SingleLine, PppoeAccountAndPasswordAreBareOrQuotedWhole) {
    struct Case {
        std::string_view why, user, password, want;
    };
    const Case cases[] = {
        {"plain account", "user@isp", "abc123", "user=user@isp password=abc123"},
        {"blank in the password", "u", "my pass", "user=u password=\"my pass\""},
        {"dollar and quote", "a\"b", "pa$word", "user=\"a\\\"b\" password=\"pa\\$word\""},
        {"question mark", "x?y", "1", "user=\"x\\?y\" password=1"},
        {"Chinese account, as the escapes of its GBK bytes", "中文", "p", "user=\"\\D6\\D0\\CE\\C4\" password=p"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_EQ(line_of(press("按钮_12生成", {{"编辑框_12账号", std::string(c.user)},
                                                {"编辑框_12密码", std::string(c.password)},
                                                {"编辑框_12拨号标识", "wan 1"}}),
                          1),
                  "/interface pppoe-client add name=\"wan 1\" interface=ether1 " + std::string(c.want) +
                      " add-default-route=yes disabled=no");
    }
}

}  // namespace
}  // namespace vorlix
