#pragma once
// Page "PCQ智能动态限速": an interface's bandwidth shared fairly among all hosts by two PCQ queue types
// (upload by source address, download by destination address) under two queue trees. The dynamic
// set-up adds traffic monitors and router scripts that switch each tree on when the interface's
// traffic rises above one threshold and off when it falls below another.
#include <string>

#include "forms/outcome.hpp"
#include "forms/page_entry.hpp"
#include "generators/queues/QueueScript.hpp"

namespace vorlix {

struct PcqFields {
    RatePair per_host;      // each host's upload and download rate
    std::string interface;  // the parent of both queue trees
};

struct PcqDynamicFields {
    PcqFields pcq;
    RatePair on, off;  // the upload and download thresholds that switch the trees on, and off
};

// Five lines: the two types, a mark on every packet, the trees PCQup and PCQdown.
Result generate_pcq_static(const PcqFields& f);
// Thirteen lines: the types, the mark, the trees, four traffic monitors on the interface and the
// four router scripts they run (upon, upoff, downon, downoff).
Result generate_pcq_dynamic(const PcqDynamicFields& f);

const PageSpec& pcq_dynamic_page_spec();
PageEntry pcq_dynamic_page();

}  // namespace vorlix
