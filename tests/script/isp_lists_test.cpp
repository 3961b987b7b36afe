// The properties every consumer of the carrier lists relies on, checked for each of the nine lists,
// so that a refresh of the data that breaks one of them fails here.
#include <gtest/gtest.h>

#include <charconv>
#include <cstdint>
#include <optional>

#include "script/isp_lists.hpp"

namespace vorlix {
namespace {

struct Network {
    std::uint32_t first = 0, last = 0;
    int prefix = 0;
    bool host_bits = false;  // address bits set below the prefix
};

// Strict dotted-quad "a.b.c.d/n": decimal octets without leading zeros, a prefix of 0 to 32.
std::optional<Network> parse(std::string_view text) {
    std::uint32_t address = 0;
    const char* p = text.data();
    const char* const end = text.data() + text.size();
    for (int i = 0; i < 4; ++i) {
        unsigned octet = 0;
        const auto [next, ec] = std::from_chars(p, end, octet);
        if (ec != std::errc() || octet > 255 || (next - p > 1 && *p == '0')) return std::nullopt;
        address = address << 8 | octet;
        p = next;
        if (p == end || *p != (i < 3 ? '.' : '/')) return std::nullopt;
        ++p;
    }
    int prefix = -1;
    const auto [tail, ec] = std::from_chars(p, end, prefix);
    if (ec != std::errc() || tail != end || prefix < 0 || prefix > 32 || (tail - p > 1 && *p == '0'))
        return std::nullopt;
    const std::uint32_t host = prefix == 32 ? 0 : 0xFFFFFFFFu >> prefix;
    return Network{address & ~host, (address & ~host) | host, prefix, (address & host) != 0};
}

std::vector<Network> networks(IspList list) {
    std::vector<Network> out;
    for (const std::string_view entry : isp_list_entries(list)) out.push_back(parse(entry).value_or(Network{}));
    return out;
}

bool covered_by(const Network& n, const std::vector<Network>& sorted) {
    const auto it = std::upper_bound(sorted.begin(), sorted.end(), n.first,
                                     [](std::uint32_t a, const Network& m) { return a < m.first; });
    return it != sorted.begin() && std::prev(it)->last >= n.last;
}

TEST(IspLists, EveryListIsWellFormed) {
    for (const IspList list : kIspLists) {
        const std::string_view key = isp_key(list);
        SCOPED_TRACE(key);
        EXPECT_EQ(isp_list_by_key(key), list);
        const std::string_view text = isp_list_text(list);
        ASSERT_FALSE(text.empty());

        // One network per CR LF line: no bare CR or LF, no empty line, and a final CR LF only where
        // the list has always had one.
        EXPECT_EQ(text.ends_with("\r\n"), list == IspList::greatwall);
        EXPECT_EQ(text.find("\r\n\r\n"), std::string_view::npos);
        const std::vector<std::string_view> entries = isp_list_entries(list);
        std::size_t line_ends = 0;
        for (std::size_t i = text.find("\r\n"); i != std::string_view::npos; i = text.find("\r\n", i + 2)) ++line_ends;
        EXPECT_EQ(entries.size(), list == IspList::greatwall ? line_ends : line_ends + 1);

        std::optional<Network> previous;
        for (const std::string_view entry : entries) {
            const std::optional<Network> n = parse(entry);
            ASSERT_TRUE(n) << "not a CIDR network: \"" << entry << "\"";
            EXPECT_FALSE(n->host_bits) << entry << " is not the network address of its prefix";
            // Ascending and disjoint, which also rules out duplicates; two halves of one larger
            // network side by side would mean the list was not aggregated.
            if (previous) {
                EXPECT_GT(n->first, previous->last) << entry << " overlaps or precedes the entry before it";
                const bool siblings = n->prefix == previous->prefix && n->prefix > 0 &&
                                      previous->last + 1 == n->first && (previous->first >> (32 - n->prefix) & 1) == 0;
                EXPECT_FALSE(siblings) << entry << " and the entry before it make one larger network";
            }
            previous = n;
        }
    }
    EXPECT_EQ(isp_list_by_key("Telecom"), std::nullopt);
    EXPECT_EQ(isp_list_by_key(""), std::nullopt);
    EXPECT_EQ(isp_keys_text(), "telecom, unicom, mobile, netcom, tietong, greatwall, cernet, qq_servers, all_china");
}

TEST(IspLists, CarriersLieInChinaAndTheDualLineCarriersDoNotOverlap) {
    const std::vector<Network> china = networks(IspList::all_china);
    for (const IspList list : kIspLists) {
        SCOPED_TRACE(isp_key(list));
        for (const Network& n : networks(list)) EXPECT_TRUE(covered_by(n, china));
    }
    // The dual-line page sends one list through one line and everything else through the other.
    const std::vector<Network> telecom = networks(IspList::telecom), netcom = networks(IspList::netcom);
    for (std::size_t t = 0, n = 0; t < telecom.size() && n < netcom.size();) {
        EXPECT_TRUE(telecom[t].last < netcom[n].first || netcom[n].last < telecom[t].first)
            << isp_list_entries(IspList::telecom)[t] << " overlaps " << isp_list_entries(IspList::netcom)[n];
        (telecom[t].last < netcom[n].last ? t : n) += 1;
    }
    // Netcom is part of Unicom: the two lists are the same networks.
    EXPECT_EQ(isp_list_text(IspList::netcom), isp_list_text(IspList::unicom));
}

TEST(IspLists, EntryParserRejectsMalformedNetworks) {
    // The checks above are only as strong as this parser.
    for (const std::string_view bad : {"1.2.3.4", "1.2.3/24", "1.2.3.256/24", "01.2.3.0/24", "1.2.3.0/33", "1.2.3.0/",
                                       " 1.2.3.0/24", "1.2.3.0/24 ", "1.2.3.0/024"})
        EXPECT_FALSE(parse(bad)) << bad;
    EXPECT_TRUE(parse("1.2.3.4/24")->host_bits);
    EXPECT_FALSE(parse("0.0.0.0/0")->host_bits);
}

}  // namespace
}  // namespace vorlix
