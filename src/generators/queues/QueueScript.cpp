#include "generators/queues/QueueScript.hpp"

#include "script/quote.hpp"

namespace vorlix {
namespace {

constexpr const char* kNoDay = "请选择要限速的哪一天!";
constexpr const char* kBadTime = "您填写的Time时间段格式有误,格式: 12:10:10";
constexpr int kNoIcon = 0;

bool all_digits(std::string_view text) {
    if (text.empty()) return false;
    for (const char c : text)
        if (c < '0' || c > '9') return false;
    return true;
}

// The hours part may carry a day count in front: "1d00".
bool hours_with_days(std::string_view text) {
    const std::size_t d = text.find('d');
    if (d == std::string_view::npos) return all_digits(text);
    return all_digits(text.substr(0, d)) && all_digits(text.substr(d + 1));
}

// The head of both loops, up to the queue command.
std::string loop_head(const HostQueueFields& f) {
    return ":for mavek from=" + bare_value(f.first) + " to=" + bare_value(f.last) + " do={/queue simple ";
}

}  // namespace

std::string rate_pair(const RatePair& p) {
    return bare_value(p.up + "/" + p.down);
}

std::optional<std::string> queue_time(std::string_view text) {
    std::string compact;
    for (const char c : text)
        if (c != ' ') compact += c;
    std::string_view parts[3];
    std::string_view rest = compact;
    for (int i = 0; i < 2; ++i) {
        const std::size_t colon = rest.find(':');
        if (colon == std::string_view::npos) return std::nullopt;
        parts[i] = rest.substr(0, colon);
        rest.remove_prefix(colon + 1);
    }
    parts[2] = rest;
    if (!hours_with_days(parts[0]) || !all_digits(parts[1]) || !all_digits(parts[2])) return std::nullopt;
    return std::string(parts[0]) + "h" + std::string(parts[1]) + "m" + std::string(parts[2]) + "s";
}

std::string weekday_list(const std::array<bool, 7>& days) {
    std::string out;
    for (std::size_t i = 0; i < days.size(); ++i) {
        if (!days[i]) continue;
        if (!out.empty()) out += ',';
        out += kWeekdays[i];
    }
    return out;
}

Result host_queue_loop(const HostQueueFields& f, const TimeWindowBoxes& boxes) {
    std::string time;
    if (f.time) {
        const std::string days = weekday_list(f.time->days);
        if (days.empty()) return Result::refuse(kNoDay, {}, kIconError);
        const std::optional<std::string> start = queue_time(f.time->start);
        if (!start) return Result::refuse(kBadTime, boxes.start, kIconError);
        const std::optional<std::string> end = queue_time(f.time->end);
        if (!end) return Result::refuse(kBadTime, boxes.end, kNoIcon);
        time = " time=" + bare_value(*start + "-" + *end + "," + days);
    }
    std::string line = loop_head(f) + "add name=(" + quote_value(f.name_prefix) + ".$mavek) target=(" +
                       quote_value(f.ip_prefix + ".") + " . $mavek) limit-at=" + rate_pair(f.limit_at) +
                       " max-limit=" + rate_pair(f.max_limit);
    if (f.burst) {
        const QueueBurst& b = *f.burst;
        line += " burst-limit=" + rate_pair(b.limit) + " burst-threshold=" + rate_pair(b.threshold) +
                " burst-time=" + rate_pair({b.up_time + "s", b.down_time + "s"}) +
                " priority=" + bare_value(b.priority);
    }
    return Result::ok(line + time + " disabled=no}");
}

std::string host_queue_removal(const HostQueueFields& f) {
    return loop_head(f) + "remove (" + quote_value(f.name_prefix) + " . $mavek)}";
}

}  // namespace vorlix
