#pragma once
#include <string>

namespace vorlix {

// The per-user data directory: $VORLIX_DATA_DIR when set, else $XDG_CONFIG_HOME/vorlix (or
// ~/.config/vorlix) on Linux and %APPDATA%\vorlix on Windows. It is not created here.
std::string data_dir();

}  // namespace vorlix
