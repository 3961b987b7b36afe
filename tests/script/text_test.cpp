#include <gtest/gtest.h>

#include "script/encoding.hpp"
#include "script/random.hpp"
#include "script/script_builder.hpp"
#include "script/text.hpp"

namespace vorlix {
namespace {

TEST(Encoding, RoundTripsAndReplacesWhatGbkCannotHold) {
    EXPECT_EQ(utf8_to_gbk("中文"), "\xD6\xD0\xCE\xC4");
    EXPECT_EQ(gbk_to_utf8("\xD6\xD0\xCE\xC4"), "中文");
    EXPECT_EQ(gbk_to_utf8(utf8_to_gbk("无线网络 ether1 定时关机，。！")), "无线网络 ether1 定时关机，。！");
    EXPECT_EQ(utf8_to_gbk(""), "");
    EXPECT_EQ(utf8_to_gbk("a😀b"), "a?b");  // no GBK code for it
    EXPECT_EQ(utf8_to_gbk("a\xFF"
                          "b"),
              "a?b");  // not UTF-8
    EXPECT_EQ(gbk_to_utf8("a\x81"), "a\xEF\xBF\xBD");
}

TEST(Encoding, Utf8Validity) {
    EXPECT_TRUE(is_valid_utf8("中文 ascii"));
    EXPECT_TRUE(is_valid_utf8(""));
    EXPECT_FALSE(is_valid_utf8("\xD6\xD0\xCE\xC4"));  // GBK bytes
    EXPECT_FALSE(is_valid_utf8("\xC0\xAF"));          // overlong slash
    EXPECT_FALSE(is_valid_utf8("\xED\xA0\x80"));      // surrogate
    EXPECT_FALSE(is_valid_utf8("\xE4\xB8"));          // cut short
    EXPECT_EQ(strip_utf8_bom("\xEF\xBB\xBFtrue"), "true");
    EXPECT_EQ(strip_utf8_bom("true"), "true");
    EXPECT_EQ(strip_utf8_bom("a\xEF\xBB\xBF"), "a\xEF\xBB\xBF");
}

TEST(Text, LeadingInteger) {
    EXPECT_EQ(leading_integer("12ab"), 12);
    EXPECT_EQ(leading_integer("abc"), 0);
    EXPECT_EQ(leading_integer(""), 0);
    EXPECT_EQ(leading_integer("-3"), -3);
    EXPECT_EQ(leading_integer(" 5"), 0);
    EXPECT_EQ(leading_integer("999999999999999999999999"), std::numeric_limits<long long>::max());
    EXPECT_EQ(leading_integer("-999999999999999999999999"), std::numeric_limits<long long>::min());
}

TEST(Text, ReplaceAll) {
    EXPECT_EQ(replace_all("ether1 ether10 ether11", "ether1", "ether9"), "ether9 ether90 ether91");
    EXPECT_EQ(replace_all("ether1", "Ether1", "x"), "ether1");  // case-sensitive
    EXPECT_EQ(replace_all("aaa", "a", "aa"), "aaaaaa");         // no rescanning
    EXPECT_EQ(replace_all("abc", "", "x"), "abc");
    EXPECT_EQ(replace_all("a-b-c", "-", ""), "abc");
}

TEST(Text, SplitLinesAndDns) {
    EXPECT_EQ(split_lines("a\r\nb\r\n"), (std::vector<std::string_view>{"a", "b"}));
    EXPECT_EQ(split_lines("a\r\n\r\nb"), (std::vector<std::string_view>{"a", "", "b"}));
    EXPECT_TRUE(split_lines("").empty());
    EXPECT_EQ(dns_servers("1.1.1.1", "8.8.8.8"), "1.1.1.1,8.8.8.8");
    EXPECT_EQ(dns_servers("1.1.1.1", ""), "1.1.1.1");
    EXPECT_EQ(dns_servers("", "8.8.8.8"), "8.8.8.8");
    EXPECT_EQ(dns_servers("", ""), "");
    EXPECT_EQ(line_numbers(3), "1\r\n2\r\n3");
    EXPECT_EQ(line_numbers(1), "1");
}

TEST(Random, RemainderMapping) {
    ScriptedRandom source({7, 0xFFFFFFFFu, 12});
    EXPECT_EQ(random_in_range(source, 1, 5), 3);  // 1 + 7 % 5
    EXPECT_EQ(random_in_range(source, 0, 9), 5);  // 4294967295 % 10
    EXPECT_EQ(random_in_range(source, 5, 5), 5);
    EXPECT_EQ(random_in_range(source, 9, 0), 0);      // empty range, nothing drawn
    EXPECT_EQ(random_in_range(source, -10, -1), -3);  // -10 + 7 % 10
    SeededRandom a(42), b(42);
    EXPECT_EQ(a.next(), b.next());
}

// The first octet decides whether a router takes the address for an interface: bit 0 (multicast) must
// be clear, and bit 1 (locally administered) set so it can never equal a vendor's address.
TEST(Random, MacAddressesAreUnicastAndLocallyAdministered) {
    struct Case {
        const char* why;
        std::vector<std::uint32_t> raw;
        std::string want;
    };
    const Case cases[] = {
        {"multicast bit cleared, local bit set", {0x6B, 0x3F, 0xC2, 0x71, 0x9E, 0xB4}, "6A:3F:C2:71:9E:B4"},
        {"all bits set", {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}, "FE:FF:FF:FF:FF:FF"},
        {"all bits clear", {0, 0, 0, 0, 0, 0}, "02:00:00:00:00:00"},
        {"only the low byte of each value",
         {0x12345601, 0xABCDEF0A, 0x100, 0x1FF, 0x80000010, 0x7},
         "02:0A:00:FF:10:07"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        ScriptedRandom source(c.raw);
        EXPECT_EQ(mac_text(random_mac(source)), c.want);
    }
    SeededRandom seeded(7);
    for (int i = 0; i < 2000; ++i) {
        const MacAddress mac = random_mac(seeded);
        ASSERT_EQ(mac[0] & 0x03, 0x02) << mac_text(mac);
    }
}

TEST(ScriptBuilder, JoinsWithCrLfAndKeepsExplicitBlanks) {
    ScriptBuilder s;
    EXPECT_TRUE(s.empty());
    s.line("a").blank().line("b");
    EXPECT_EQ(s.str(), "a\r\n\r\nb");
    ScriptBuilder t;
    t.blank();
    EXPECT_EQ(t.str(), "");
    t.line("x");
    EXPECT_EQ(t.str(), "\r\nx");
}

}  // namespace
}  // namespace vorlix
