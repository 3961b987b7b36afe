#include <gtest/gtest.h>

#include <algorithm>

#include "generators/all_pages.hpp"
#include "generators/wan/LoadBalance.hpp"
#include "generators/wan/SplitRouting.hpp"
#include "generators/wan/wan_test_util.hpp"
#include "script/text.hpp"

namespace vorlix {
namespace {

using test::crlf;
using test::lines_of;
using test::section;

// What a press reads from a page left at its defaults, with these rows in its list.
LoadBalanceFields fixed_defaults(Rows lines) {
    LoadBalanceFields f = fixed_load_fields(Form::defaults(fixed_load_page_spec()));
    f.lines = std::move(lines);
    return f;
}
LoadBalanceFields pppoe_defaults(Rows lines) {
    LoadBalanceFields f = pppoe_load_fields(Form::defaults(pppoe_load_page_spec()));
    f.lines = std::move(lines);
    return f;
}

// Two lines of one provider, sharing a gateway.
const Rows kFixedTwo = {{"218.85.167.150/24", "218.85.167.1", "ether2"},
                        {"218.85.167.151/24", "218.85.167.1", "ether3"}};
const Rows kPppoeTwo = {{"adsl01", "pw1", "ether2"}, {"adsl02", "pw2", "ether3"}};

const std::string kFixedNth = crlf({
    R"(/ip address add address=192.168.0.254/24 interface=ether1 comment="lan")",
    "/ip dns set allow-remote-requests=yes cache-size=2048 max-udp-packet-size=512 servers=218.85.152.99,218.85.157.99",
    "",
    "/ip address add address=218.85.167.150/24 interface=ether2",
    "",
    "/ip address add address=218.85.167.151/24 interface=ether3",
    "",
    "/ip firewall mangle",
    "add chain=prerouting action=mark-connection connection-state=new dst-address-type=!local in-interface=ether1 "
    "connection-mark=no-mark new-connection-mark=ip_1_conn disabled=no passthrough=yes nth=2,1 comment=NTH_2_1",
    "add chain=prerouting connection-mark=ip_1_conn in-interface=ether1 action=mark-routing "
    "new-routing-mark=ip_route_1",
    "add chain=prerouting in-interface=ether2 connection-mark=no-mark action=mark-connection "
    "new-connection-mark=ip_1_conn",
    "add chain=output connection-mark=ip_1_conn action=mark-routing new-routing-mark=ip_route_1",
    "",
    "add chain=prerouting action=mark-connection connection-state=new dst-address-type=!local in-interface=ether1 "
    "connection-mark=no-mark new-connection-mark=ip_2_conn disabled=no passthrough=yes nth=2,2 comment=NTH_2_2",
    "add chain=prerouting connection-mark=ip_2_conn in-interface=ether1 action=mark-routing "
    "new-routing-mark=ip_route_2",
    "add chain=prerouting in-interface=ether3 connection-mark=no-mark action=mark-connection "
    "new-connection-mark=ip_2_conn",
    "add chain=output connection-mark=ip_2_conn action=mark-routing new-routing-mark=ip_route_2",
    "",
    "/ip route",
    "add disabled=no distance=1 dst-address=0.0.0.0/0 gateway=218.85.167.1%ether2 check-gateway=ping "
    "routing-mark=ip_route_1",
    "add dst-address=0.0.0.0/0 gateway=218.85.167.1%ether2 check-gateway=ping disabled=no distance=1",
    "",
    "add disabled=no distance=1 dst-address=0.0.0.0/0 gateway=218.85.167.1%ether3 check-gateway=ping "
    "routing-mark=ip_route_2",
    "add dst-address=0.0.0.0/0 gateway=218.85.167.1%ether3 check-gateway=ping disabled=no distance=2",
    "",
    "/ip firewall nat",
    "add action=masquerade chain=srcnat comment=1 out-interface=ether2",
    "",
    "add action=masquerade chain=srcnat comment=2 out-interface=ether3",
});

// The PPPoE page's layout, which a router-side script reads back: the PCC rules end their classifier in
// "/bucket", the mark-routing rule follows with the connection mark the PCC rule set.
const std::string kPppoePcc = crlf({
    R"(/ip address add address=192.168.0.254/24 interface=ether1 comment="lan")",
    "/ip dns set allow-remote-requests=yes cache-size=2048 max-udp-packet-size=512 servers=218.85.152.99,218.85.157.99",
    "",
    "/ip firewall mangle add chain=forward protocol=tcp tcp-flags=syn action=change-mss new-mss=1440",
    "",
    R"(/interface pppoe-client add name="pppoe-out1" interface="ether2" user="adsl01" password="pw1" add-default-route=no disabled=no)",
    R"(/interface pppoe-client add name="pppoe-out2" interface="ether3" user="adsl02" password="pw2" add-default-route=no disabled=no)",
    "/ip firewall mangle",
    "add chain=prerouting action=mark-connection dst-address-type=!local in-interface=ether1 connection-mark=no-mark "
    R"(per-connection-classifier=both-addresses:2/0 new-connection-mark=pppoe-out1_conn passthrough=yes comment="pcc_1")",
    "add chain=prerouting action=mark-routing connection-mark=pppoe-out1_conn in-interface=ether1 "
    "new-routing-mark=to_pppoe-out1",
    "add action=mark-connection chain=prerouting in-interface=pppoe-out1 connection-mark=no-mark "
    "new-connection-mark=pppoe-out1_conn",
    "add action=mark-routing chain=output connection-mark=pppoe-out1_conn new-routing-mark=to_pppoe-out1",
    "",
    "add chain=prerouting action=mark-connection dst-address-type=!local in-interface=ether1 connection-mark=no-mark "
    R"(per-connection-classifier=both-addresses:2/1 new-connection-mark=pppoe-out2_conn passthrough=yes comment="pcc_2")",
    "add chain=prerouting action=mark-routing connection-mark=pppoe-out2_conn in-interface=ether1 "
    "new-routing-mark=to_pppoe-out2",
    "add action=mark-connection chain=prerouting in-interface=pppoe-out2 connection-mark=no-mark "
    "new-connection-mark=pppoe-out2_conn",
    "add action=mark-routing chain=output connection-mark=pppoe-out2_conn new-routing-mark=to_pppoe-out2",
    "",
    "/ip route",
    R"(add dst-address=0.0.0.0/0 gateway=pppoe-out1 check-gateway=ping comment="1_route" disabled=no distance=1 )"
    "routing-mark=to_pppoe-out1",
    R"(add dst-address=0.0.0.0/0 gateway=pppoe-out1 check-gateway=ping comment="1_route" disabled=no distance=1)",
    R"(add dst-address=0.0.0.0/0 gateway=pppoe-out2 check-gateway=ping comment="2_route" disabled=no distance=1 )"
    "routing-mark=to_pppoe-out2",
    R"(add dst-address=0.0.0.0/0 gateway=pppoe-out2 check-gateway=ping comment="2_route" disabled=no distance=2)",
    "/ip firewall nat",
    "add action=masquerade chain=srcnat comment=1 out-interface=pppoe-out1",
    "",
    "add action=masquerade chain=srcnat comment=2 out-interface=pppoe-out2",
});

TEST(LoadBalance, FixedAddressNthTwoLines) {
    const Result r = generate_fixed_load(fixed_defaults(kFixedTwo), Balancing::nth);
    ASSERT_FALSE(r.refusal);
    EXPECT_EQ(r.script, kFixedNth);
}

TEST(LoadBalance, FixedAddressPccDiffersOnlyInTheClassifierRules) {
    std::string want = replace_all(
        kFixedNth,
        "add chain=prerouting action=mark-connection connection-state=new dst-address-type=!local in-interface=ether1 "
        "connection-mark=no-mark new-connection-mark=ip_1_conn disabled=no passthrough=yes nth=2,1 comment=NTH_2_1",
        "add chain=prerouting dst-address-type=!local in-interface=ether1 connection-mark=no-mark "
        "per-connection-classifier=both-addresses:2/0 action=mark-connection new-connection-mark=ip_1_conn "
        "passthrough=yes comment=\"pcc_1\"");
    want = replace_all(
        want,
        "add chain=prerouting action=mark-connection connection-state=new dst-address-type=!local in-interface=ether1 "
        "connection-mark=no-mark new-connection-mark=ip_2_conn disabled=no passthrough=yes nth=2,2 comment=NTH_2_2",
        "add chain=prerouting dst-address-type=!local in-interface=ether1 connection-mark=no-mark "
        "per-connection-classifier=both-addresses:2/1 action=mark-connection new-connection-mark=ip_2_conn "
        "passthrough=yes comment=\"pcc_2\"");
    ASSERT_NE(want, kFixedNth);
    EXPECT_EQ(generate_fixed_load(fixed_defaults(kFixedTwo), Balancing::pcc).script, want);
}

TEST(LoadBalance, PppoePccTwoLinesAndItsNthVariant) {
    EXPECT_EQ(generate_pppoe_load(pppoe_defaults(kPppoeTwo), Balancing::pcc).script, kPppoePcc);

    std::string want = kPppoePcc;
    for (int i = 1; i <= 2; ++i) {
        const std::string n = std::to_string(i), bucket = std::to_string(i - 1);
        want = replace_all(want,
                           "add chain=prerouting action=mark-connection dst-address-type=!local in-interface=ether1 "
                           "connection-mark=no-mark per-connection-classifier=both-addresses:2/" +
                               bucket + " new-connection-mark=pppoe-out" + n + "_conn passthrough=yes comment=\"pcc_" +
                               n + "\"",
                           "add chain=prerouting action=mark-connection connection-state=new dst-address-type=!local "
                           "in-interface=ether1 connection-mark=no-mark new-connection-mark=pppoe-out" +
                               n + "_conn disabled=no passthrough=yes nth=2," + n + " comment=NTH_2_" + n);
    }
    ASSERT_NE(want, kPppoePcc);
    EXPECT_EQ(generate_pppoe_load(pppoe_defaults(kPppoeTwo), Balancing::nth).script, want);
}

TEST(LoadBalance, FewerThanTwoLinesAreRefusedWithAnEmptyCaption) {
    struct Case {
        std::string_view button;
        Rows rows;
        std::string_view message;
    };
    const std::string fixed = "光纤线路至少需要2条以上的线路,才能启用PCC负载功能!";
    const std::string pppoe = "至少需要2条以上的宽带线路,才能启用PCC负载功能!";
    const Case cases[] = {
        {"按钮_13PCC生成", {}, fixed},
        {"按钮_13PCC生成", {kFixedTwo[0]}, fixed},
        {"按钮_13NTH生成", {kFixedTwo[0]}, fixed},
        {"按钮15PCC生成", {kPppoeTwo[0]}, pppoe},
        {"按钮_15NTH生成", {}, pppoe},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.button);
        const ButtonRef ref = registry().find(c.button);
        ASSERT_NE(ref.binding, nullptr);
        Form form = Form::defaults(*ref.page->spec);
        form.at(c.button.find("13") != std::string_view::npos ? "超级列表框_13" : "超级列表框_15").rows = c.rows;
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

Rows five(bool pppoe) {
    Rows rows;
    for (int i = 1; i <= 5; ++i) {
        const std::string n = std::to_string(i);
        if (pppoe)
            rows.push_back({"adsl0" + n, "pw" + n, "ether" + std::to_string(i + 1)});
        else
            rows.push_back({"10.0." + n + ".2/30", "10.0." + n + ".1", "ether" + std::to_string(i + 1)});
    }
    return rows;
}

TEST(LoadBalance, FiveLinesFixedAddress) {
    const std::string s = generate_fixed_load(fixed_defaults(five(false)), Balancing::pcc).script;
    EXPECT_FALSE(s.ends_with("\r\n"));
    for (int i = 1; i <= 5; ++i)
        EXPECT_NE(s.find("per-connection-classifier=both-addresses:5/" + std::to_string(i - 1) +
                         " action=mark-connection new-connection-mark=ip_" + std::to_string(i) + "_conn "),
                  std::string::npos)
            << i;
    const std::vector<std::string> routes = section(s, "/ip route");
    ASSERT_EQ(routes.size(), 15u);  // five pairs, each followed by a blank line
    EXPECT_EQ(routes[13],
              "add dst-address=0.0.0.0/0 gateway=10.0.5.1%ether6 check-gateway=ping disabled=no distance=5");
    EXPECT_EQ(routes[14], "");
    EXPECT_EQ(section(s, "/ip firewall nat"),
              (std::vector<std::string>{"add action=masquerade chain=srcnat comment=1 out-interface=ether2", "",
                                        "add action=masquerade chain=srcnat comment=2 out-interface=ether3", "",
                                        "add action=masquerade chain=srcnat comment=3 out-interface=ether4", "",
                                        "add action=masquerade chain=srcnat comment=4 out-interface=ether5", "",
                                        "add action=masquerade chain=srcnat comment=5 out-interface=ether6"}));
    const std::string nth = generate_fixed_load(fixed_defaults(five(false)), Balancing::nth).script;
    EXPECT_NE(nth.find(" nth=5,5 comment=NTH_5_5\r\n"), std::string::npos);
}

// A line whose gateway cannot be reached from its own address: the script is written (an administrator may
// know better) and a warning names every row that looks wrong.
TEST(LoadBalance, GatewaysOutsideTheirNetworkAreReportedByRow) {
    struct Case {
        std::string_view why;
        Rows rows;
        std::string_view warning;  // "" for none
    };
    const Case cases[] = {
        {"gateways on their lines' networks", kFixedTwo, ""},
        {"the old sample: gateway on another /24",
         {{"218.85.167.150/24", "218.85.150.1", "ether2"}, {"218.85.167.151/24", "218.85.167.1", "ether3"}},
         "\n第1条线路: 网关 218.85.150.1 不在 218.85.167.150/24 的网段内"},
        {"network and broadcast addresses are no host addresses",
         {{"10.0.0.0/30", "10.0.0.1", "ether2"}, {"10.0.1.3/30", "10.0.1.1", "ether3"}},
         "\n第1条线路: 10.0.0.0/30 是网段的网络地址,不能作为主机地址\n第2条线路: 10.0.1.3/30 "
         "是网段的广播地址,不能作为主机地址"},
        {"a /31 has no network or broadcast address",
         {{"10.0.0.0/31", "10.0.0.1", "ether2"}, {"10.0.1.1/31", "10.0.1.0", "ether3"}},
         ""},
        {"what is not an address is left to other checks",
         {{"wan-a/24", "1.2.3.4", "ether2"}, {"10.0.1.2/30", "$gw", "ether3"}},
         ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        const Outcome o = Outcome::from(generate_fixed_load(fixed_defaults(c.rows), Balancing::pcc));
        ASSERT_TRUE(o.script);
        if (c.warning.empty()) {
            EXPECT_FALSE(o.message) << o.message->text;
            continue;
        }
        ASSERT_TRUE(o.message);
        EXPECT_EQ(o.message->icon, kIconWarning);
        EXPECT_TRUE(o.message->text.ends_with(c.warning)) << o.message->text;
    }
    // The split page reads the same cells the same way.
    Rows split = {{"218.85.167.150/24", "218.85.150.1", "ether2", "192.168.0.1"}, kFixedTwo[1]};
    split[1].push_back("192.168.0.2");
    SplitRoutingFields f = fixed_split_fields(Form::defaults(fixed_split_page_spec()));
    f.lines = split;
    const Result r = generate_fixed_split(f);
    ASSERT_TRUE(r.warning);
    EXPECT_NE(r.warning->text.find("第1条线路: 网关 218.85.150.1"), std::string::npos);
}

// A line without an interface keeps its bare gateway: "218.85.167.1%" would be no address at all.
TEST(LoadBalance, GatewaysArePinnedOnlyToAnInterfaceThatIsThere) {
    const std::string s =
        generate_fixed_load(fixed_defaults({{"1.1.1.2/24", "1.1.1.1", ""}, {"2.2.2.2/24", "", "ether3"}}),
                            Balancing::nth)
            .script;
    EXPECT_NE(s.find(" gateway=1.1.1.1 check-gateway=ping routing-mark=ip_route_1"), std::string::npos) << s;
    EXPECT_NE(s.find(" gateway=\"\" check-gateway=ping routing-mark=ip_route_2"), std::string::npos) << s;
}

TEST(LoadBalance, FiveLinesPppoe) {
    const std::string s = generate_pppoe_load(pppoe_defaults(five(true)), Balancing::pcc).script;
    EXPECT_FALSE(s.ends_with("\r\n"));
    const std::vector<std::string> lines = lines_of(s);
    // The five clients stand right before the mangle header, without blank lines.
    const auto mangle = std::find(lines.begin(), lines.end(), "/ip firewall mangle");
    ASSERT_GE(mangle - lines.begin(), 5);
    for (int i = 1; i <= 5; ++i)
        EXPECT_TRUE((mangle - 6 + i)->starts_with("/interface pppoe-client add name=\"pppoe-out" + std::to_string(i)))
            << i;
    const std::vector<std::string> rules = section(s, "/ip firewall mangle");
    ASSERT_EQ(rules.size(), 25u);
    EXPECT_EQ(
        rules[20],
        "add chain=prerouting action=mark-connection dst-address-type=!local in-interface=ether1 "
        "connection-mark=no-mark per-connection-classifier=both-addresses:5/4 new-connection-mark=pppoe-out5_conn "
        "passthrough=yes "
        "comment=\"pcc_5\"");
    EXPECT_EQ(rules[21],
              "add chain=prerouting action=mark-routing connection-mark=pppoe-out5_conn in-interface=ether1 "
              "new-routing-mark=to_pppoe-out5");
    const std::vector<std::string> routes = section(s, "/ip route");
    ASSERT_EQ(routes.size(), 10u);  // no blank lines between the pairs, none before the NAT header
    EXPECT_EQ(routes[9],
              "add dst-address=0.0.0.0/0 gateway=pppoe-out5 check-gateway=ping comment=\"5_route\" disabled=no "
              "distance=5");
    EXPECT_EQ(section(s, "/ip firewall nat").size(), 9u);
}

TEST(LoadBalance, EveryClassifierItemBecomesItsKeyword) {
    struct Case {
        std::string_view item, keyword;
    };
    const Case cases[] = {
        {"both addresses", "both-addresses"},
        {"both addresses and ports", "both-addresses-and-ports"},
        {"both ports", "both-ports"},
        {"dst address", "dst-address"},
        {"dst address and port", "dst-address-and-port"},
        {"dst port", "dst-port"},
        {"src address", "src-address"},
        {"src address and port", "src-address-and-port"},
        {"src port", "src-port"},
    };
    ASSERT_EQ(pcc_classifier_items().size(), std::size(cases));
    for (std::size_t k = 0; k < std::size(cases); ++k) {
        SCOPED_TRACE(cases[k].item);
        EXPECT_EQ(pcc_classifier_items()[k], cases[k].item);
        LoadBalanceFields f = pppoe_defaults(kPppoeTwo);
        f.classifier = static_cast<int>(k);
        const std::string want = "per-connection-classifier=" + std::string(cases[k].keyword) + ":2/1 ";
        EXPECT_NE(generate_pppoe_load(f, Balancing::pcc).script.find(want), std::string::npos);
        f.lines = kFixedTwo;
        EXPECT_NE(generate_fixed_load(f, Balancing::pcc).script.find(want), std::string::npos);
    }
    // No item selected (only a form file can ask for it): PCC is refused, NTH needs no classifier.
    LoadBalanceFields f = fixed_defaults(kFixedTwo);
    f.classifier = -1;
    const Result r = generate_fixed_load(f, Balancing::pcc);
    ASSERT_TRUE(r.refusal);
    EXPECT_EQ(r.refusal->focus, "组合框_13pcc叠加类型");
    EXPECT_FALSE(generate_fixed_load(f, Balancing::nth).refusal);
}

TEST(LoadBalance, DnsServersFromWhicheverBoxIsFilled) {
    LoadBalanceFields f = fixed_defaults(kFixedTwo);
    f.dns1 = "";
    EXPECT_EQ(lines_of(generate_fixed_load(f, Balancing::nth).script)[1],
              "/ip dns set allow-remote-requests=yes cache-size=2048 max-udp-packet-size=512 servers=218.85.157.99");
    f.dns2 = "";
    EXPECT_TRUE(lines_of(generate_fixed_load(f, Balancing::nth).script)[1].ends_with(" servers=\"\""));
}

// Cells reach the script as typed, but quoted and escaped where RouterOS would otherwise misread them.
TEST(LoadBalance, HostileValuesAreQuotedAndEscaped) {
    struct Case {
        std::string_view why;
        Rows rows;
        std::vector<std::string_view> want;  // fragments of the script
    };
    const Case pppoe[] = {
        {"an account with a blank stays whole",
         {{"my adsl", "p", "ether2"}, {"b", "p", "ether3"}},
         {R"( user="my adsl" )"}},
        {"quote and dollar in the password",
         {{"a", "x\"y", "ether2"}, {"b", "pa$word", "ether3"}},
         {R"( password="x\"y" )", R"( password="pa\$word" )"}},
        {"interface names are quoted values too",
         {{"a", "p", "wan $1"}, {"b", "p", ""}},
         {R"( interface="wan \$1" )", R"( interface="" )"}},
    };
    for (const Case& c : pppoe) {
        SCOPED_TRACE(c.why);
        const std::string s = generate_pppoe_load(pppoe_defaults(c.rows), Balancing::pcc).script;
        for (const std::string_view w : c.want) EXPECT_NE(s.find(w), std::string::npos) << w << "\n" << s;
    }
    const Case fixed[] = {
        {"an empty gateway is an empty value, not a missing one",
         {{"1.1.1.1/24", "", "ether2"}, {"2.2.2.2/24", "g w", "ether3"}},
         {" gateway=\"\" check-gateway=ping routing-mark=ip_route_1", " gateway=\"g w%ether3\" check-gateway=ping"}},
        {"bare words that RouterOS would misread",
         {{"1.1.1.1/24", "1.1.1.254", "x?y"}, {"a\"b", "2.2.2.254", "pa$s"}},
         {" interface=\"x\\?y\"", " address=\"a\\\"b\" ", " out-interface=\"pa\\$s\""}},
    };
    for (const Case& c : fixed) {
        SCOPED_TRACE(c.why);
        const std::string s = generate_fixed_load(fixed_defaults(c.rows), Balancing::nth).script;
        for (const std::string_view w : c.want) EXPECT_NE(s.find(w), std::string::npos) << w << "\n" << s;
    }
    LoadBalanceFields f = pppoe_defaults(kPppoeTwo);
    f.lan = "lan 1";
    f.lan_address = "a b";
    f.mss = "$m";
    const std::string s = generate_pppoe_load(f, Balancing::nth).script;
    EXPECT_TRUE(s.starts_with(R"(/ip address add address="a b/24" interface="lan 1" comment="lan")")) << s;
    EXPECT_NE(s.find(" new-mss=\"\\$m\"\r\n"), std::string::npos);
    EXPECT_NE(s.find(" in-interface=\"lan 1\" connection-mark=no-mark new-connection-mark=pppoe-out1_conn "),
              std::string::npos);
}

}  // namespace
}  // namespace vorlix
