#pragma once
// What a button may need from outside the form, injected so that a press is repeatable in tests and
// from `vorlix-cli --seed/--now`.
#include <string>

#include "script/random.hpp"
#include "script/ros_date.hpp"

namespace vorlix {

struct Env {
    RandomSource& random;
    DateTime now;          // the local date and time of the press
    std::string data_dir;  // the per-user data directory ("" where nothing may be written)
    // Where the user keeps the IEEE registry for the MAC vendor lookup (a directory with oui.csv, or one
    // listing file), tried before the places Debian's ieee-data installs it; "" for none.
    std::string mac_registry = {};
};

}  // namespace vorlix
