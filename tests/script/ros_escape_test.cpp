#include "script/ros_escape.hpp"

#include <gtest/gtest.h>

#include "script/encoding.hpp"

namespace vorlix {
namespace {

struct Case {
    std::string_view why, in, want;
};

TEST(RosEscape, KeepsOnlyLettersDigitsMinusAndDot) {
    const Case cases[] = {
        {"empty", "", ""},
        {"blank", "default gateway", "default\\20gateway"},
        {"kept set", "ADMIN-MAVEK.v2", "ADMIN-MAVEK.v2"},
        {"underscore, slash, colon", "a_b/c:d", "a\\5Fb\\2Fc\\3Ad"},
        {"percent sign", "50%", "50\\25"},
        {"backslash and quote", "\\\"", "\\5C\\22"},
        {"line break", "a\r\nb", "a\\0D\\0Ab"},
        {"high bytes in upper case", "\xD6\xD0\xCE\xC4", "\\D6\\D0\\CE\\C4"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_EQ(ros_escape(c.in), c.want);
    }
}

TEST(RosEscape, EscapesTheBytesOfTheChosenEncoding) {
    EXPECT_EQ(ros_escape(utf8_to_gbk("中文")), "\\D6\\D0\\CE\\C4");
    EXPECT_EQ(ros_escape(utf8_to_gbk("定时关机")), "\\B6\\A8\\CA\\B1\\B9\\D8\\BB\\FA");
    EXPECT_EQ(ros_escape("无线网络"), "\\E6\\97\\A0\\E7\\BA\\BF\\E7\\BD\\91\\E7\\BB\\9C");
}

TEST(EscapeNonAscii, EscapesEveryGbkByteOfEachCharacterAndNothingElse) {
    const Case cases[] = {
        {"ASCII as it stands, backslashes and quotes too", ":log info \"a\\$b\" # x", ":log info \"a\\$b\" # x"},
        {"Chinese", "中文", "\\D6\\D0\\CE\\C4"},
        {"full-width comma", "，", "\\A3\\AC"},
        {"a second byte that reads as a backslash", "乗", "\\81\\5C"},
        {"a second byte that reads as a letter", "丂", "\\81\\40"},
        {"a character GBK lacks becomes ?", "😀", "\\3F"},
        {"a byte that is not UTF-8",
         "a\xFF"
         "b",
         "a\\3Fb"},
        {"empty", "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_EQ(escape_non_ascii(c.in), c.want);
    }
}

TEST(RosUnescape, DecodesEscapesAndPassesEverythingElse) {
    const Case cases[] = {
        {"lower-case digits", "\\d6\\d0\\ce\\c4", "\xD6\xD0\xCE\xC4"},
        {"no backslash", "plain text", "plain text"},
        {"empty", "", ""},
        {"mixed plain and escaped", "Wan\\20Ip", "Wan Ip"},
        // Malformed escapes stay as typed rather than turning into arbitrary bytes.
        {"backslash at the end", "ab\\", "ab\\"},
        {"one digit then end", "ab\\4", "ab\\4"},
        {"not hex", "\\zz1", "\\zz1"},
        {"a literal percent is not an escape", "50%25", "50%25"},
        // A GBK character whose second byte is 0x5C is not the start of an escape.
        {"GBK trail byte 5C",
         "\x95\x5C"
         "41",
         "\x95\x5C"
         "41"},
        {"escaped zero byte is kept", "a\\00b", std::string_view("a\0b", 3)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_EQ(ros_unescape(c.in), c.want);
    }
}

TEST(RosUnescape, ReversesEscapeForAnyBytes) {
    std::string all;
    for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
    EXPECT_EQ(ros_unescape(ros_escape(all)), all);
    EXPECT_EQ(ros_unescape(ros_escape(all), ByteText::utf8), all);
    const std::string gbk = utf8_to_gbk("中文备注 with\\slash");
    EXPECT_EQ(ros_unescape(ros_escape(gbk)), gbk);
}

TEST(RosUnescape, Utf8ModeTreatsEveryBackslashAsEscape) {
    // In GBK mode E4 B8 would be read as one character; UTF-8 text must not swallow the escape.
    EXPECT_EQ(ros_unescape("中\\20文", ByteText::utf8), "中 文");
}

}  // namespace
}  // namespace vorlix
