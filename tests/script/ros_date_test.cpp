#include "script/ros_date.hpp"

#include <gtest/gtest.h>

namespace vorlix {
namespace {

TEST(RosDate, ConvertsAndFallsBack) {
    struct Case {
        std::string_view in, want;
    };
    const Case cases[] = {
        {"2015/01/01", "Jan/01/2015"},
        {"1990/12/31", "Dec/31/1990"},
        {"2020/4/1", "Apr/1/2020"},
        {"2020/10/09", "Oct/09/2020"},
        {"", "Jan/1/2015"},              // no pieces
        {"2015-01-01", "Jan/1/2015"},    // one piece
        {"2015/01", "Jan/1/2015"},       // two pieces
        {"/2015/01/01", "Jan/1/2015"},   // four pieces: the empty one before the first slash counts
        {"2015/01/01/", "Jan/01/2015"},  // a trailing slash adds no piece
        {"2015//01", "0/01/2015"},       // an empty middle piece is month 0
        {"1969/12/31", "Jan/1/1970"},
        {"2015/13/01", "Jan/1/1970"},
        {"2015/01/32", "Jan/1/1970"},
        {"abc/1/1", "Jan/1/1970"},  // the year reads as 0
        {"2015/00/01", "0/01/2015"},
        {"2015/-3/01", "-3/01/2015"},
        {"2015/02/31", "Feb/31/2015"},                               // no check against the month's length
        {"2015/1x/7 ", "Jan/7 /2015"},                               // leading digits count; the day is copied as typed
        {"99999999999999999999/1/1", "Jan/1/99999999999999999999"},  // saturates, no overflow
        {"2015/年/01", "0/01/2015"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.in);
        EXPECT_EQ(ros_date(c.in), c.want);
    }
}

TEST(TimeToText, EveryExtentAndFormat) {
    const DateTime t{2016, 3, 5, 7, 8, 9};
    const char* want[6][4] = {
        {"2016年03月05日 07时08分09秒", "2016-03-05 07:08:09", "2016/03/05 07/08/09", "20160305070809"},
        {"2016年03月05日", "2016-03-05", "2016/03/05", "20160305"},
        {"03月05日", "03-05", "03/05", "0305"},
        {"07时08分09秒", "07:08:09", "07/08/09", "070809"},
        {"07时08分", "07:08", "07/08", "0708"},
        {"08分09秒", "08:09", "08/09", "0809"},
    };
    for (int extent = 0; extent < 6; ++extent)
        for (int format = 0; format < 4; ++format) {
            SCOPED_TRACE(testing::Message() << extent << "," << format);
            EXPECT_EQ(时间_到文本(t, extent, format), want[extent][format]);
        }
    const std::string error = "时间_到文本() 命令参数填写有误";
    EXPECT_EQ(时间_到文本(t, 6, 1), error);
    EXPECT_EQ(时间_到文本(t, 1, 4), error);
    EXPECT_EQ(时间_到文本(t, -1, 0), error);
    EXPECT_EQ(时间_到文本({2026, 12, 31, 23, 59, 59}, 1, 3), "20261231");
}

}  // namespace
}  // namespace vorlix
