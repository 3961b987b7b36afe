#pragma once
// Page "其他限速": one button, two set-ups chosen by a radio button. "Simple Queue设置" writes the
// per-host simple-queue loop for the page's host range; "Queue Type设置" writes two PCQ queue types and
// the queue trees that apply them to the traffic of the named interface, upload and download.
#include <optional>
#include <string>

#include "forms/outcome.hpp"
#include "forms/page_entry.hpp"
#include "generators/queues/QueueScript.hpp"

namespace vorlix {

// One column of the Queue Type page, as typed.
struct PcqTypeInput {
    std::string name;
    std::string rate;                // KByte/s per sub-queue, 0 for no limit
    std::string limit, total_limit;  // packets
};

struct OtherQueueFields {
    bool by_type = false;   // "Queue Type设置" rather than "Simple Queue设置"
    std::string interface;  // the Internet-facing interface
    // Simple Queue: the host range and its rates; "unlimited" in a rate box is 0.
    HostQueueFields hosts;
    // Queue Type: upload (classified by source address) and download (by destination address).
    PcqTypeInput up, down;
};

// With "Simple Queue设置": the simple-queue loop, or the refusal of a priority outside 1 to 8 when
// burst is on. With "Queue Type设置": the PCQ set-up, or the refusal of an empty interface, an empty or
// shared type name, or a value that is not a whole number.
Result generate_other_queues(const OtherQueueFields& f);

OtherQueueFields other_queue_fields(const Form& form);

const PageSpec& other_queue_page_spec();
PageEntry other_queue_page();

}  // namespace vorlix
