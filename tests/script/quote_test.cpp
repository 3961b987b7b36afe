#include "script/quote.hpp"

#include <gtest/gtest.h>

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
        {"Chinese is kept", "中文", "\"中文\""},
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
        {"Chinese", "外网", "\"外网\""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_EQ(bare_value(c.in), c.want);
    }
}

TEST(ItemByName, BareNameOrFindByQuotedName) {
    const Case cases[] = {
        {"interface", "ether1", "ether1"},
        {"blank", "my wan", "[find name=\"my wan\"]"},
        {"quote and dollar stay inside the string", "a\"b$", "[find name=\"a\\\"b\\$\"]"},
        {"Chinese", "外网", "[find name=\"外网\"]"},
        {"empty names no item", "", "[find name=\"\"]"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_EQ(item_by_name(c.in), c.want);
    }
}

}  // namespace
}  // namespace vorlix
