#include "script/ini.hpp"

#include <gtest/gtest.h>

namespace vorlix {
namespace {

TEST(IniFile, ReadsEntriesAsWindowsProgramsWriteThem) {
    const IniFile ini = IniFile::parse(
        "; a comment=not an entry\r\n"
        "[log]\r\n"
        "  Language = 1 \r\n"
        "date=2015年1月1日\n"  // a bare LF line end, as an editor may leave it
        "broken line\r\n"
        "[log]\r\n"
        "language=0\r\n"
        "[other]\r\n"
        "empty=\r\n");
    struct Case {
        std::string_view why, section, key;
        std::optional<std::string> want;
    };
    const Case cases[] = {
        {"names match without regard to case, blanks around dropped", "LOG", "language", "1"},
        {"UTF-8 values and LF line ends", "log", "date", "2015年1月1日"},
        {"an entry with an empty value is there", "other", "empty", ""},
        {"a key of another section is not found", "other", "language", std::nullopt},
        {"a comment is no entry", "", "; a comment", std::nullopt},
        {"no such section", "missing", "language", std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_EQ(ini.get(c.section, c.key), c.want);
    }
}

TEST(IniFile, SetKeepsTheRestOfTheFile) {
    IniFile ini = IniFile::parse("; kept\r\n[log]\r\nlanguage=1\r\n\r\n[other]\r\nx=y");
    EXPECT_TRUE(ini.set("log", "LANGUAGE", "0"));  // changed in place, under its old spelling's line
    EXPECT_TRUE(ini.set("log", "offfalse", "3"));  // added at the end of its section, before the blank line
    EXPECT_TRUE(ini.set("new", "k", "v"));         // a new section at the end
    EXPECT_EQ(ini.text(), "; kept\r\n[log]\r\nLANGUAGE=0\r\nofffalse=3\r\n\r\n[other]\r\nx=y\r\n[new]\r\nk=v\r\n");
    EXPECT_EQ(IniFile::parse(ini.text()).get("log", "language"), "0");
}

TEST(IniFile, RefusesWhatWouldBreakTheFile) {
    IniFile ini = IniFile::parse("[log]\r\nlanguage=1\r\n");
    const std::string before = ini.text();
    struct Case {
        std::string_view why, key, value;
    };
    const Case cases[] = {
        {"a line break in a value would start a new entry", "language", "1\r\nlanguage=0"},
        {"an equals sign in a key would move the split", "a=b", "x"},
        {"an empty key", "", "x"},
        {"a line break in a key", "a\nb", "x"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_FALSE(ini.set("log", c.key, c.value));
        EXPECT_EQ(ini.text(), before);
    }
}

}  // namespace
}  // namespace vorlix
