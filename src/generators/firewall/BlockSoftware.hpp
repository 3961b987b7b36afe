#pragma once
// Page "封锁软件类": eight buttons, each writing one built-in rule set (FixedRuleSets.hpp): the
// layer-7 protocol catalogue and the sets that stop download tools, P2P and streaming clients and a
// messaging client. The page has no inputs.
#include "forms/page_entry.hpp"

namespace vorlix {

const PageSpec& block_software_page_spec();
PageEntry block_software_page();

}  // namespace vorlix
