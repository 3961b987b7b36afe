#pragma once
// Pieces of script that the rate-limiting pages share: the router-side loop that gives every host of a
// LAN range its own simple queue, with its optional burst settings and time window.
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "forms/outcome.hpp"

namespace vorlix {

// An upload and a download value, written "up/down" as RouterOS pairs them.
struct RatePair {
    std::string up, down;
};

// The pair as one argument value: "0/0", or quoted when a typed half needs it ("\"1 M/0\"").
std::string rate_pair(const RatePair& p);

// Burst settings of a simple queue and the priority written with them.
struct QueueBurst {
    RatePair limit, threshold;
    std::string up_time, down_time;  // seconds
    std::string priority;
};

// The weekdays in the order the pages show them: sun, mon, tue, wed, thu, fri, sat.
inline constexpr std::array<std::string_view, 7> kWeekdays = {"sun", "mon", "tue", "wed", "thu", "fri", "sat"};

// The hours of the day, on the chosen weekdays, in which a queue limits.
struct QueueTimeWindow {
    std::array<bool, 7> days{};  // in the order of kWeekdays
    std::string start, end;      // "h:m:s" as typed
};

// The boxes a refused time window puts the focus in.
struct TimeWindowBoxes {
    std::string_view start, end;
};

// One simple queue for every host number from `first` to `last`: queue <name prefix><n> limits
// <ip prefix>.<n>. The loop runs on the router, so the script stays one line however many hosts.
struct HostQueueFields {
    std::string ip_prefix;  // the first three octets, "192.168.1"
    std::string name_prefix;
    std::string first, last;  // host numbers as typed
    RatePair limit_at, max_limit;
    std::optional<QueueBurst> burst;
    std::optional<QueueTimeWindow> time;
};

// A typed h:m:s time as RouterOS writes a time without blanks: hours (after an optional day count
// "Nd"), minutes and seconds must each hold digits, blanks anywhere are dropped. Nothing for any other
// text, so that a malformed time is refused instead of splitting the argument.
// Example: queue_time("1d 00:00:00") == "1d00h00m00s", queue_time("12::10") == std::nullopt
std::optional<std::string> queue_time(std::string_view text);

// The checked weekdays joined by ",": "sun,mon,tue,wed,thu,fri,sat" for all seven.
std::string weekday_list(const std::array<bool, 7>& days);

// The creating loop on one line:
// :for mavek from=1 to=200 do={/queue simple add name=("PC".$mavek) target=("192.168.1." . $mavek) ...}
// or a refusal of the time window: no weekday, then a malformed start, then a malformed end.
Result host_queue_loop(const HostQueueFields& f, const TimeWindowBoxes& boxes);

// The loop that removes the queues the creating loop adds.
std::string host_queue_removal(const HostQueueFields& f);

}  // namespace vorlix
