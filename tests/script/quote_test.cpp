#include "script/quote.hpp"

#include <gtest/gtest.h>

#include <algorithm>

#include "script/encoding.hpp"
#include "script/ros_escape.hpp"
#include "script/text.hpp"

namespace vorlix {
namespace {

struct Case {
    std::string_view why, in, want;
};

TEST(QuoteText, WrapsWithoutEscaping) {
    EXPECT_EQ(quote_text(""), "\"\"");
    EXPECT_EQ(quote_text("a\"b"), "\"a\"b\"");
    EXPECT_EQ(quote_text("\\D6\\D0"), "\"\\D6\\D0\"");
}

TEST(QuoteValue, OrdinaryValuesStayAsTyped) {
    const Case cases[] = {
        {"default user", "MAVEK", "\"MAVEK\""},
        {"address with prefix", "0.0.0.0/0", "\"0.0.0.0/0\""},
        {"interval with a blank", "1d 00:00:00", "\"1d 00:00:00\""},
        {"Chinese as the escapes of its GBK bytes", "中文", "\"\\D6\\D0\\CE\\C4\""},
        {"empty", "", "\"\""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_EQ(quote_value(c.in), c.want);
    }
}

TEST(QuoteValue, EscapesWhatRouterOsReadsSpecially) {
    const Case cases[] = {
        {"dollar would start a variable", "pa$word", "\"pa\\$word\""},
        {"quote would end the string", "a\"b", "\"a\\\"b\""},
        {"question mark prints help", "x?y", "\"x\\?y\""},
        {"backslash starts an escape", "c:\\dir", "\"c:\\\\dir\""},
        {"line break", "a\r\nb", "\"a\\r\\nb\""},
        {"tab", "a\tb", "\"a\\tb\""},
        {"other control byte",
         "a\x01"
         "b",
         "\"a\\01b\""},
        {"delete byte", "a\x7f", "\"a\\7F\""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_EQ(quote_value(c.in), c.want);
    }
}

// Some GBK characters end in the byte 0x5C, a backslash: written raw into a GBK script, the router
// would read it as the start of an escape and misread the rest. Every character beyond ASCII is written
// as the escapes of its GBK bytes, so the script is plain ASCII and the router gets those bytes back.
TEST(QuoteValue, NonAsciiBecomesTheEscapesOfItsGbkBytes) {
    const std::string_view texts[] = {"誠", "運", "錦", "誠實", "a誠$b", "中文", "€", "值班账号"};
    for (const std::string_view t : texts) {
        SCOPED_TRACE(t);
        const std::string escaped = escape_value(t);
        EXPECT_TRUE(std::all_of(escaped.begin(), escaped.end(), [](char c) { return c > 0 && c < 0x7F; })) << escaped;
        // Undoing the hex escapes (and the \$ of the ASCII part) gives the GBK bytes.
        EXPECT_EQ(replace_all(ros_unescape(escaped), "\\$", "$"), utf8_to_gbk(t));
    }
    EXPECT_EQ(escape_value("誠"), "\\D5\\5C");
}

TEST(BareValue, QuotesOnlyWhatABareWordCannotHold) {
    const Case cases[] = {
        {"interface", "ether1", "ether1"},
        {"address", "192.168.1.0/24", "192.168.1.0/24"},
        {"range", "192.168.0.1-192.168.0.100", "192.168.0.1-192.168.0.100"},
        {"rate", "2M/4M", "2M/4M"},
        {"list of servers", "8.8.8.8,114.114.114.114", "8.8.8.8,114.114.114.114"},
        {"blank splits the word", "my wan", "\"my wan\""},
        {"empty value", "", "\"\""},
        {"semicolon ends the command", "a;b", "\"a;b\""},
        {"equals sign", "a=b", "\"a=b\""},
        {"dollar", "$x", "\"\\$x\""},
        {"brackets start a command", "[x]", "\"[x]\""},
        {"Chinese is quoted and escaped", "外网", "\"\\CD\\E2\\CD\\F8\""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_EQ(bare_value(c.in), c.want);
    }
}

}  // namespace
}  // namespace vorlix
