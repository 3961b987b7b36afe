#pragma once
// Pages "Queues简单限速" and "PCQ高级动态限速": a simple queue for every host of a LAN range, created by
// one router-side loop, with optional burst settings and a time window on chosen weekdays. The PCQ
// page puts two PCQ queue types and a queue for the whole line in front of the loop and can lift the
// limits of chosen hosts again.
#include <optional>
#include <string>

#include "forms/form.hpp"
#include "forms/outcome.hpp"
#include "forms/page_entry.hpp"
#include "generators/queues/QueueScript.hpp"

namespace vorlix {

// The creating loop of the simple-queue page, or the refusal of its time window.
Result generate_simple_queues(const HostQueueFields& f);
// The loop that removes those queues again; nothing is checked.
Result generate_simple_queue_removal(const HostQueueFields& f);

struct PcqAdvancedFields {
    HostQueueFields hosts;
    RatePair total;                     // the line's upload and download bandwidth
    std::string parent;                 // the name of the queue for the whole line
    std::string up_type, down_type;     // the names of the two PCQ queue types
    std::optional<std::string> exempt;  // with exemption on: host numbers separated by "|"
};

// Two PCQ types, the line's queue, the per-host loop from the smaller host number to the larger, and
// for each exempt host a line that lifts its limits; or the refusal of the time window.
Result generate_pcq_advanced(const PcqAdvancedFields& f);

// The inputs a press reads from each page's form.
HostQueueFields simple_queue_fields(const Form& form);
PcqAdvancedFields pcq_advanced_fields(const Form& form);

const PageSpec& simple_queue_page_spec();
const PageSpec& pcq_advanced_page_spec();
PageEntry simple_queue_page();
PageEntry pcq_advanced_page();

}  // namespace vorlix
