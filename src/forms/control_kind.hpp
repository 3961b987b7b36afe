#pragma once
#include <string_view>

#include "forms/page_spec.hpp"

namespace vorlix {

// The name `vorlix-cli show` prints for a kind of control ("edit", "drop-down", "line-list" ...).
std::string_view kind_name(ControlKind kind);

}  // namespace vorlix
