#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "script/encoding.hpp"

namespace vorlix {
namespace {

using namespace std::string_literals;

TEST(Encoding, DroppedFileIsUtf8WhenValidElseGbkCutAtZero) {
    struct Case {
        std::string_view why;
        std::string in, want;
    };
    const Case cases[] = {
        {"GBK, as the program saves", "/system reboot \xD6\xD0\xCE\xC4\r\n", "/system reboot 中文\r\n"},
        {"UTF-8 without BOM", "# 中文注释\r\n/ip address print", "# 中文注释\r\n/ip address print"},
        {"UTF-8 with BOM", "\xEF\xBB\xBF# 中文", "# 中文"},
        {"ASCII with a zero byte", "ab\0cd"s, "ab"},
        {"GBK with a zero byte", "\xD6\xD0\0\xCE\xC4"s, "中"},
        {"UTF-8 with a zero byte", "中\0文"s, "中"},
        {"zero byte first", "\0abc"s, ""},
        {"empty file", "", ""},
        // A character cut short at the end of the file does not make it UTF-8.
        {"GBK cut short", "\xD6\xD0\xCE", "中\xEF\xBF\xBD"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_EQ(decode_dropped_file(c.in), c.want);
    }
}

}  // namespace
}  // namespace vorlix
