#include <gtest/gtest.h>

#include "generators/all_pages.hpp"
#include "generators/wan/DualLineTelecomNetcom.hpp"
#include "script/isp_lists.hpp"
#include "script/text.hpp"
#include "support/press.hpp"

namespace vorlix {
namespace {

std::string lines(std::initializer_list<std::string_view> parts) {
    std::string out;
    for (const std::string_view p : parts) out.append(out.empty() ? "" : "\r\n").append(p);
    return out;
}

using test::press;

const std::string kDefaultSetup = lines({
    "/ip address add address=192.168.0.254/24 interface=ether4 comment=\"Lan\"",
    "/ip address add address=218.85.167.150/29 interface=ether1 comment=\"Tel\" disabled=no",
    "/ip address add address=210.13.218.83/29 interface=ether2 comment=\"Cnc\" disabled=no",
    "",
    "/ip firewall nat add chain=srcnat src-address=192.168.0.0/24 action=masquerade disabled=no",
    "/ip firewall nat add chain=dstnat src-address=192.168.0.0/24 protocol=udp dst-port=53 action=dst-nat "
    "to-addresses=192.168.0.254 to-ports=53 disabled=no",
    "/ip firewall mangle add chain=forward protocol=tcp tcp-flags=syn action=change-mss new-mss=1440",
    "",
    "/ip dns set allow-remote-requests=yes cache-size=2048 max-udp-packet-size=512 "
    "servers=218.85.152.99,218.104.128.106",
    "",
    "/ip firewall mangle",
    "add chain=prerouting in-interface=ether1 connection-state=new connection-mark=no-mark action=mark-connection "
    "new-connection-mark=Tel_conn",
    "add chain=prerouting in-interface=ether4 connection-mark=Tel_conn action=mark-routing new-routing-mark=Tel_route",
    "add chain=output connection-mark=Tel_conn action=mark-routing new-routing-mark=Tel_route",
    "add chain=prerouting in-interface=ether2 connection-state=new connection-mark=no-mark action=mark-connection "
    "new-connection-mark=Cnc_conn",
    "add chain=prerouting in-interface=ether4 connection-mark=Cnc_conn action=mark-routing new-routing-mark=Cnc_route",
    "add chain=output connection-mark=Cnc_conn action=mark-routing new-routing-mark=Cnc_route",
    "/ip route",
    "add dst-address=0.0.0.0/0 gateway=218.85.167.145 check-gateway=ping routing-mark=Tel_route comment=\"Tel\" "
    "disabled=no",
    "add dst-address=0.0.0.0/0 gateway=210.13.218.81 check-gateway=ping routing-mark=Cnc_route comment=\"Cnc\" "
    "disabled=no",
});
constexpr std::size_t kDnsLine = 8;

// Connections opened from outside are marked by the line they arrive on and answered by that line.
TEST(DualLine, SetupWithDefaults) {
    const Outcome o = test::press_outcome("按钮_17生成");
    EXPECT_EQ(o.script, kDefaultSetup);
    EXPECT_FALSE(o.message);  // the sample gateways lie on their lines' networks
}

TEST(DualLine, NetcomPrimaryOnlySwapsTheDnsServers) {
    const std::string script = press("按钮_17生成", {{"单选框_17网通", "1"}});
    const std::vector<std::string_view> netcom = split_lines(script);
    const std::vector<std::string_view> telecom = split_lines(kDefaultSetup);
    ASSERT_EQ(netcom.size(), telecom.size());
    for (std::size_t i = 0; i < netcom.size(); ++i)
        if (i != kDnsLine) EXPECT_EQ(netcom[i], telecom[i]) << i;
    EXPECT_EQ(netcom[kDnsLine],
              "/ip dns set allow-remote-requests=yes cache-size=2048 max-udp-packet-size=512 "
              "servers=218.104.128.106,218.85.152.99");
}

TEST(DualLine, GatewaysOutsideTheirNetworkAreReported) {
    const Outcome o = test::press_outcome(
        "按钮_17生成", {{"编辑框_17电信外网网关", "218.85.150.1"}, {"编辑框_17网通外网IP", "210.13.218.87"}});
    ASSERT_TRUE(o.script);
    ASSERT_TRUE(o.message);
    EXPECT_EQ(o.message->icon, kIconWarning);
    EXPECT_TRUE(
        o.message->text.ends_with("\n电信: 网关 218.85.150.1 不在 218.85.167.150/29 的网段内"
                                  "\n网通: 210.13.218.87/29 是网段的广播地址,不能作为主机地址"))
        << o.message->text;
}

TEST(DualLine, DnsServersNeverEndOrStartWithALoneComma) {
    struct Case {
        std::string_view why, telecom, netcom, want;
    };
    const Case cases[] = {
        {"both", "1.1.1.1", "2.2.2.2", "servers=1.1.1.1,2.2.2.2"},
        {"secondary empty", "1.1.1.1", "", "servers=1.1.1.1"},
        {"primary empty", "", "2.2.2.2", "servers=2.2.2.2"},
        {"both empty: an empty list, not a comma", "", "", "servers=\"\""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        DualLineFields f;
        f.telecom.dns = c.telecom;
        f.netcom.dns = c.netcom;
        EXPECT_EQ(
            split_lines(generate_dual_line_setup(f).script)[kDnsLine],
            "/ip dns set allow-remote-requests=yes cache-size=2048 max-udp-packet-size=512 " + std::string(c.want));
    }
}

TEST(DualLine, TypedValuesCannotBreakTheScript) {
    const std::string s = press("按钮_17生成", {{"组合框_17内网卡", "my lan"},
                                                {"编辑框_17内网网关", "a\"b"},
                                                {"编辑框_17内网网段掩码", "24 disabled=yes"},
                                                {"编辑框_17MSS值", "$x"},
                                                {"编辑框_17电信DNS", "1.1.1.1?"}});
    const std::vector<std::string_view> l = split_lines(s);
    ASSERT_EQ(l.size(), 20u);
    EXPECT_EQ(l[0], "/ip address add address=\"a\\\"b/24\" interface=\"my lan\" comment=\"Lan\"");
    EXPECT_EQ(l[4],
              "/ip firewall nat add chain=srcnat src-address=\"192.168.0.0/24 disabled=yes\" "
              "action=masquerade disabled=no");
    EXPECT_TRUE(l[5].find(" to-addresses=\"a\\\"b\" to-ports=53 ") != std::string_view::npos) << l[5];
    EXPECT_TRUE(l[6].ends_with(" new-mss=\"\\$x\""));
    EXPECT_TRUE(l[8].ends_with(" servers=\"1.1.1.1\\?,218.104.128.106\""));
    EXPECT_EQ(l[12],
              "add chain=prerouting in-interface=\"my lan\" connection-mark=Tel_conn action=mark-routing "
              "new-routing-mark=Tel_route");
}

TEST(DualLine, RouteTableRoutesTheSecondaryCarrierThenDefaultsToThePrimary) {
    struct Case {
        std::string_view why;
        std::vector<std::pair<std::string, std::string>> sets;
        IspList list;
        std::string_view per_network, fallback;
    };
    const Case cases[] = {
        {"Telecom primary: Netcom's networks through the Netcom line",
         {},
         IspList::netcom,
         "210.13.218.81",
         "218.85.167.145"},
        {"Netcom primary: Telecom's networks through the Telecom line",
         {{"单选框_17网通", "1"}},
         IspList::telecom,
         "218.85.167.145",
         "210.13.218.81"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        const std::string table = press("按钮_17路由表", c.sets);
        const std::vector<std::string_view> l = split_lines(table);
        const std::vector<std::string_view> networks = isp_list_entries(c.list);
        ASSERT_EQ(l.size(), networks.size() + 3);
        const std::string tail = " gateway=" + std::string(c.per_network) +
                                 " check-gateway=ping distance=1 scope=255 target-scope=10 disabled=no";
        EXPECT_EQ(l[0], "/ip route");
        EXPECT_EQ(l[1], "add dst-address=" + std::string(networks.front()) + tail);
        EXPECT_EQ(l[2], "add dst-address=" + std::string(networks[1]) + tail);
        EXPECT_EQ(l[l.size() - 3], "add dst-address=" + std::string(networks.back()) + tail);
        EXPECT_EQ(l[l.size() - 2], "add dst-address=0.0.0.0/0 gateway=" + std::string(c.fallback) +
                                       " check-gateway=ping distance=2 scope=255 target-scope=10 disabled=no");
        // The secondary line carries everything when the primary one fails.
        EXPECT_EQ(l.back(), "add dst-address=0.0.0.0/0 gateway=" + std::string(c.per_network) +
                                " check-gateway=ping distance=3 scope=255 target-scope=10 disabled=no");
        EXPECT_FALSE(table.ends_with("\r\n"));
    }
    const std::string hostile = generate_dual_line_routes({"tel gw", "", true}).script;
    EXPECT_TRUE(hostile.find(" gateway=\"\" check-gateway=ping distance=1 ") != std::string::npos);
    EXPECT_TRUE(
        hostile.ends_with("add dst-address=0.0.0.0/0 gateway=\"tel gw\" check-gateway=ping distance=2 "
                          "scope=255 target-scope=10 disabled=no\r\n"
                          "add dst-address=0.0.0.0/0 gateway=\"\" check-gateway=ping distance=3 "
                          "scope=255 target-scope=10 disabled=no"));
}

}  // namespace
}  // namespace vorlix
