#include <gtest/gtest.h>

#include <bit>
#include <map>

#include "forms/press.hpp"
#include "script/ipv4.hpp"
#include "script/text.hpp"
#include "windows/core/SubnetCalculator.hpp"

namespace vorlix {
namespace {

std::uint32_t ip(int a, int b, int c, int d) {
    return address_of({a, b, c, d});
}

TEST(SubnetCalculator, HostAndPrefixGiveMaskNetworkBroadcastAndRange) {
    struct Case {
        std::string_view why;
        std::uint32_t address;
        int prefix;
        std::string_view mask, network, broadcast, first, last;
    };
    const Case cases[] = {
        {"a home network", ip(192, 168, 1, 10), 24, "255.255.255.0", "192.168.1.0", "192.168.1.255", "192.168.1.1",
         "192.168.1.254"},
        {"the window's start: 0.0.0.0/1", 0, 1, "128.0.0.0", "0.0.0.0", "127.255.255.255", "0.0.0.1",
         "127.255.255.254"},
        {"upper half of the space", ip(200, 1, 2, 3), 1, "128.0.0.0", "128.0.0.0", "255.255.255.255", "128.0.0.1",
         "255.255.255.254"},
        {"a mask that cuts an octet", ip(172, 16, 77, 9), 19, "255.255.224.0", "172.16.64.0", "172.16.95.255",
         "172.16.64.1", "172.16.95.254"},
        {"the smallest subnet with a network and a broadcast address", ip(10, 0, 0, 6), 30, "255.255.255.252",
         "10.0.0.4", "10.0.0.7", "10.0.0.5", "10.0.0.6"},
        // A point-to-point /31 has no network or broadcast address: both are hosts.
        {"/31 of an even address", ip(10, 0, 0, 4), 31, "255.255.255.254", "10.0.0.4", "10.0.0.5", "10.0.0.4",
         "10.0.0.5"},
        {"/31 of an odd address", ip(10, 0, 0, 5), 31, "255.255.255.254", "10.0.0.4", "10.0.0.5", "10.0.0.4",
         "10.0.0.5"},
        // A /32 is the host alone; no octet may step past 255 or below 0.
        {"/32 ending in 255", ip(10, 0, 0, 255), 32, "255.255.255.255", "10.0.0.255", "10.0.0.255", "10.0.0.255",
         "10.0.0.255"},
        {"/32 ending in 0", ip(10, 0, 0, 0), 32, "255.255.255.255", "10.0.0.0", "10.0.0.0", "10.0.0.0", "10.0.0.0"},
        {"/32 of the last address", ip(255, 255, 255, 255), 32, "255.255.255.255", "255.255.255.255", "255.255.255.255",
         "255.255.255.255", "255.255.255.255"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        const Subnet s = subnet_of(c.address, c.prefix);
        EXPECT_EQ(format_ipv4(s.mask), c.mask);
        EXPECT_EQ(format_ipv4(s.network), c.network);
        EXPECT_EQ(format_ipv4(s.broadcast), c.broadcast);
        EXPECT_EQ(format_ipv4(s.first_host), c.first);
        EXPECT_EQ(format_ipv4(s.last_host), c.last);
    }
}

TEST(SubnetCalculator, PrefixStaysWithinTheSlidersRange) {
    EXPECT_EQ(subnet_of(ip(1, 2, 3, 4), 0).prefix, 1);
    EXPECT_EQ(subnet_of(ip(1, 2, 3, 4), 33).prefix, 32);
    for (int n = 1; n <= 32; ++n) {
        SCOPED_TRACE(n);
        const std::uint32_t mask = subnet_of(ip(1, 2, 3, 4), n).mask;
        EXPECT_EQ(std::countl_one(mask), n) << "n ones first";
        EXPECT_EQ(std::popcount(mask), n) << "then only zeros";
    }
}

TEST(SubnetCalculator, LabelsShowEveryRowInDecimalAndBinary) {
    std::map<std::string, std::string> shown;
    for (const SubnetLabel& l : subnet_labels(subnet_of(ip(192, 168, 1, 10), 24)))
        EXPECT_TRUE(shown.emplace(l.name, l.text).second) << "twice: " << l.name;
    const std::map<std::string, std::string> want = {
        {"标签_位数", "24"},
        {"标签_网络掩码十进制", "255.255.255.0"},
        {"标签_可用地址1", "192.168.1.1"},
        {"标签_可用地址2", "192.168.1.254"},
        {"标签_主机地址21", "11000000"},
        {"标签_主机地址22", "10101000"},
        {"标签_主机地址23", "00000001"},
        {"标签_主机地址24", "00001010"},
        {"标签_网络掩码21", "11111111"},
        {"标签_网络掩码22", "11111111"},
        {"标签_网络掩码23", "11111111"},
        {"标签_网络掩码24", "00000000"},
        {"标签_子网地址21", "11000000"},
        {"标签_子网地址22", "10101000"},
        {"标签_子网地址23", "00000001"},
        {"标签_子网地址24", "00000000"},
        {"标签_广播地址21", "11000000"},
        {"标签_广播地址22", "10101000"},
        {"标签_广播地址23", "00000001"},
        {"标签_广播地址24", "11111111"},
        {"标签_子网地址十进制", "192.168.1.0"},
        {"标签_广播地址十进制", "192.168.1.255"},
    };
    EXPECT_EQ(shown, want);
}

TEST(SubnetCalculator, OctetBoxesReadLeadingDigitsAndSaturate) {
    struct Case {
        std::string_view why, typed;
        int value;
        std::optional<std::string> shown;  // the box's new text, none when it keeps what was typed
    };
    const Case cases[] = {
        {"in range", "192", 192, std::nullopt},
        {"the top", "255", 255, std::nullopt},
        {"above the top", "300", 255, "255"},
        {"more digits than any integer holds", "99999999999999999999", 255, "255"},
        {"eleven digits, which wrap in 32 bits", "99999999999", 255, "255"},
        {"empty", "", 0, std::nullopt},
        {"no digits", "abc", 0, std::nullopt},
        {"digits then a letter", "1x", 1, std::nullopt},
        {"negative", "-5", 0, "0"},
        {"a leading zero", "010", 10, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_EQ(octet_value(c.typed), c.value);
        EXPECT_EQ(clamped_octet_text(c.typed), c.shown);
        if (c.shown) {
            EXPECT_EQ(octet_value(*c.shown), c.value) << "the clamped text reads the same value";
        }
    }
    EXPECT_EQ(binary_octet(octet_value("300")), "11111111");
    EXPECT_EQ(binary_octet(5), "00000101");
    EXPECT_EQ(binary_octet(0), "00000000");
}

TEST(SubnetCalculator, ParsesAddressSlashPrefixStrictly) {
    const std::optional<Subnet> s = parse_host_and_prefix("192.168.1.10/24");
    ASSERT_TRUE(s);
    EXPECT_EQ(s->address, ip(192, 168, 1, 10));
    EXPECT_EQ(s->prefix, 24);
    EXPECT_EQ(format_ipv4(s->network), "192.168.1.0");
    ASSERT_TRUE(parse_host_and_prefix("0.0.0.0/1"));
    ASSERT_TRUE(parse_host_and_prefix("255.255.255.255/32"));

    for (const std::string_view bad : {
             "192.168.1.10",      // no prefix length
             "192.168.1.10/",     // empty prefix length
             "192.168.1.10/0",    // below the slider's range
             "192.168.1.10/33",   // above it
             "192.168.1.10/024",  // more digits than a prefix length has
             "192.168.1.256/24",  // octet too large
             "192.168.1/24",      // three octets
             "1.2.3.4.5/24",      // five octets
             "1.2..4/24",         // an empty octet
             "1.2.3.-4/24",       // a sign
             "1.2.3.4 /24",       // a blank
             "1.2.3.4/24/8",      // a second slash
             "a.b.c.d/24",
             "",
         }) {
        EXPECT_FALSE(parse_host_and_prefix(bad)) << bad;
    }
}

TEST(SubnetCalculator, ReportListsTheFirstTab) {
    const std::vector<std::string> want = {
        "主机地址: 10.0.0.4/31",
        "网络掩码: 255.255.255.254",
        "子网地址: 10.0.0.4",
        "广播地址: 10.0.0.5",
        "子网可用IP地址: 从 10.0.0.4 到 10.0.0.5",
        "主机地址: 00001010 00000000 00000000 00000100",
        "网络掩码: 11111111 11111111 11111111 11111110",
        "子网地址: 00001010 00000000 00000000 00000100",
        "广播地址: 00001010 00000000 00000000 00000101",
    };
    EXPECT_EQ(subnet_report(subnet_of(ip(10, 0, 0, 4), 31)), want);
}

TEST(SubnetSplit, MaskHostsAndRangesForEveryCount) {
    struct Case {
        std::string_view count, mask, hosts, first, last;
    };
    const Case cases[] = {
        {"1", "255.0.0.0", "16777214", "1)  10.0.0.1 -- 10.255.255.254", "1)  10.0.0.1 -- 10.255.255.254"},
        {"2", "255.128.0.0", "8388606", "1)  10.0.0.1 -- 10.127.255.254", "2)  10.128.0.1 -- 10.255.255.254"},
        {"4", "255.192.0.0", "4194302", "1)  10.0.0.1 -- 10.63.255.254", "4)  10.192.0.1 -- 10.255.255.254"},
        {"8", "255.224.0.0", "2097150", "1)  10.0.0.1 -- 10.31.255.254", "8)  10.224.0.1 -- 10.255.255.254"},
        {"16", "255.240.0.0", "1048574", "1)  10.0.0.1 -- 10.15.255.254", "16)  10.240.0.1 -- 10.255.255.254"},
        {"32", "255.248.0.0", "524286", "1)  10.0.0.1 -- 10.7.255.254", "32)  10.248.0.1 -- 10.255.255.254"},
        {"64", "255.252.0.0", "262142", "1)  10.0.0.1 -- 10.3.255.254", "64)  10.252.0.1 -- 10.255.255.254"},
        {"128", "255.254.0.0", "131070", "1)  10.0.0.1 -- 10.1.255.254", "128)  10.254.0.1 -- 10.255.255.254"},
        {"256", "255.255.0.0", "65534", "1)  10.0.0.1 -- 10.0.255.254", "256)  10.255.0.1 -- 10.255.255.254"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.count);
        const std::optional<int> index = subnet_count_index(c.count);
        ASSERT_TRUE(index);
        const SubnetSplit s = split_network(10, *index);
        EXPECT_EQ(s.mask, c.mask);
        EXPECT_EQ(s.hosts, c.hosts);
        const std::vector<std::string_view> lines = split_lines(s.ranges);
        ASSERT_EQ(lines.size(), 1 + std::stoul(std::string(c.count)));
        EXPECT_EQ(lines[0], "你输入的网络地址为：10.0.0.0，各子网IP范围如下所示：");
        EXPECT_EQ(lines[1], c.first);
        EXPECT_EQ(lines.back(), c.last);
        EXPECT_FALSE(s.ranges.ends_with("\n")) << "no line end after the last subnet";
        EXPECT_EQ(s.ranges.find('\n'), s.ranges.find("\r\n") + 1) << "lines end in CR LF";
    }
    EXPECT_FALSE(subnet_count_index("3"));
    EXPECT_FALSE(subnet_count_index("512"));
    EXPECT_FALSE(subnet_count_index(""));
}

TEST(SubnetSplit, SubnetsFollowEachOtherWithoutGapOrOverlap) {
    const std::string ranges = split_network(172, 5).ranges;
    const std::vector<std::string_view> lines = split_lines(ranges);
    ASSERT_EQ(lines.size(), 33u);
    for (int i = 1; i <= 32; ++i) {
        SCOPED_TRACE(i);
        const int second = (i - 1) * 8;
        EXPECT_EQ(lines[i], std::to_string(i) + ")  172." + std::to_string(second) + ".0.1 -- 172." +
                                std::to_string(second + 7) + ".255.254");
    }
}

TEST(SubnetSplit, UsesTheOctetsValueNotItsText) {
    // The list shows the number the box holds, never letters or a number above 255.
    struct Case {
        std::string_view typed, heading_octet;
    };
    const Case cases[] = {{"abc", "0"}, {"1x", "1"}, {"", "0"}, {"300", "255"}, {"99999999999", "255"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        const std::string ranges = split_network(octet_value(c.typed), 0).ranges;
        EXPECT_EQ(split_lines(ranges).front(),
                  "你输入的网络地址为：" + std::string(c.heading_octet) + ".0.0.0，各子网IP范围如下所示：");
        EXPECT_EQ(split_lines(ranges).back(),
                  "1)  " + std::string(c.heading_octet) + ".0.0.1 -- " + std::string(c.heading_octet) + ".255.255.254");
    }
}

// The window after the user typed or moved the given controls, each change reacted to as it happens.
Form window_after(const std::vector<std::pair<std::string, std::string>>& sets) {
    const PageEntry window = subnet_calculator_window();
    Form form = Form::defaults(*window.spec);
    SeededRandom random(1);
    Env env{random, {2016, 3, 5, 7, 8, 9}, ""};
    FormInput input;
    input.sets = sets;
    EXPECT_FALSE(fill(window, form, input, env));
    EXPECT_TRUE(form.unknown_reads().empty());
    return form;
}

std::string shown(const Form& form, std::string_view control) {
    if (const FieldValue* v = form.find(control)) return v->text;
    // A label the form never changed shows its caption from the table.
    const ControlSpec* c = subnet_calculator_window_spec().find(control);
    return c != nullptr ? c->text : "<no " + std::string(control) + ">";
}

TEST(SubnetWindow, OpensShowingTheFirstPrefixOfTheZeroAddress) {
    const Form form = window_after({});
    EXPECT_EQ(form.index("横向滚动条"), 1);
    const std::pair<std::string_view, std::string_view> want[] = {
        {"标签_位数", "1"},
        {"标签_网络掩码十进制", "128.0.0.0"},
        {"标签_可用地址1", "0.0.0.1"},
        {"标签_可用地址2", "127.255.255.254"},
        {"标签_主机地址21", "00000000"},
        {"标签_网络掩码21", "10000000"},
        {"标签_网络掩码22", "00000000"},
        {"标签_子网地址24", "00000000"},
        {"标签_广播地址21", "01111111"},
        {"标签_广播地址22", "11111111"},
        {"标签_子网地址十进制", "0.0.0.0"},
        {"标签_广播地址十进制", "127.255.255.255"},
        {"标签_子网掩码", "255.0.0.0"},
        {"标签_主机数", "16777214"},
    };
    for (const auto& [control, text] : want) EXPECT_EQ(shown(form, control), text) << control;
}

TEST(SubnetWindow, EveryOctetTypedAndEverySliderMoveShowsTheTabAnew) {
    Form form = window_after({{"编辑框_ip1", "192"}, {"编辑框_ip2", "168"}, {"编辑框_ip3", "1"}, {"编辑框_ip4", "10"}});
    EXPECT_EQ(shown(form, "标签_主机地址21"), "11000000");
    EXPECT_EQ(shown(form, "标签_广播地址十进制"), "255.255.255.255");  // still /1

    form = window_after({{"编辑框_ip1", "192"},
                         {"编辑框_ip2", "168"},
                         {"编辑框_ip3", "1"},
                         {"编辑框_ip4", "10"},
                         {"横向滚动条", "24"}});
    EXPECT_EQ(shown(form, "标签_位数"), "24");
    EXPECT_EQ(shown(form, "标签_网络掩码十进制"), "255.255.255.0");
    EXPECT_EQ(shown(form, "标签_子网地址十进制"), "192.168.1.0");
    EXPECT_EQ(shown(form, "标签_可用地址2"), "192.168.1.254");
    EXPECT_EQ(shown(form, "标签_主机地址24"), "00001010");

    // An octet beyond 255 is put back to 255 in its box and counts as 255.
    form = window_after({{"编辑框_ip4", "99999999999"}, {"横向滚动条", "32"}});
    EXPECT_EQ(form.text("编辑框_ip4"), "255");
    EXPECT_EQ(shown(form, "标签_主机地址24"), "11111111");
    EXPECT_EQ(shown(form, "标签_可用地址1"), "0.0.0.255");
    EXPECT_EQ(shown(form, "标签_可用地址2"), "0.0.0.255");
    // Letters stay as typed and count as 0.
    form = window_after({{"编辑框_ip1", "abc"}, {"横向滚动条", "8"}});
    EXPECT_EQ(form.text("编辑框_ip1"), "abc");
    EXPECT_EQ(shown(form, "标签_子网地址十进制"), "0.0.0.0");
}

TEST(SubnetWindow, TheSliderTakesOnlyItsRange) {
    const PageEntry window = subnet_calculator_window();
    for (const std::string_view bad : {"0", "33", "", "x", "24x", "-1"}) {
        Form form = Form::defaults(*window.spec);
        EXPECT_TRUE(set_control(*window.spec, form, "横向滚动条", bad)) << bad;
    }
}

TEST(SubnetWindow, TheSplitWaitsForItsButton) {
    const PageEntry window = subnet_calculator_window();
    Form form = window_after({{"编辑框_ip5", "300"}, {"组合框_子网数量", "4"}});
    EXPECT_EQ(form.text("编辑框_ip5"), "255");             // put back into range while typing
    EXPECT_EQ(shown(form, "标签_子网掩码"), "255.0.0.0");  // nothing else yet
    SeededRandom random(1);
    Env env{random, {2016, 3, 5, 7, 8, 9}, ""};
    apply_updates(form, press(window, form, "按钮_计算", env).updates);
    EXPECT_EQ(shown(form, "标签_子网掩码"), "255.192.0.0");
    EXPECT_EQ(shown(form, "标签_主机数"), "4194302");
    EXPECT_EQ(form.text("编辑框_内容"), split_network(255, 2).ranges);
}

}  // namespace
}  // namespace vorlix
