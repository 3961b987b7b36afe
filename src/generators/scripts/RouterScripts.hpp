#pragma once
// The pages under "脚本": ready-made scripts that run on the router by themselves. Counting the
// computers online, a daily configuration backup, a configuration backup sent by e-mail,
// re-balancing the PPPoE PCC rules when lines drop, and a reminder for PPPoE accounts about to expire.
#include <array>
#include <string>
#include <string_view>

#include "forms/page_entry.hpp"

namespace vorlix {

// Page "统计在线计算机": LAN sources go into an address list for a minute at a time, and a
// scheduler entry logs how many entries the list holds.
struct OnlineCountFields {
    std::string subnet;    // the LAN, as an address, prefix or range
    std::string interval;  // how often the count is logged
};
Result generate_online_count(const OnlineCountFields& f);

// Page "ROS备份": a scheduler entry that saves a backup named by the router's date (20150125).
struct ScheduledBackupFields {
    std::string time;      // time of day of the first backup
    std::string interval;  // time between backups
};
Result generate_scheduled_backup(const ScheduledBackupFields& f);

// A public mail service the e-mail page offers as the sender's and the recipient's domain.
struct MailProvider {
    std::string_view domain;  // with its leading "@", as the lists show it
    std::string_view smtp;    // the host the router sends through
    int port;                 // SMTP over TLS from the first byte
};
const std::array<MailProvider, 3>& mail_providers();
// The provider that sends for the sender list's selected item: the third one for any index past
// the second, and for no selection.
const MailProvider& sending_provider(int sender_index);

// Page "邮箱备份": one backup, saved and sent as an e-mail attachment at once.
struct MailBackupFields {
    std::string recipient_prefix, recipient_domain;  // the recipient's address in two parts
    std::string sender_prefix;                       // the sender's account name
    int sender_index = 0;                            // the selected sender domain
    std::string sender_domain;                       // its text
    std::string password;                            // the sender's mail password
    std::string interface;                           // whose address the mail reports
};
// The script is stored under a name of its own (any older one of that name removed first) and run
// at once: stored, its :local variables live through the whole script, and it can be run again.
Result generate_mail_backup(const MailBackupFields& f);

// Page "PPPoE断线修改PCC参数": a stored script, run every minute, that spreads new connections over
// the PPPoE lines that are up, on the rules the "多线PPPoE负载" page writes.
Result generate_pcc_rebalance();

// Page "pppoe到期提醒": HTTP requests redirected now and then to the router's web proxy, whose error
// page tells the user, and a daily script that gives secrets that expire within three days a
// reminder address and disables expired ones.
Result generate_expiry_reminder();

const PageSpec& online_count_page_spec();
const PageSpec& scheduled_backup_page_spec();
const PageSpec& mail_backup_page_spec();
const PageSpec& pcc_rebalance_page_spec();
const PageSpec& expiry_reminder_page_spec();
PageEntry online_count_page();
PageEntry scheduled_backup_page();
PageEntry mail_backup_page();
PageEntry pcc_rebalance_page();
PageEntry expiry_reminder_page();

}  // namespace vorlix
