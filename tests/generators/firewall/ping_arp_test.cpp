// Pages 禁止Ping and ARP绑定(批量): one line per button.
#include <gtest/gtest.h>

#include "support/press.hpp"

namespace vorlix {
namespace {

using test::press;
using test::Sets;

struct Case {
    std::string_view why, button;
    Sets sets;
    std::string_view want;
};

void check(const Case& c) {
    SCOPED_TRACE(c.why);
    EXPECT_EQ(press(c.button, c.sets), c.want);
}

TEST(PingBlock, EchoRequestsToTheRouterAreDropped) {
    const Case cases[] = {
        {"everyone",
         "按钮_41生成",
         {},
         "/ip firewall filter add chain=input protocol=icmp icmp-options=8:0-255 action=drop comment=\"No Ping\""},
        {"the LAN, the network named in the comment",
         "按钮_41禁止内网ping生成",
         {},
         "/ip firewall filter add chain=input src-address=192.168.0.0/24 protocol=icmp icmp-options=8:0-255 "
         "action=drop comment=\"192.168.0.0  \\BD\\FB\\D6\\B9Ping\""},
        {"outside the LAN",
         "按钮_41禁止外网ping生成",
         {},
         "/ip firewall filter add chain=input src-address=!192.168.0.0/24 protocol=icmp icmp-options=8:0-255 "
         "action=drop comment=\"\\BD\\FB\\D6\\B9\\CD\\E2\\CD\\F8Ping\""},
        {"an empty prefix length leaves a bare slash",
         "按钮_41禁止内网ping生成",
         {{"编辑框_41内网网段掩码", ""}},
         "/ip firewall filter add chain=input src-address=192.168.0.0/ protocol=icmp icmp-options=8:0-255 "
         "action=drop comment=\"192.168.0.0  \\BD\\FB\\D6\\B9Ping\""},
        {"a typed network with a quote stays inside the comment's quotes",
         "按钮_41禁止内网ping生成",
         {{"编辑框_41内网网段", "a\"b $x"}},
         "/ip firewall filter add chain=input src-address=\"a\\\"b \\$x/24\" protocol=icmp icmp-options=8:0-255 "
         "action=drop comment=\"a\\\"b \\$x  \\BD\\FB\\D6\\B9Ping\""},
        {"a negated value that needs quotes keeps the ! inside them",
         "按钮_41禁止外网ping生成",
         {{"编辑框_41内网网段", "x?y"}},
         "/ip firewall filter add chain=input src-address=\"!x\\?y/24\" protocol=icmp icmp-options=8:0-255 "
         "action=drop comment=\"\\BD\\FB\\D6\\B9\\CD\\E2\\CD\\F8Ping\""},
    };
    for (const Case& c : cases) check(c);
}

TEST(ArpBinding, EveryButtonWritesItsLine) {
    const Case cases[] = {
        {"one static entry",
         "按钮_42自定义arp",
         {},
         "/ip arp add address=192.168.1.2 mac-address=00:00:00:00:00:00 interface=ether1"},
        {"typed values",
         "按钮_42自定义arp",
         {{"编辑框_42ip地址", "10.0.0.9"}, {"编辑框_42mac", "AA:BB:CC:DD:EE:FF"}, {"组合框_42网卡接口1", "my lan"}},
         "/ip arp add address=10.0.0.9 mac-address=AA:BB:CC:DD:EE:FF interface=\"my lan\""},
        {"learned entries made static",
         "按钮_42自动绑定arp",
         {},
         ":foreach mavek in=[/ip arp find dynamic=yes ] do={/ip arp add copy-from=$mavek}"},
        {"every entry removed",
         "按钮_42自动删除所有arp绑定",
         {},
         ":foreach mavek in=[/ip arp find] do={/ip arp remove $mavek}"},
        {"reply-only",
         "按钮_42绑定arp",
         {{"组合框_42网卡接口2", "ether3"}},
         "/interface ethernet set ether3 arp=reply-only"},
        {"enabled again", "按钮_42解绑arp", {}, "/interface ethernet set ether1 arp=enabled"},
        {"an interface name that needs quotes",
         "按钮_42解绑arp",
         {{"组合框_42网卡接口2", "a\"b"}},
         "/interface ethernet set [find name=\"a\\\"b\"] arp=enabled"},
    };
    for (const Case& c : cases) check(c);
}

}  // namespace
}  // namespace vorlix
