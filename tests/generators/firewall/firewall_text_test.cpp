#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "generators/firewall/FirewallText.hpp"

namespace vorlix {
namespace {

using Pieces = std::vector<std::string_view>;

TEST(FirewallText, TypedListsLoseOnlyWhatRouterOsWouldRefuse) {
    struct Case {
        std::string_view why, in;
        Pieces trimmed, lines;  // trimmed_pieces at CR and LF, typed_lines
    };
    const Case cases[] = {
        {"empty text", "", {}, {}},
        {"one address", "1.1.1.1", {"1.1.1.1"}, {"1.1.1.1"}},
        {"an empty line between", "1.1.1.1\r\n\r\n2.2.2.0/24", {"1.1.1.1", "2.2.2.0/24"}, {"1.1.1.1", "2.2.2.0/24"}},
        {"a line end after the last", "1.1.1.1\r\n", {"1.1.1.1"}, {"1.1.1.1"}},
        {"only line ends", "\r\n\r\n", {}, {}},
        {"blank-only lines", "  \r\n\t\r\n", {}, {}},
        {"blanks around a line: kept as typed by typed_lines", " 1.1.1.1 \r\n", {"1.1.1.1"}, {" 1.1.1.1 "}},
        {"line ends pasted as LF or CR alone", "a\nb\rc", {"a", "b", "c"}, {"a", "b", "c"}},
        {"a line holding a blank inside", "a b", {"a b"}, {"a b"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_EQ(trimmed_pieces(c.in, "\r\n"), c.trimmed);
        EXPECT_EQ(typed_lines(c.in), c.lines);
    }
    // A comma list, as the exemption box holds it.
    EXPECT_EQ(trimmed_pieces("192.168.1.10, 192.168.1.50", ","), (Pieces{"192.168.1.10", "192.168.1.50"}));
    EXPECT_EQ(trimmed_pieces(" , ,10.0.0.1,,", ","), (Pieces{"10.0.0.1"}));
    EXPECT_EQ(trimmed_pieces(",", ","), Pieces{});
}

TEST(FirewallText, PortsOnlyForProtocolsThatHaveThem) {
    for (const std::string_view p : {"tcp", "udp", "udp-lite", "dccp", "sctp", "6", "17", "33", "132", "136"}) {
        SCOPED_TRACE(p);
        EXPECT_TRUE(has_ports(p));
    }
    for (const std::string_view p : {"icmp", "gre", "ipsec-esp", "ospf", "vrrp", "", "TCP ", "1", "60"}) {
        SCOPED_TRACE(p);
        EXPECT_FALSE(has_ports(p));
    }
}

// Every item of the protocol lists is a protocol name RouterOS 6 accepts.
TEST(FirewallText, ProtocolItemsAreRouterOsNames) {
    const std::set<std::string> known = {
        "dccp", "ddp",        "egp",       "encap",      "etherip",   "ggp",        "gre",      "hmp",
        "icmp", "icmpv6",     "idpr-cmtp", "igmp",       "ipencap",   "ipip",       "ipsec-ah", "ipsec-esp",
        "ipv6", "ipv6-encap", "ipv6-frag", "ipv6-nonxt", "ipv6-opts", "ipv6-route", "iso-tp4",  "l2tp",
        "ospf", "pim",        "pup",       "rdp",        "rspf",      "rsvp",       "sctp",     "st",
        "tcp",  "udp",        "udp-lite",  "vmtp",       "vrrp",      "xns-idp",    "xtp"};
    const std::vector<std::string>& items = ip_protocol_items();
    EXPECT_EQ(items.size(), 24u);
    for (const std::string& item : items) EXPECT_TRUE(known.contains(item)) << item;
    EXPECT_EQ(items[2], "ipencap");
    EXPECT_EQ(std::count(items.begin(), items.end(), "tcp"), 1);
}

TEST(FirewallText, NegatedValuesStayOneWord) {
    struct Case {
        std::string_view why, in, want;
    };
    const Case cases[] = {
        {"a network", "192.168.0.0/24", "!192.168.0.0/24"},
        {"an address", "192.168.0.254", "!192.168.0.254"},
        {"a blank needs quotes: the ! goes inside", "a b", "\"!a b\""},
        {"a quote is escaped", "a\"b", "\"!a\\\"b\""},
        {"a dollar is escaped", "pa$word", "\"!pa\\$word\""},
        {"empty", "", "\"!\""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_EQ(negated_value(c.in), c.want);
    }
}

}  // namespace
}  // namespace vorlix
