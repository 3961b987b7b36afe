#pragma once
// Dates for the RouterOS scheduler and date-stamped file names.
#include <optional>
#include <string>
#include <string_view>

namespace vorlix {

// A local date and time, broken down.
struct DateTime {
    int year = 1970, month = 1, day = 1, hour = 0, minute = 0, second = 0;
};

// A typed year/month/day as the scheduler's month-name/day/year. Day and year are copied as typed;
// text that is not three slash-separated pieces gives Jan/1/2015, a year before 1970 or a month or
// day out of range gives Jan/1/1970.
// Example: ros_date("2015/01/01") == "Jan/01/2015", ros_date("2020/4/1") == "Apr/1/2020"
std::string ros_date(std::string_view text);

// A date-time as text in one of six extents (0 whole, 1 date, 2 month and day, 3 time, 4 hour and
// minute, 5 minute and second) and four formats (0 Chinese units, 1 "-" and ":", 2 "/", 3 no
// separators). Any other pair gives the text "时间_到文本() 命令参数填写有误".
// Example: 时间_到文本({2016, 3, 5, 7, 8, 9}, 1, 3) == "20160305"
std::string 时间_到文本(const DateTime& when, int extent, int format);

// The computer's current local date and time.
DateTime local_now();

}  // namespace vorlix
