#pragma once
#include "forms/registry.hpp"

namespace vorlix {

// Every page of the program in tab order, and the side windows.
const Registry& registry();

}  // namespace vorlix
