// Page 端口映射: the two destination-NAT rules, the UPnP script and its list of external interfaces.
#include <gtest/gtest.h>

#include "generators/firewall/FirewallText.hpp"
#include "generators/firewall/PortMapping.hpp"
#include "support/press.hpp"

namespace vorlix {
namespace {

using test::press;
using test::press_outcome;
using test::Sets;

constexpr std::string_view kFixed = "按钮_45生成1", kDialup = "按钮89", kUpnp = "按钮_45生成2";
constexpr std::string_view kList = "列表框_45外网网卡";

TEST(PortMapping, DefaultsOfBothRules) {
    // The comment is RouterOS-escaped as every typed comment is: the blank becomes \20, which the
    // router stores as the blank.
    EXPECT_EQ(press(kFixed),
              "/ip firewall nat add chain=dstnat dst-address=203.0.113.10 protocol=tcp dst-port=80 action=dst-nat "
              "to-addresses=192.168.0.1 to-ports=80 comment=\"WEB\\20SERVER\"");
    EXPECT_EQ(press(kDialup),
              "/ip firewall nat add chain=dstnat src-address=!192.168.0.0/24 dst-address=!192.168.0.254 protocol=tcp "
              "dst-port=80 action=dst-nat to-addresses=192.168.0.253 to-ports=80 comment=\"WEB\\20SERVER\"");
}

TEST(PortMapping, PortsOnlyForProtocolsThatHaveThem) {
    struct Case {
        std::string_view protocol;
        bool ports;
    };
    std::vector<Case> cases = {{"udp-lite", true}, {"sctp", true}, {"dccp", true}, {"17", true}, {"47", false}};
    for (const std::string& p : ip_protocol_items()) cases.push_back({p, p == "tcp" || p == "udp"});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.protocol);
        const std::string p(c.protocol);
        EXPECT_EQ(press(kFixed, {{"组合框_45协议名1", p}}),
                  "/ip firewall nat add chain=dstnat dst-address=203.0.113.10 protocol=" + p +
                      (c.ports ? " dst-port=80" : "") + " action=dst-nat to-addresses=192.168.0.1" +
                      (c.ports ? " to-ports=80" : "") + " comment=\"WEB\\20SERVER\"");
        EXPECT_EQ(press(kDialup, {{"组合框_45协议名2", p}}),
                  "/ip firewall nat add chain=dstnat src-address=!192.168.0.0/24 dst-address=!192.168.0.254 "
                  "protocol=" +
                      p + (c.ports ? " dst-port=80" : "") + " action=dst-nat to-addresses=192.168.0.253" +
                      (c.ports ? " to-ports=80" : "") + " comment=\"WEB\\20SERVER\"");
    }
}

TEST(PortMapping, RangesChineseCommentsAndEachGroupsOwnBoxes) {
    EXPECT_EQ(
        press(kFixed, {{"编辑框_45外网端口1", "21-80"}, {"编辑框_45内网端口1", "21-80"}, {"编辑框_45备注1", "网站"}}),
        "/ip firewall nat add chain=dstnat dst-address=203.0.113.10 protocol=tcp dst-port=21-80 action=dst-nat "
        "to-addresses=192.168.0.1 to-ports=21-80 comment=\"\\CD\\F8\\D5\\BE\"");
    // The dial-up rule reads its own comment box, not the fixed group's.
    EXPECT_EQ(press(kDialup, {{"编辑框_45备注1", "x"}, {"编辑框_45备注2", ""}, {"编辑框_45内网网关", "a b"}}),
              "/ip firewall nat add chain=dstnat src-address=!192.168.0.0/24 dst-address=\"!a b\" protocol=tcp "
              "dst-port=80 action=dst-nat to-addresses=192.168.0.253 to-ports=80 comment=\"\"");
}

TEST(PortMapping, UpnpNeedsAnExternalInterface) {
    const Outcome none = press_outcome(kUpnp);
    ASSERT_TRUE(none.message);
    EXPECT_FALSE(none.script);
    EXPECT_EQ(none.message->text, "请先添加您要端口映射功能外网网卡接口!");
    EXPECT_EQ(none.message->icon, 0);  // no icon

    EXPECT_EQ(press(kUpnp, {{std::string(kList), R"([["ether1"],["ether2"]])"}}),
              "/ip upnp set allow-disable-external-interface=no enabled=yes show-dummy-rule=yes\r\n"
              "/ip upnp interfaces\r\n"
              "add disabled=no interface=lan type=internal\r\n"
              "add disabled=no interface=ether1 type=external\r\n"
              "add disabled=no interface=ether2 type=external");
    EXPECT_EQ(press(kUpnp, {{std::string(kList), R"([["pppoe-out1"],["pppoe-out1"],["my wan"]])"},
                            {"组合框_45内网网卡接口", "bridge-lan"}}),
              "/ip upnp set allow-disable-external-interface=no enabled=yes show-dummy-rule=yes\r\n"
              "/ip upnp interfaces\r\n"
              "add disabled=no interface=bridge-lan type=internal\r\n"
              "add disabled=no interface=pppoe-out1 type=external\r\n"
              "add disabled=no interface=pppoe-out1 type=external\r\n"
              "add disabled=no interface=\"my wan\" type=external");
}

TEST(PortMapping, ListBoxAddsAndRemoves) {
    const Rows two = {{"ether1"}, {"ether2"}};
    EXPECT_EQ(add_list_entry({}, "wan"), (Rows{{"wan"}}));
    EXPECT_EQ(add_list_entry(two, "ether1"), (Rows{{"ether1"}, {"ether2"}, {"ether1"}}));  // the same name twice
    EXPECT_EQ(add_list_entry(two, ""), std::nullopt);
    EXPECT_EQ(remove_list_entry(two, 0), (Rows{{"ether2"}}));
    EXPECT_EQ(remove_list_entry(two, 1), (Rows{{"ether1"}}));
    for (const int none : {-1, 2}) {
        SCOPED_TRACE(none);
        EXPECT_EQ(remove_list_entry(two, none), std::nullopt);
    }
}

// The buttons as a press runs them: the list's new rows come back as an update of the list box.
TEST(PortMapping, ListButtonsUpdateTheListBox) {
    const Outcome added = press_outcome("按钮_45增加外网接口", {{"组合框_45外网网卡接口", "ether5"}});
    ASSERT_EQ(added.updates.size(), 1u);
    EXPECT_EQ(added.updates[0].name, kList);
    EXPECT_EQ(added.updates[0].value.rows, (Rows{{"ether5"}}));
    EXPECT_FALSE(added.script);

    const Outcome nothing_selected = press_outcome("按钮_45删除外网接口", {{std::string(kList), R"([["a"]])"}});
    EXPECT_TRUE(nothing_selected.updates.empty());
}

}  // namespace
}  // namespace vorlix
