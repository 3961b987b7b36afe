#pragma once
// Page "定时重启/关机": a scheduler entry that shuts the router down or reboots it every interval.
#include <string>

#include "forms/outcome.hpp"
#include "forms/page_entry.hpp"

namespace vorlix {

struct ScheduleFields {
    std::string name, start_date, run_time, interval, comment;
    std::string action;  // "/system shutdown" or "/system reboot"
};

// "/system scheduler add name=... on-event=... start-date=... start-time=... interval=... comment=...
// disabled=no" on one line.
Result generate_schedule(const ScheduleFields& f);

const PageSpec& scheduled_reboot_page_spec();
PageEntry scheduled_reboot_page();

}  // namespace vorlix
