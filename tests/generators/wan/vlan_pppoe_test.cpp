#include <gtest/gtest.h>

#include <set>

#include "generators/all_pages.hpp"
#include "generators/wan/VlanPppoe.hpp"
#include "generators/wan/wan_test_util.hpp"
#include "support/press.hpp"

namespace vorlix {
namespace {

using test::crlf;
using test::lines_of;
using test::section;

// What a press reads from the page left at its defaults, with these rows in its list.
VlanPppoeFields defaults(Rows lines) {
    VlanPppoeFields f = vlan_pppoe_fields(Form::defaults(vlan_pppoe_page_spec()));
    f.lines = std::move(lines);
    return f;
}

const Rows kThreeLines = {{"adsl01", "pw1", "10"}, {"adsl02", "pw2", "20"}, {"adsl03", "pw3", "30"}};

// The admin-mac value of a bridge line.
std::string admin_mac(const std::string& line) {
    const std::size_t at = line.find("admin-mac=");
    return at == std::string::npos ? "" : line.substr(at + 10, 17);
}

// Eighteen raw values, six per bridge; the first octets 0x01, 0xFF and 0x6B would be a multicast
// address, a multicast address again and a vendor address as drawn.
TEST(VlanPppoe, ThreeLinesInFourSections) {
    ScriptedRandom random(
        {0x01, 0x00, 0x5E, 0x00, 0x00, 0x01, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x6B, 0x3F, 0xC2, 0x71, 0x9E, 0xB4});
    const Result r = generate_vlan_pppoe(defaults(kThreeLines), random);
    ASSERT_FALSE(r.refusal);
    const std::string bridge_tail =
        " ageing-time=5m arp=enabled auto-mac=no disabled=no forward-delay=15s l2mtu=65535 max-message-age=20s "
        "mtu=1500 name=ADSL-";
    const std::string bridge_end = " priority=0x8000 protocol-mode=none transmit-hold-count=6";
    const std::string port_tail = " disabled=no edge=auto external-fdb=auto horizon=none interface=vlan";
    EXPECT_EQ(r.script,
              crlf({
                  "/interface vlan",
                  "add arp=enabled disabled=no interface=ether1 mtu=1500 name=vlan1 use-service-tag=no vlan-id=10",
                  "add arp=enabled disabled=no interface=ether1 mtu=1500 name=vlan2 use-service-tag=no vlan-id=20",
                  "add arp=enabled disabled=no interface=ether1 mtu=1500 name=vlan3 use-service-tag=no vlan-id=30",
                  "/interface bridge",
                  "add admin-mac=02:00:5E:00:00:01" + bridge_tail + "1" + bridge_end,
                  "add admin-mac=FE:FF:FF:FF:FF:FF" + bridge_tail + "2" + bridge_end,
                  "add admin-mac=6A:3F:C2:71:9E:B4" + bridge_tail + "3" + bridge_end,
                  "/interface bridge port",
                  "add bridge=ADSL-1" + port_tail + "1 path-cost=10 point-to-point=auto priority=0x80",
                  "add bridge=ADSL-2" + port_tail + "2 path-cost=10 point-to-point=auto priority=0x80",
                  "add bridge=ADSL-3" + port_tail + "3 path-cost=10 point-to-point=auto priority=0x80",
                  R"(/interface pppoe-client add name=pppoe-out1 interface=ADSL-1 user="adsl01" password="pw1" )"
                  "add-default-route=yes disabled=no",
                  R"(/interface pppoe-client add name=pppoe-out2 interface=ADSL-2 user="adsl02" password="pw2" )"
                  "add-default-route=yes disabled=no",
                  R"(/interface pppoe-client add name=pppoe-out3 interface=ADSL-3 user="adsl03" password="pw3" )"
                  "add-default-route=yes disabled=no",
              }));
}

TEST(VlanPppoe, AnEmptyListIsRefusedWithAStopIconAndAnEmptyCaption) {
    const Outcome o = test::press_outcome("按钮_18生成");
    EXPECT_FALSE(o.script);
    ASSERT_TRUE(o.message);
    EXPECT_EQ(o.message->text, "请输入PPPoE拨号的相关信息!");
    EXPECT_EQ(o.message->icon, kIconError);
    EXPECT_EQ(o.message->caption, std::optional<std::string>(""));
}

// Two presses with the same rows: every line but the bridges' is the same, and the bridges differ in
// their admin-mac alone. Every address is unicast and locally administered, none repeated.
TEST(VlanPppoe, TwoPressesDifferOnlyInTheMacs) {
    Rows rows;
    for (int i = 1; i <= 12; ++i) rows.push_back({"adsl" + std::to_string(i), "pw", std::to_string(100 + i)});
    SeededRandom first_source(11), second_source(12);
    const std::vector<std::string> first = lines_of(generate_vlan_pppoe(defaults(rows), first_source).script);
    const std::vector<std::string> second = lines_of(generate_vlan_pppoe(defaults(rows), second_source).script);
    ASSERT_EQ(first.size(), second.size());
    std::set<std::string> macs;
    for (std::size_t i = 0; i < first.size(); ++i) {
        const std::string a = admin_mac(first[i]), b = admin_mac(second[i]);
        if (a.empty()) {
            EXPECT_EQ(first[i], second[i]);
            continue;
        }
        EXPECT_NE(a, b);
        std::string masked = second[i];
        masked.replace(masked.find(b), b.size(), a);
        EXPECT_EQ(first[i], masked);
        for (const std::string& mac : {a, b}) {
            const int octet = std::stoi(mac.substr(0, 2), nullptr, 16);
            EXPECT_EQ(octet & 0x03, 0x02) << mac;
            macs.insert(mac);
        }
    }
    EXPECT_EQ(macs.size(), 24u);
}

// A source that gives the same address again and again still gives every bridge its own: the next
// address up, carrying into the octet before.
TEST(VlanPppoe, RepeatedDrawsStillGiveEveryBridgeItsOwnMac) {
    ScriptedRandom same({0x10, 0x20, 0x30, 0x40, 0x50, 0xFF});
    const std::string script = generate_vlan_pppoe(defaults(kThreeLines), same).script;
    std::vector<std::string> macs;
    for (const std::string& line : section(script, "/interface bridge")) macs.push_back(admin_mac(line));
    EXPECT_EQ(macs, (std::vector<std::string>{"12:20:30:40:50:FF", "12:20:30:40:51:00", "12:20:30:40:51:01"}));
}

TEST(VlanPppoe, HostileCellsStayInsideTheirArguments) {
    VlanPppoeFields f = defaults({{"my adsl", "pa$word", ""}, {"a\"b", "x?y", "4 0"}, {"", "", "1"}});
    f.port = "wan 1";
    SeededRandom random(1);
    const std::string script = generate_vlan_pppoe(f, random).script;
    for (const std::string_view want : {
             R"(add arp=enabled disabled=no interface="wan 1" mtu=1500 name=vlan1 use-service-tag=no vlan-id="")"
             "\r\n",
             R"( name=vlan2 use-service-tag=no vlan-id="4 0")",
             R"( interface=ADSL-1 user="my adsl" password="pa\$word" add-default-route=yes)",
             R"( interface=ADSL-2 user="a\"b" password="x\?y" add-default-route=yes)",
             R"( interface=ADSL-3 user="" password="" add-default-route=yes)",
         })
        EXPECT_NE(script.find(want), std::string::npos) << want << "\n" << script;
}

// The router refuses a VLAN without a valid ID (1 to 4094), and that line's client would dial on an
// empty bridge: the script stands for the other lines, with a warning naming each bad line.
TEST(VlanPppoe, WarnsOfVlanIdsTheRouterRefuses) {
    struct Case {
        std::string_view id;
        bool warned;
    };
    const Case cases[] = {{"1", false},   {"4094", false}, {"10", false}, {"", true},   {"0", true},
                          {"4095", true}, {"4 0", true},   {"a", true},   {"-1", true}, {"99999", true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.id);
        VlanPppoeFields f = defaults({{"adsl01", "pw1", "10"}, {"adsl02", "pw2", std::string(c.id)}});
        SeededRandom random(1);
        const Result r = generate_vlan_pppoe(f, random);
        EXPECT_FALSE(r.script.empty());
        EXPECT_EQ(r.warning.has_value(), c.warned);
        if (r.warning) {
            EXPECT_NE(r.warning->text.find("第2条线路"), std::string::npos) << r.warning->text;
            EXPECT_EQ(r.warning->text.find("第1条线路"), std::string::npos) << r.warning->text;
        }
    }
}

}  // namespace
}  // namespace vorlix
