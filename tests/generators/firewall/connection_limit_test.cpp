// Page 限制线程(TCP连接数): the per-host loop and the subnet rule with its exemptions.
#include <gtest/gtest.h>

#include "support/press.hpp"

namespace vorlix {
namespace {

using test::press;
using test::Sets;

constexpr std::string_view kHosts = "按钮_43生成1", kSubnet = "按钮_43生成2";

std::string subnet_rule(std::string_view protocol = "tcp", std::string_view limit = "200") {
    return "/ip firewall filter add chain=forward src-address=192.168.0.0/24 src-address-list=!MavekTcpList protocol=" +
           std::string(protocol) + " connection-state=new connection-limit=" + std::string(limit) +
           ",32 action=drop comment=\"" + std::string(protocol) +
           "\\C1\\AC\\BD\\D3\\CA\\FD\\CF\\DE\\D6\\C6\\CE\\AA:" + std::string(limit) + "\"";
}

std::string exempt(std::string_view address) {
    return "/ip firewall address-list add address=" + std::string(address) + " list=MavekTcpList disabled=no\r\n";
}

TEST(ConnectionLimit, DefaultsOfBothGroups) {
    EXPECT_EQ(press(kHosts),
              ":for mavek from=1 to=200 do={/ip firewall filter add chain=forward src-address=(\"192.168.5.\" . "
              "$mavek) protocol=tcp connection-state=new connection-limit=200,32 action=drop}");
    EXPECT_EQ(press(kSubnet), exempt("192.168.1.10") + exempt("192.168.1.50") + subnet_rule());
}

// Each group reads its own radio pair: UDP in one leaves TCP in the other.
TEST(ConnectionLimit, TheTwoProtocolChoicesAreIndependent) {
    const Sets udp_in_subnet = {{"单选框_43UDP2", "1"}};
    EXPECT_EQ(press(kSubnet, udp_in_subnet), exempt("192.168.1.10") + exempt("192.168.1.50") + subnet_rule("udp"));
    EXPECT_NE(press(kHosts, udp_in_subnet).find(" protocol=tcp "), std::string::npos);
    const std::string hosts_udp = press(kHosts, {{"单选框_43UDP1", "1"}});
    EXPECT_NE(hosts_udp.find(" protocol=udp "), std::string::npos) << hosts_udp;
    EXPECT_EQ(press(kSubnet, {{"单选框_43UDP1", "1"}}), press(kSubnet));
}

TEST(ConnectionLimit, ExemptionsAreTrimmedAndBlankOnesSkipped) {
    struct Case {
        std::string_view why, exempt;
        std::string want_lists;
    };
    const Case cases[] = {
        {"a blank after the comma", "192.168.1.10, 192.168.1.50", exempt("192.168.1.10") + exempt("192.168.1.50")},
        {"empty: the rule alone, still skipping the list", "", ""},
        {"only commas and blanks", " , ,", ""},
        {"empty pieces between and after", "10.0.0.1,,10.0.0.2,", exempt("10.0.0.1") + exempt("10.0.0.2")},
        {"a network", " 10.0.0.0/28 ", exempt("10.0.0.0/28")},
        {"a piece that needs quotes", "a b", exempt("\"a b\"")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_EQ(press(kSubnet, {{"编辑框_43排除ip地址", std::string(c.exempt)}}), c.want_lists + subnet_rule());
    }
}

TEST(ConnectionLimit, TypedValuesCannotBreakTheLine) {
    EXPECT_EQ(
        press(kHosts, {{"编辑框_43ip前缀", "10.0.\"0"}, {"编辑框_43机器数量左", "a b"}, {"编辑框_43tcp数量1", "x?y"}}),
        ":for mavek from=\"a b\" to=200 do={/ip firewall filter add chain=forward src-address=(\"10.0.\\\"0.\" . "
        "$mavek) protocol=tcp connection-state=new connection-limit=\"x\\?y,32\" action=drop}");
    EXPECT_EQ(press(kSubnet, {{"编辑框_43排除ip地址", ""}, {"编辑框_43tcp数量2", "1$0"}}),
              "/ip firewall filter add chain=forward src-address=192.168.0.0/24 src-address-list=!MavekTcpList "
              "protocol=tcp connection-state=new connection-limit=\"1\\$0,32\" action=drop "
              "comment=\"tcp\\C1\\AC\\BD\\D3\\CA\\FD\\CF\\DE\\D6\\C6\\CE\\AA:1\\$0\"");
}

}  // namespace
}  // namespace vorlix
