#pragma once
// Page "系统其它设置": fixed inspection and service commands, the router's identity, three ready-made
// maintenance schedules, and saving or loading a configuration backup by name or by date.
#include <array>
#include <string>
#include <string_view>

#include "forms/outcome.hpp"
#include "forms/page_entry.hpp"
#include "script/ros_date.hpp"

namespace vorlix {

// A button that always writes the same command.
struct FixedCommand {
    std::string_view button, caption;
    std::string text;
    bool destructive = false;  // reboots, stops or resets the router, or closes a way in
};
inline constexpr std::size_t kFixedCommandCount = 19;
const std::array<FixedCommand, kFixedCommandCount>& fixed_commands();

// "/ip service set [find name="ssh"] disabled=yes" for the given service.
std::string service_off_command(std::string_view service);

// "/system identity set name=..." with the name as RouterOS escapes of its GBK bytes.
// Example: generate_identity("中文").script == "/system identity set name=\"\\D6\\D0\\CE\\C4\""
Result generate_identity(std::string_view name);

// A scheduler entry that removes closed TCP connections every `interval`.
Result generate_connection_cleanup(std::string_view interval);

// Three lines: the NTP client on two public servers, the Shanghai time zone, no daylight saving.
Result generate_time_sync();

// A scheduler entry that flushes the DNS cache once a day.
Result generate_dns_flush();

// The base of a backup named by date: the day as eight digits, year first.
// Example: date_base({2016, 3, 5}) == "20160305"
std::string date_base(const DateTime& now);

// "/system backup save name=BASE", preceded, when `remove_old` is set, by the removal of an older
// BASE.backup (written so that it does nothing when there is none). BASE is the name as RouterOS
// escapes of its GBK bytes.
Result generate_backup(std::string_view name, bool remove_old);

// "/system backup load name=BASE.backup".
Result generate_restore(std::string_view name);

const PageSpec& system_maintenance_page_spec();
PageEntry system_maintenance_page();

}  // namespace vorlix
