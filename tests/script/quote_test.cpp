#include "script/quote.hpp"

#include <gtest/gtest.h>

#include <algorithm>

#include "script/encoding.hpp"
#include "script/ros_escape.hpp"
#include "script/text.hpp"
#include "support/ros_reader.hpp"

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

TEST(BareTime, DropsBlanksAndQuotesTheRest) {
    const Case cases[] = {
        {"interval with a blank", "1d 00:00:00", "1d00:00:00"},
        {"time of day", "02:00:00", "02:00:00"},
        {"blanks around and a tab", " 1d\t2h ", "1d2h"},
        {"only blanks: an empty value", "  ", "\"\""},
        {"what a bare word cannot hold stays quoted", "1d $x", "\"1d\\$x\""},
        {"a placeholder name typed into the field", "{执行时间}", "\"{\\D6\\B4\\D0\\D0\\CA\\B1\\BC\\E4}\""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_EQ(bare_time(c.in), c.want);
    }
}

TEST(QuoteScript, LaysTheScriptOutAsAnExport) {
    const Case cases[] = {
        {"empty script", "", "\"\""},
        {"one line", ":log info x", "\"\\\r\n    :log info x\""},
        {"lines after the first start with \\n, all but the last end in \\r and a backslash", "a\r\nb\r\nc",
         "\"\\\r\n    a\\r\\\r\n    \\nb\\r\\\r\n    \\nc\""},
        {"an empty last line keeps the script's final line end", "a\r\n", "\"\\\r\n    a\\r\\\r\n    \\n\""},
        {"blanks that start the first line would be dropped with the continuation", "  x\r\n  y",
         "\"\\\r\n    \\20\\20x\\r\\\r\n    \\n  y\""},
        {"the script's own strings and variables are escaped once more", ":local p \"pa\\$w\"\r\n:put $p",
         "\"\\\r\n    :local p \\\"pa\\\\\\$w\\\"\\r\\\r\n    \\n:put \\$p\""},
        {"help character", ":put \"x\\?\"", "\"\\\r\n    :put \\\"x\\\\\\?\\\"\""},
        {"Chinese as GBK escapes, in comments too", "#中文", "\"\\\r\n    #\\D6\\D0\\CE\\C4\""},
        {"a GBK second byte that is a backslash is escaped with its first", "#乗", "\"\\\r\n    #\\81\\5C\""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_EQ(quote_script(c.in), c.want);
    }
}

// The round trip the two levels of quoting are for: the console reads the command and stores the
// script; the script, when it runs, reads its own string. Both readings must give back the value.
TEST(QuoteScript, ATypedValueSurvivesBothReadings) {
    const std::string_view values[] = {"pa$word",     "a\"b",          "x?y",       "c:\\dir\\", "two words",
                                       "$(x)[y]{z};", "line\r\nbreak", "tab\there", "",          "密码"};
    for (const std::string_view value : values) {
        SCOPED_TRACE(value);
        const std::string script = ":local a 1\r\n:local pass \"" + escape_value(value) + "\"\r\n:put $pass";
        const std::string command = "/system scheduler add name=t on-event=" + quote_script(script);
        const std::vector<std::string> lines = test::logical_lines(command);
        ASSERT_EQ(lines.size(), 1u);
        const std::optional<std::string> stored = test::value_after(lines[0], "on-event=");
        ASSERT_TRUE(stored);
        // What the router stores is the script with its Chinese as GBK bytes.
        EXPECT_EQ(*stored, utf8_to_gbk(script));
        const std::optional<std::string> read = test::value_after(*stored, ":local pass ");
        ASSERT_TRUE(read);
        EXPECT_EQ(*read, utf8_to_gbk(value));
    }
}

TEST(ItemByName, BareNameOrFindByQuotedName) {
    const Case cases[] = {
        {"interface", "ether1", "ether1"},
        {"blank", "my wan", "[find name=\"my wan\"]"},
        {"quote and dollar stay inside the string", "a\"b$", "[find name=\"a\\\"b\\$\"]"},
        {"Chinese", "外网", "[find name=\"\\CD\\E2\\CD\\F8\"]"},
        {"empty names no item", "", "[find name=\"\"]"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_EQ(item_by_name(c.in), c.want);
    }
}

}  // namespace
}  // namespace vorlix
