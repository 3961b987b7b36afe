#pragma once
// The first page: a static FAQ about RouterOS.
#include "forms/page_entry.hpp"

namespace vorlix {

const PageSpec& start_page_spec();
PageEntry start_page();

}  // namespace vorlix
