#include "script/ros_date.hpp"

#include <array>
#include <ctime>
#include <vector>

#include "script/text.hpp"

namespace vorlix {
namespace {

// Pieces of the text between slashes. An empty remainder after the last slash adds no piece.
std::vector<std::string_view> slash_pieces(std::string_view text) {
    std::vector<std::string_view> pieces;
    while (!text.empty()) {
        const std::size_t slash = text.find('/');
        pieces.push_back(text.substr(0, slash));
        if (slash == std::string_view::npos) break;
        text.remove_prefix(slash + 1);
    }
    return pieces;
}

std::string two_digits(int n) {
    std::string s = std::to_string(n);
    return s.size() < 2 ? "0" + s : s;
}

}  // namespace

std::string ros_date(std::string_view text) {
    static constexpr std::array<const char*, 12> kMonths = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                            "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    const std::vector<std::string_view> pieces = slash_pieces(text);
    if (pieces.size() != 3) return "Jan/1/2015";
    const long long year = leading_integer(pieces[0]);
    if (year < 1970) return "Jan/1/1970";
    const long long month = leading_integer(pieces[1]);
    if (month > 12) return "Jan/1/1970";
    const long long day = leading_integer(pieces[2]);
    if (day > 31) return "Jan/1/1970";
    std::string name = month >= 1 ? kMonths[static_cast<std::size_t>(month - 1)] : std::to_string(month);
    return name + "/" + std::string(pieces[2]) + "/" + std::string(pieces[0]);
}

std::string 时间_到文本(const DateTime& when, int extent, int format) {
    const std::string Y = std::to_string(when.year), M = two_digits(when.month), D = two_digits(when.day),
                      h = two_digits(when.hour), m = two_digits(when.minute), s = two_digits(when.second);
    if (format < 0 || format > 3) return "时间_到文本() 命令参数填写有误";
    switch (extent) {
        case 0: {
            const std::string forms[] = {Y + "年" + M + "月" + D + "日 " + h + "时" + m + "分" + s + "秒",
                                         Y + "-" + M + "-" + D + " " + h + ":" + m + ":" + s,
                                         Y + "/" + M + "/" + D + " " + h + "/" + m + "/" + s, Y + M + D + h + m + s};
            return forms[format];
        }
        case 1: {
            const std::string forms[] = {Y + "年" + M + "月" + D + "日", Y + "-" + M + "-" + D, Y + "/" + M + "/" + D,
                                         Y + M + D};
            return forms[format];
        }
        case 2: {
            const std::string forms[] = {M + "月" + D + "日", M + "-" + D, M + "/" + D, M + D};
            return forms[format];
        }
        case 3: {
            const std::string forms[] = {h + "时" + m + "分" + s + "秒", h + ":" + m + ":" + s, h + "/" + m + "/" + s,
                                         h + m + s};
            return forms[format];
        }
        case 4: {
            const std::string forms[] = {h + "时" + m + "分", h + ":" + m, h + "/" + m, h + m};
            return forms[format];
        }
        case 5: {
            const std::string forms[] = {m + "分" + s + "秒", m + ":" + s, m + "/" + s, m + s};
            return forms[format];
        }
        default:
            return "时间_到文本() 命令参数填写有误";
    }
}

DateTime local_now() {
    const std::time_t t = std::time(nullptr);
    std::tm tm{};
#ifdef _WIN32
    localtime_s(&tm, &t);
#else
    localtime_r(&t, &tm);
#endif
    return {tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec};
}

}  // namespace vorlix
