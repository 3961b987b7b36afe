#pragma once
// Page "ARP绑定(批量)": static ARP entries, reply-only ARP on an interface (only hosts with an entry
// reach the router), and router-side loops over the ARP table.
#include <string>
#include <string_view>

#include "forms/page_entry.hpp"

namespace vorlix {

struct ArpEntryFields {
    std::string address, mac, interface;
};

// "/ip arp add address=... mac-address=... interface=..."
std::string generate_arp_entry(const ArpEntryFields& f);

// A loop that turns every learned (dynamic) entry into a static one.
std::string arp_make_static_script();
// A loop that removes every entry.
std::string arp_remove_all_script();

enum class ArpMode { reply_only, enabled };

// "/interface ethernet set IF arp=reply-only" or "... arp=enabled"; an interface name that needs quotes
// is found by name ("set [find name=\"my lan\"] ...").
std::string generate_arp_mode(std::string_view interface, ArpMode mode);

const PageSpec& arp_binding_page_spec();
PageEntry arp_binding_page();

}  // namespace vorlix
