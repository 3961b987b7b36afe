#include <gtest/gtest.h>

#include <set>

#include "generators/all_pages.hpp"
#include "generators/wan/VrrpPppoe.hpp"
#include "generators/wan/wan_test_util.hpp"
#include "support/press.hpp"

namespace vorlix {
namespace {

using test::crlf;
using test::lines_of;
using test::section;

// What a press reads from the page left at its defaults, with these rows in its list.
VrrpPppoeFields defaults(Rows lines) {
    VrrpPppoeFields f = vrrp_pppoe_fields(Form::defaults(vrrp_pppoe_page_spec()));
    f.lines = std::move(lines);
    return f;
}

Rows lines(std::size_t n) {
    Rows rows;
    for (std::size_t i = 1; i <= n; ++i) rows.push_back({"adsl" + std::to_string(i), "pw" + std::to_string(i)});
    return rows;
}

// Grouped by kind; the port holds the network at .254 and each VRRP interface its own host, so no
// address repeats; connections arriving on a line are marked in prerouting, so forwarded ones are
// answered by their line; each line's marked route is followed by an unmarked one with distance i.
TEST(VrrpPppoe, ThreeLinesGroupedByKind) {
    const Result r = generate_vrrp_pppoe(defaults(lines(3)));
    ASSERT_FALSE(r.refusal);
    const std::string vrrp = "add arp=enabled authentication=none disabled=no interface=ether1 interval=1 mtu=1500 ";
    EXPECT_EQ(
        r.script,
        crlf({
            "/interface vrrp",
            vrrp + "name=vrrp1 preemption-mode=yes priority=100 vrid=1",
            vrrp + "name=vrrp2 preemption-mode=yes priority=100 vrid=2",
            vrrp + "name=vrrp3 preemption-mode=yes priority=100 vrid=3",
            "/ip address",
            "add address=11.11.11.254/24 disabled=no interface=ether1",
            "add address=11.11.11.1/32 disabled=no interface=vrrp1",
            "add address=11.11.11.2/32 disabled=no interface=vrrp2",
            "add address=11.11.11.3/32 disabled=no interface=vrrp3",
            R"(/interface pppoe-client add name="pppoe-out1" interface="vrrp1" user="adsl1" password="pw1" disabled=no)",
            R"(/interface pppoe-client add name="pppoe-out2" interface="vrrp2" user="adsl2" password="pw2" disabled=no)",
            R"(/interface pppoe-client add name="pppoe-out3" interface="vrrp3" user="adsl3" password="pw3" disabled=no)",
            "/ip firewall mangle add action=change-mss chain=forward comment=change-mss disabled=no new-mss=1440 "
            "protocol=tcp tcp-flags=syn",
            "/ip firewall mangle add action=mark-connection chain=prerouting connection-mark=no-mark disabled=no "
            "in-interface=pppoe-out1 new-connection-mark=pppoe-out1_conn passthrough=yes",
            "/ip firewall mangle add action=mark-connection chain=prerouting connection-mark=no-mark disabled=no "
            "in-interface=pppoe-out2 new-connection-mark=pppoe-out2_conn passthrough=yes",
            "/ip firewall mangle add action=mark-connection chain=prerouting connection-mark=no-mark disabled=no "
            "in-interface=pppoe-out3 new-connection-mark=pppoe-out3_conn passthrough=yes",
            "/ip firewall mangle add action=mark-routing chain=output connection-mark=pppoe-out1_conn disabled=no "
            "new-routing-mark=to_pppoe-out1 passthrough=yes",
            "/ip firewall mangle add action=mark-routing chain=output connection-mark=pppoe-out2_conn disabled=no "
            "new-routing-mark=to_pppoe-out2 passthrough=yes",
            "/ip firewall mangle add action=mark-routing chain=output connection-mark=pppoe-out3_conn disabled=no "
            "new-routing-mark=to_pppoe-out3 passthrough=yes",
            "/ip firewall mangle add action=mark-routing chain=prerouting connection-mark=pppoe-out1_conn disabled=no "
            "in-interface=ether2 new-routing-mark=to_pppoe-out1 passthrough=yes",
            "/ip firewall mangle add action=mark-routing chain=prerouting connection-mark=pppoe-out2_conn disabled=no "
            "in-interface=ether2 new-routing-mark=to_pppoe-out2 passthrough=yes",
            "/ip firewall mangle add action=mark-routing chain=prerouting connection-mark=pppoe-out3_conn disabled=no "
            "in-interface=ether2 new-routing-mark=to_pppoe-out3 passthrough=yes",
            "/ip route add comment=1 disabled=no distance=1 dst-address=0.0.0.0/0 gateway=pppoe-out1 "
            "routing-mark=to_pppoe-out1 check-gateway=ping",
            "/ip route add comment=1 disabled=no distance=1 dst-address=0.0.0.0/0 gateway=pppoe-out1 "
            "check-gateway=ping",
            "/ip route add comment=2 disabled=no distance=1 dst-address=0.0.0.0/0 gateway=pppoe-out2 "
            "routing-mark=to_pppoe-out2 check-gateway=ping",
            "/ip route add comment=2 disabled=no distance=2 dst-address=0.0.0.0/0 gateway=pppoe-out2 "
            "check-gateway=ping",
            "/ip route add comment=3 disabled=no distance=1 dst-address=0.0.0.0/0 gateway=pppoe-out3 "
            "routing-mark=to_pppoe-out3 check-gateway=ping",
            "/ip route add comment=3 disabled=no distance=3 dst-address=0.0.0.0/0 gateway=pppoe-out3 "
            "check-gateway=ping",
            "/ip firewall nat add action=masquerade chain=srcnat comment=1 disabled=no out-interface=pppoe-out1",
            "/ip firewall nat add action=masquerade chain=srcnat comment=2 disabled=no out-interface=pppoe-out2",
            "/ip firewall nat add action=masquerade chain=srcnat comment=3 disabled=no out-interface=pppoe-out3",
        }));
}

TEST(VrrpPppoe, TooFewOrTooManyLinesAreRefused) {
    struct Case {
        std::size_t rows;
        std::string_view message;
    };
    const Case cases[] = {
        {0, "至少需要1个用户!"},
        {254, "最多只能添加253个用户!(每个用户占用一个VRID和一个IP地址)"},
        {1000, "最多只能添加253个用户!(每个用户占用一个VRID和一个IP地址)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rows);
        const Result r = generate_vrrp_pppoe(defaults(lines(c.rows)));
        EXPECT_EQ(r.script, "");
        ASSERT_TRUE(r.refusal);
        EXPECT_EQ(r.refusal->text, c.message);
        EXPECT_EQ(r.refusal->icon, kIconInformation);
        EXPECT_EQ(r.refusal->caption, std::optional<std::string>(""));
    }
    // And through the page's button, on its empty list.
    const Outcome o = test::press_outcome("按钮_1a生成");
    ASSERT_TRUE(o.message);
    EXPECT_EQ(o.message->text, "至少需要1个用户!");
}

// The most lines a script takes: VRIDs 1 to 253, and 254 addresses of which none repeats.
TEST(VrrpPppoe, TheLargestScriptKeepsVridsAndAddressesApart) {
    const std::string script = generate_vrrp_pppoe(defaults(lines(kVrrpMaxLines))).script;
    ASSERT_FALSE(script.empty());
    const std::vector<std::string> vrrp = section(script, "/interface vrrp");
    ASSERT_EQ(vrrp.size(), 253u);
    EXPECT_TRUE(vrrp.back().ends_with(" name=vrrp253 preemption-mode=yes priority=100 vrid=253")) << vrrp.back();
    std::set<std::string> hosts;
    for (const std::string& line : section(script, "/ip address")) {
        const std::size_t at = line.find("address=") + 8;
        hosts.insert(line.substr(at, line.find('/', at) - at));
    }
    EXPECT_EQ(hosts.size(), 254u);
    EXPECT_TRUE(hosts.contains("11.11.11.253"));
    EXPECT_TRUE(hosts.contains("11.11.11.254"));
    EXPECT_EQ(lines_of(script).back(),
              "/ip firewall nat add action=masquerade chain=srcnat comment=253 disabled=no out-interface=pppoe-out253");
}

TEST(VrrpPppoe, HostileValuesStayInsideTheirArguments) {
    VrrpPppoeFields f = defaults({{"my adsl", "pass word"}, {"a\"b", "pa$word"}, {"x?y", ""}});
    f.wan = "wan 1";
    f.lan = "lan$";
    f.prefix = "10.0 0";
    const std::string script = generate_vrrp_pppoe(f).script;
    for (const std::string_view want : {
             R"( disabled=no interface="wan 1" interval=1 )",
             R"(add address="10.0 0.254/24" disabled=no interface="wan 1")",
             R"(add address="10.0 0.2/32" disabled=no interface=vrrp2)",
             R"( user="my adsl" password="pass word" disabled=no)",
             R"( user="a\"b" password="pa\$word" disabled=no)",
             R"( user="x\?y" password="" disabled=no)",
             R"( in-interface="lan\$" new-routing-mark=to_pppoe-out3 )",
         })
        EXPECT_NE(script.find(want), std::string::npos) << want << "\n" << script;

    // An empty prefix is written as it stands: the addresses begin with the full stop.
    f.prefix = "";
    EXPECT_NE(generate_vrrp_pppoe(f).script.find("add address=.1/32 disabled=no interface=vrrp1"), std::string::npos);
}

}  // namespace
}  // namespace vorlix
