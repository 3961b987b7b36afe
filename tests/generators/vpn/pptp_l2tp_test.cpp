#include "generators/vpn/PptpL2tp.hpp"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "script/isp_lists.hpp"
#include "script/text.hpp"
#include "support/press.hpp"

namespace vorlix {
namespace {

using test::press;
using test::Sets;

TEST(VpnServer, DefaultsGiveEachClientItsOwnAddress) {
    EXPECT_EQ(press("按钮_51生成1"),
              "/interface pptp-server server set enabled=yes\r\n"
              "/ip pool add name=\"pptp_pool\" ranges=172.16.254.2-172.16.254.254\r\n"
              "/ppp profile add name=\"pptp_profile\" local-address=172.16.254.1 remote-address=pptp_pool "
              "use-ipv6=yes use-mpls=default use-compression=default use-vj-compression=default "
              "use-encryption=default only-one=default change-tcp-mss=default "
              "dns-server=218.85.152.99,218.85.157.99\r\n"
              "/ip firewall nat add chain=srcnat src-address=172.16.254.2-172.16.254.254 action=masquerade");
    // L2TP: its own gateway, pool and profile, the same pool range.
    EXPECT_EQ(press("按钮_52生成1"),
              "/interface l2tp-server server set enabled=yes\r\n"
              "/ip pool add name=\"l2tp_pool\" ranges=172.16.254.2-172.16.254.254\r\n"
              "/ppp profile add name=\"l2tp_profile\" local-address=172.16.253.1 remote-address=l2tp_pool "
              "use-ipv6=yes use-mpls=default use-compression=default use-vj-compression=default "
              "use-encryption=default only-one=default change-tcp-mss=default "
              "dns-server=218.85.152.99,218.85.157.99\r\n"
              "/ip firewall nat add chain=srcnat src-address=172.16.254.2-172.16.254.254 action=masquerade");
}

TEST(VpnServer, ProfileLineOptionsAndTypedValues) {
    struct Case {
        std::string_view why, button;
        Sets sets;
        std::string_view pool_line, profile_line;
    };
    const Case cases[] = {
        {"all three limits, in the order idle, session, rate",
         "按钮_51生成1",
         {{"选择框_51pptp客户端限速", "1"},
          {"选择框_51空闲超时", "1"},
          {"选择框_51连接超时", "1"},
          {"组合框_51encry", "required"}},
         "/ip pool add name=\"pptp_pool\" ranges=172.16.254.2-172.16.254.254",
         "/ppp profile add name=\"pptp_profile\" local-address=172.16.254.1 remote-address=pptp_pool use-ipv6=yes "
         "use-mpls=default use-compression=default use-vj-compression=default use-encryption=required "
         "only-one=default change-tcp-mss=default idle-timeout=00:00:00 session-timeout=00:00:00 rate-limit=1m/1m "
         "dns-server=218.85.152.99,218.85.157.99"},
        {"a pool name with a blank stays one word in both places; second DNS only",
         "按钮_51生成1",
         {{"编辑框_51ip地址池名", "vpn pool"}, {"编辑框_51策略模板1", "p\"1$"}, {"编辑框_51首选DNS", ""}},
         "/ip pool add name=\"vpn pool\" ranges=172.16.254.2-172.16.254.254",
         "/ppp profile add name=\"p\\\"1\\$\" local-address=172.16.254.1 remote-address=\"vpn pool\" use-ipv6=yes "
         "use-mpls=default use-compression=default use-vj-compression=default use-encryption=default "
         "only-one=default change-tcp-mss=default dns-server=218.85.157.99"},
        {"typed values that RouterOS would misread are quoted",
         "按钮_52生成1",
         {{"选择框_52连接超时", "1"},
          {"编辑框_52连接超时", "1d 00:00:00"},
          {"编辑框_52l2tp网关", "x?y"},
          {"编辑框_52首选DNS", ""},
          {"编辑框_52备用DNS", ""},
          {"编辑框_52ip地址池段", "10.0.0.2 -10.0.0.9"}},
         "/ip pool add name=\"l2tp_pool\" ranges=\"10.0.0.2 -10.0.0.9\"",
         "/ppp profile add name=\"l2tp_profile\" local-address=\"x\\?y\" remote-address=l2tp_pool use-ipv6=yes "
         "use-mpls=default use-compression=default use-vj-compression=default use-encryption=default "
         "only-one=default change-tcp-mss=default session-timeout=\"1d 00:00:00\" dns-server=\"\""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        const std::string script = press(c.button, c.sets);
        const std::vector<std::string_view> lines = split_lines(script);
        ASSERT_EQ(lines.size(), 4u);
        EXPECT_EQ(lines[1], c.pool_line);
        EXPECT_EQ(lines[2], c.profile_line);
    }
}

// A server without its pool, gateway or names would give lines the router refuses and a profile that
// names a pool that does not exist: the press is refused at the first blank box, for either protocol.
TEST(VpnServer, RefusesABlankPoolGatewayOrName) {
    struct Case {
        std::string_view button, box, text;
    };
    const Case cases[] = {
        {"按钮_51生成1", "编辑框_51ip地址池段", "请填写IP地址池!"},
        {"按钮_51生成1", "编辑框_51pptp网关", "请填写PPTP网关!"},
        {"按钮_52生成1", "编辑框_52l2tp网关", "请填写L2TP网关!"},
        {"按钮_52生成1", "编辑框_52ip地址池段", "请填写IP地址池!"},
    };
    for (const Case& c : cases) {
        for (const std::string_view blank : {"", "  "}) {
            SCOPED_TRACE(std::string(c.box) + " [" + std::string(blank) + "]");
            const Outcome o = test::press_outcome(c.button, {{std::string(c.box), std::string(blank)}});
            EXPECT_FALSE(o.script);
            ASSERT_TRUE(o.message);
            EXPECT_EQ(o.message->text, c.text);
            EXPECT_EQ(o.message->focus, c.box);
        }
    }
}

TEST(VpnAccount, CallerIdStandsBeforeTheProfile) {
    EXPECT_EQ(press("按钮_51生成2", {{"选择框_51绑定mac", "1"}}),
              "/ppp secret add name=\"MAVEK\" password=\"mavek2015\" service=pptp caller-id=00:00:00:00:00:00 "
              "profile=pptp_profile");
    EXPECT_EQ(press("按钮_52生成2", {{"编辑框_52用户名1", "a\"b"},
                                     {"编辑框_52密码1", "pa$word"},
                                     {"编辑框_52策略模板2", "my profile"},
                                     {"编辑框_52mac地址", "not read unchecked"}}),
              "/ppp secret add name=\"a\\\"b\" password=\"pa\\$word\" service=l2tp profile=\"my profile\"");
}

TEST(VpnClient, DefaultRouteIsOneLine) {
    EXPECT_EQ(press("按钮_51生成3"),
              "/interface pptp-client add name=\"mavek_pptp_client\" connect-to=203.0.113.10 user=\"Mavek\" "
              "password=\"mavek2015\" add-default-route=yes disabled=no");
    EXPECT_EQ(press("按钮_52生成3", {{"编辑框_52l2tpname", "vpn 1"},
                                     {"编辑框_52密码2", "x?y"},
                                     {"编辑框_52用户名2", "用户"},
                                     {"编辑框_52电信网关", "ignored without carrier routes"}}),
              "/interface l2tp-client add name=\"vpn 1\" connect-to=203.0.113.10 user=\"\\D3\\C3\\BB\\A7\" "
              "password=\"x\\?y\" "
              "add-default-route=yes disabled=no");
}

TEST(VpnClient, CarrierRoutesFromTheBuiltInLists) {
    struct Case {
        std::string_view why, radio;
        IspList secondary;
        std::string_view by, default_by;
    };
    const Case cases[] = {
        {"Telecom primary: Netcom networks by the Netcom gateway", "单选框_51电信路由", IspList::netcom, "210.13.100.1",
         "120.42.112.1"},
        {"Netcom primary: Telecom networks by the Telecom gateway", "单选框_51网通路由", IspList::telecom,
         "120.42.112.1", "210.13.100.1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        const std::string script = press("按钮_51生成3", {{std::string(c.radio), "1"}});
        EXPECT_FALSE(script.ends_with("\r\n"));
        const std::vector<std::string_view> lines = split_lines(script);
        const std::vector<std::string_view> networks = isp_list_entries(c.secondary);
        ASSERT_EQ(lines.size(), networks.size() + 3);
        EXPECT_EQ(lines[0],
                  "/interface pptp-client add name=\"mavek_pptp_client\" connect-to=203.0.113.10 user=\"Mavek\" "
                  "password=\"mavek2015\" disabled=no");
        EXPECT_EQ(lines[1], "/ip route");
        for (std::size_t i = 0; i < networks.size(); ++i)
            ASSERT_EQ(lines[2 + i], "add dst-address=" + std::string(networks[i]) + " gateway=" + std::string(c.by) +
                                        " check-gateway=ping distance=1 scope=255 target-scope=10 disabled=no");
        EXPECT_EQ(lines.back(), "add dst-address=0.0.0.0/0 gateway=" + std::string(c.default_by) +
                                    " check-gateway=ping distance=2 scope=255 target-scope=10 disabled=no");
    }
    // The L2TP client differs only in its first line; a gateway with a blank is quoted on every route.
    const std::string l2tp = press("按钮_52生成3", {{"单选框_52电信路由", "1"}, {"编辑框_52网通网关", "ppp out"}});
    EXPECT_TRUE(l2tp.starts_with("/interface l2tp-client add name=\"mavek_l2tp_client\" "));
    const std::string pptp = press("按钮_51生成3", {{"单选框_51电信路由", "1"}, {"编辑框_51网通网关", "ppp out"}});
    EXPECT_EQ(l2tp.substr(l2tp.find("\r\n")), pptp.substr(pptp.find("\r\n")));
    EXPECT_NE(pptp.find("\r\nadd dst-address=" + std::string(isp_list_entries(IspList::netcom).front()) +
                        " gateway=\"ppp out\" check-gateway=ping"),
              std::string::npos);
}

// Carrier routes go by both gateways; with one blank the press is refused instead of writing a route
// per network with no gateway. The default route needs neither.
TEST(VpnClient, CarrierRoutesNeedBothGateways) {
    const Outcome refused =
        test::press_outcome("按钮_51生成3", {{"单选框_51电信路由", "1"}, {"编辑框_51网通网关", ""}});
    EXPECT_FALSE(refused.script);
    ASSERT_TRUE(refused.message);
    EXPECT_EQ(refused.message->text, "请填写网通网关!");
    EXPECT_EQ(refused.message->focus, "编辑框_51网通网关");
    const Outcome l2tp = test::press_outcome("按钮_52生成3", {{"单选框_52网通路由", "1"}, {"编辑框_52电信网关", " "}});
    ASSERT_TRUE(l2tp.message);
    EXPECT_EQ(l2tp.message->focus, "编辑框_52电信网关");
    EXPECT_NE(press("按钮_51生成3", {{"编辑框_51网通网关", ""}}).find("add-default-route=yes"), std::string::npos);
}

}  // namespace
}  // namespace vorlix
