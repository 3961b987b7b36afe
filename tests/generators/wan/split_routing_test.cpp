#include <gtest/gtest.h>

#include "generators/all_pages.hpp"
#include "generators/wan/SplitRouting.hpp"
#include "generators/wan/wan_test_util.hpp"

namespace vorlix {
namespace {

using test::crlf;
using test::lines_of;

// What a press reads from a page left at its defaults, with these rows in its list. Both pages start
// with the same settings.
SplitRoutingFields defaults(Rows lines) {
    SplitRoutingFields f = fixed_split_fields(Form::defaults(fixed_split_page_spec()));
    f.lines = std::move(lines);
    return f;
}

// Each line's marked route is checked by ping and followed by an unmarked default route through the
// same gateway with distance i, so the router itself and hosts outside every range still get out, and a
// range whose line fails falls back to the others. The lines share a gateway, so it is pinned to each
// line's interface.
TEST(SplitRouting, FixedAddressTwoLines) {
    const Result r = generate_fixed_split(defaults({
        {"218.85.167.150/24", "218.85.167.1", "ether2", "192.168.0.1-192.168.0.100"},
        {"218.85.167.151/24", "218.85.167.1", "ether3", "192.168.0.101-192.168.0.200"},
    }));
    ASSERT_FALSE(r.refusal);
    EXPECT_FALSE(r.warning);
    EXPECT_EQ(
        r.script,
        crlf({
            R"(/ip address add address=192.168.0.254/24 interface=ether1 comment="lan")",
            "/ip dns set allow-remote-requests=yes cache-size=2048 max-udp-packet-size=512 "
            "servers=218.85.152.99,218.85.157.99",
            "/ip firewall nat add action=masquerade chain=srcnat src-address=192.168.0.0/24",
            "/ip firewall mangle add chain=forward protocol=tcp tcp-flags=syn action=change-mss new-mss=1440",
            "",
            R"(/ip address add address=218.85.167.150/24 interface=ether2 comment="1")",
            "/ip firewall mangle add chain=prerouting src-address=192.168.0.1-192.168.0.100 "
            R"(action=mark-routing new-routing-mark=1 comment="1")",
            R"(/ip route add gateway=218.85.167.1%ether2 check-gateway=ping routing-mark=1 comment="1")",
            R"(/ip route add dst-address=0.0.0.0/0 gateway=218.85.167.1%ether2 distance=1 check-gateway=ping comment="1")",
            "",
            R"(/ip address add address=218.85.167.151/24 interface=ether3 comment="2")",
            "/ip firewall mangle add chain=prerouting src-address=192.168.0.101-192.168.0.200 "
            R"(action=mark-routing new-routing-mark=2 comment="2")",
            R"(/ip route add gateway=218.85.167.1%ether3 check-gateway=ping routing-mark=2 comment="2")",
            R"(/ip route add dst-address=0.0.0.0/0 gateway=218.85.167.1%ether3 distance=2 check-gateway=ping comment="2")",
        }));
}

TEST(SplitRouting, PppoeTwoLines) {
    const Result r = generate_pppoe_split(defaults({
        {"adsl01", "pw1", "ether2", "192.168.0.1-192.168.0.100"},
        {"adsl02", "pw2", "ether3", "192.168.1.0/24"},
    }));
    ASSERT_FALSE(r.refusal);
    EXPECT_EQ(
        r.script,
        crlf({
            R"(/ip address add address=192.168.0.254/24 interface=ether1 comment="lan")",
            "/ip dns set allow-remote-requests=yes cache-size=2048 max-udp-packet-size=512 "
            "servers=218.85.152.99,218.85.157.99",
            "/ip firewall nat add action=masquerade chain=srcnat disabled=no src-address=192.168.0.0/24",
            "/ip firewall mangle add chain=forward protocol=tcp tcp-flags=syn action=change-mss new-mss=1440",
            "",
            R"(/interface pppoe-client add name="pppoe-out1" interface="ether2" user="adsl01" password="pw1" )"
            "add-default-route=no disabled=no",
            "/interface pppoe-client enable pppoe-out1",
            "/ip firewall mangle add chain=prerouting src-address=192.168.0.1-192.168.0.100 action=mark-routing "
            R"(new-routing-mark=routing_1 comment="pppoe-out1" passthrough=no)",
            "/ip route add disabled=no distance=1 dst-address=0.0.0.0/0 gateway=pppoe-out1 routing-mark=routing_1",
            "/ip route add disabled=no distance=1 dst-address=0.0.0.0/0 gateway=pppoe-out1 check-gateway=ping",
            "",
            R"(/interface pppoe-client add name="pppoe-out2" interface="ether3" user="adsl02" password="pw2" )"
            "add-default-route=no disabled=no",
            "/interface pppoe-client enable pppoe-out2",
            "/ip firewall mangle add chain=prerouting src-address=192.168.1.0/24 action=mark-routing "
            R"(new-routing-mark=routing_2 comment="pppoe-out2" passthrough=no)",
            "/ip route add disabled=no distance=1 dst-address=0.0.0.0/0 gateway=pppoe-out2 routing-mark=routing_2",
            "/ip route add disabled=no distance=2 dst-address=0.0.0.0/0 gateway=pppoe-out2 check-gateway=ping",
        }));
}

TEST(SplitRouting, FewerThanTwoLinesAreRefusedWithAnEmptyCaption) {
    struct Case {
        std::string_view button, list;
        Rows rows;
        std::string_view message;
    };
    const Case cases[] = {
        {"按钮_14生成", "超级列表框_14", {}, "光纤线路至少需要2条以上的线路,才能启用分流功能!"},
        {"按钮_14生成", "超级列表框_14", {{"a/1", "g", "e", "r"}}, "光纤线路至少需要2条以上的线路,才能启用分流功能!"},
        {"按钮_16生成", "超级列表框_16", {{"a", "p", "e", "r"}}, "至少需要2条以上的线路,才能启用分流功能!"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.button);
        const ButtonRef ref = registry().find(c.button);
        ASSERT_NE(ref.binding, nullptr);
        Form form = Form::defaults(*ref.page->spec);
        form.at(c.list).rows = c.rows;
        SeededRandom random(1);
        Env env{random, {2016, 3, 5, 7, 8, 9}, ""};
        const Outcome o = ref.binding->run(form, env);
        EXPECT_FALSE(o.script);
        ASSERT_TRUE(o.message);
        EXPECT_EQ(o.message->text, c.message);
        EXPECT_EQ(o.message->icon, kIconInformation);
        EXPECT_EQ(o.message->caption, std::optional<std::string>(""));
    }
}

TEST(SplitRouting, FiveLinesOneBlockEachWithGrowingDistances) {
    Rows fixed, pppoe;
    for (int i = 1; i <= 5; ++i) {
        const std::string n = std::to_string(i);
        fixed.push_back({"10.0." + n + ".2/30", "10.0." + n + ".1", "ether" + n, "192.168." + n + ".0/24"});
        pppoe.push_back({"adsl" + n, "pw" + n, "ether" + n, "192.168." + n + ".0/24"});
    }
    struct Case {
        std::string_view why;
        std::string script;
        std::size_t block;  // lines per line block
        std::string last;
    };
    const Case cases[] = {
        {"fixed address", generate_fixed_split(defaults(fixed)).script, 4,
         R"(/ip route add dst-address=0.0.0.0/0 gateway=10.0.5.1%ether5 distance=5 check-gateway=ping comment="5")"},
        {"PPPoE", generate_pppoe_split(defaults(pppoe)).script, 5,
         "/ip route add disabled=no distance=5 dst-address=0.0.0.0/0 gateway=pppoe-out5 check-gateway=ping"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_FALSE(c.script.ends_with("\r\n"));
        const std::vector<std::string> lines = lines_of(c.script);
        ASSERT_EQ(lines.size(), 5 + 5 * c.block + 4);  // head and its blank, five blocks, four blanks between
        for (std::size_t i = 0; i < 5; ++i) {
            const std::size_t start = 5 + i * (c.block + 1);
            EXPECT_EQ(lines[start - 1], "") << i;
            const std::string n = std::to_string(i + 1);
            EXPECT_NE(lines[start + c.block - 1].find(" distance=" + n + " "), std::string::npos) << i;
            EXPECT_NE(lines[start + c.block - 3].find(" src-address=192.168." + n + ".0/24 "), std::string::npos) << i;
        }
        EXPECT_EQ(lines.back(), c.last);
    }
}

TEST(SplitRouting, HostileValuesAreQuotedAndEscaped) {
    SplitRoutingFields f = defaults({
        {"1.1.1.1/24", "", "wan 1", "192.168.0.1 - 192.168.0.9"},
        {"2.2.2.2/24", "g$w", "x?y", "a\"b"},
    });
    f.network = "";
    f.mss = "";
    const std::string fixed = generate_fixed_split(f).script;
    for (const std::string& w : {
             std::string("/ip firewall nat add action=masquerade chain=srcnat src-address=/24\r\n"),
             std::string(" new-mss=\"\"\r\n"),
             std::string(R"( interface="wan 1" comment="1")"),
             std::string(R"( src-address="192.168.0.1 - 192.168.0.9" )"),
             std::string(R"(/ip route add gateway="" check-gateway=ping routing-mark=1 )"),
             std::string(R"( gateway="g\$w%x\?y" distance=2 )"),
             std::string(R"( interface="x\?y" )"),
             std::string(R"( src-address="a\"b" )"),
         })
        EXPECT_NE(fixed.find(w), std::string::npos) << w << "\n" << fixed;

    f.lines = {{"my adsl", "pa$word", "wan 1", "r"}, {"a\"b", "", "ether3", "r"}};
    const std::string pppoe = generate_pppoe_split(f).script;
    for (const std::string_view w : {
             R"(interface="wan 1" user="my adsl" password="pa\$word" )",
             R"(interface="ether3" user="a\"b" password="" )",
         })
        EXPECT_NE(pppoe.find(w), std::string::npos) << w << "\n" << pppoe;
}

}  // namespace
}  // namespace vorlix
