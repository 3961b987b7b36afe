#pragma once
#include <string>

namespace vorlix {

// The per-user data directory: $VORLIX_DATA_DIR when set, else $XDG_CONFIG_HOME/vorlix (or
// ~/.config/vorlix) on Linux and %APPDATA%\vorlix on Windows. It is not created here.
std::string data_dir();

// The IEEE registry location the user named for the MAC vendor lookup: $VORLIX_IEEE_DATA, or "".
std::string mac_registry_setting();

// The usage-statistics address the environment names: $VORLIX_STATS_URL, or "".
std::string stats_url_setting();

}  // namespace vorlix
