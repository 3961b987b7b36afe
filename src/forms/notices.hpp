#pragma once
// Usage notices: plain HTTP GET requests to a statistics page that the user configured (there is no
// built-in one), once a day per computer, once per start, and when an instance comes online and goes
// offline. The server accepts a report by answering exactly "true". The network and the pause between
// attempts are injected, so the rules run the same with a real client, in tests and with nothing
// configured.
#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "script/ros_date.hpp"

namespace vorlix {

struct NoticeLink {
    std::string endpoint;  // the statistics page, e.g. "http://127.0.0.1:8080/tongji.php"; "" sends nothing
    // One GET: the body of the answer, or nothing when no answer came (no connection, time-out,
    // an HTTP error status).
    std::function<std::optional<std::string>(const std::string& url)> get;
    // Waits before the next attempt; false when the program is ending and the attempts should stop.
    std::function<bool(std::chrono::milliseconds)> pause;
    std::chrono::milliseconds spacing{10000};
};

inline constexpr int kNoticeAttempts = 4;

// Whether an answer's body accepts the report: up to a first zero byte, a leading UTF-8 byte-order mark
// dropped, exactly "true".
// Example: notice_accepted("\xEF\xBB\xBFtrue") == true, notice_accepted("true\n") == false
bool notice_accepted(std::string_view body);

// Sends endpoint + query until it is accepted, at most `attempts` times, pausing `spacing` between
// attempts. Returns whether an attempt was accepted. Nothing is sent without an endpoint.
bool send_notice(const NoticeLink& link, std::string_view query, int attempts = kNoticeAttempts);

// The date of the daily report as the settings file keeps it: year年month月day日 without leading zeros.
// Example: notice_date({2015, 1, 1}) == "2015年1月1日"
std::string notice_date(const DateTime& today);

// The daily and per-start report: on the first start of a day the date is stored (before sending, so a
// report that is never accepted is not tried again that day) and "?var=pcs" is sent; every start then
// sends "?var=times".
void usage_report(const NoticeLink& link, const std::string& data_dir, const DateTime& today);

// The online report "?onoffline=on". When accepted, the count of unbalanced online reports in the
// settings grows by one and is returned: the offline report sends it. Nothing when not accepted.
std::optional<long long> online_report(const NoticeLink& link, const std::string& data_dir);

// The offline report "?onoffline=<count>", one attempt. When accepted the stored count goes back to 0;
// otherwise it stays and goes, plus one, into the next run's report. Returns whether it was accepted.
bool offline_report(const NoticeLink& link, const std::string& data_dir, long long count);

}  // namespace vorlix
