#include "forms/notices.hpp"

#include <algorithm>

#include "forms/settings.hpp"
#include "script/encoding.hpp"
#include "script/text.hpp"

namespace vorlix {

bool notice_accepted(std::string_view body) {
    body = body.substr(0, body.find('\0'));
    return strip_utf8_bom(body) == "true";
}

bool send_notice(const NoticeLink& link, std::string_view query, int attempts) {
    if (link.endpoint.empty() || !link.get) return false;
    const std::string url = link.endpoint + std::string(query);
    for (int attempt = 0; attempt < attempts; ++attempt) {
        if (attempt > 0 && link.pause && !link.pause(link.spacing)) return false;
        const std::optional<std::string> body = link.get(url);
        if (body && notice_accepted(*body)) return true;
    }
    return false;
}

std::string notice_date(const DateTime& today) {
    return std::to_string(today.year) + "年" + std::to_string(today.month) + "月" + std::to_string(today.day) + "日";
}

void usage_report(const NoticeLink& link, const std::string& data_dir, const DateTime& today) {
    const std::string date = notice_date(today);
    if (read_setting(data_dir, setting::date) != date) {
        // A date that cannot be stored only means the daily report goes again at the next start.
        (void)write_setting(data_dir, setting::date, date);
        send_notice(link, "?var=pcs");
    }
    send_notice(link, "?var=times");
}

std::optional<long long> online_report(const NoticeLink& link, const std::string& data_dir) {
    if (!send_notice(link, "?onoffline=on")) return std::nullopt;
    // Leading digits count; an empty or damaged value counts as 0, an absurdly long one stops growing.
    const std::string stored = read_setting(data_dir, setting::offfalse);
    constexpr long long kMost = 1LL << 53;  // still exact as a number in the report
    long long count = std::clamp(leading_integer(stored), 0LL, kMost);
    if (count < kMost) ++count;
    (void)write_setting(data_dir, setting::offfalse, std::to_string(count));
    return count;
}

bool offline_report(const NoticeLink& link, const std::string& data_dir, long long count) {
    if (!send_notice(link, "?onoffline=" + std::to_string(count), 1)) return false;
    (void)write_setting(data_dir, setting::offfalse, "0");
    return true;
}

}  // namespace vorlix
