#pragma once
// The settings file: config.ini in the per-user data directory, GBK text, every key in section
// "log". It holds the interface language, the date of the last daily usage report, the count of online
// reports not yet balanced by an offline one, and, for those who want the usage reports, the address
// of their statistics page. A file that cannot be read or parsed reads as empty: settings never keep
// the program from starting.
#include <optional>
#include <string>
#include <string_view>

namespace vorlix {

namespace setting {
inline constexpr std::string_view language = "language";  // "1" Traditional, anything else Simplified
inline constexpr std::string_view date = "date";          // 2015年1月1日
inline constexpr std::string_view offfalse = "offfalse";  // decimal count
inline constexpr std::string_view stats_url = "stats_url";
}  // namespace setting

// The path of config.ini in a data directory.
std::string settings_path(const std::string& data_dir);

// The value of a key of section log; empty when the file, the key or the directory is missing or the
// file cannot be read.
std::string read_setting(const std::string& data_dir, std::string_view key);

// Sets one key of section log, keeping the rest of the file, and creates the directory and the file
// when needed. The file is replaced whole, through a temporary file, so a failure leaves the old one.
// Returns what went wrong, or nothing. Safe to call from several threads at once.
std::optional<std::string> write_setting(const std::string& data_dir, std::string_view key, std::string_view value);

// Whether the settings ask for the Traditional interface: key language is exactly "1".
bool traditional_chosen(const std::string& data_dir);

// The statistics page the usage reports go to: $VORLIX_STATS_URL when set, else the key stats_url;
// empty (no reports at all) when neither names one. There is no built-in address.
std::string stats_endpoint(const std::string& data_dir);

}  // namespace vorlix
