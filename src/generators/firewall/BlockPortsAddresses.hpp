#pragma once
// Page "封端口及封IP(批量)": rules that drop a port or an address, and block lists: addresses put into
// a router address list, one at a time or many from a multi-line box, and the rule that drops
// everything in a list.
#include <optional>
#include <string>
#include <vector>

#include "forms/page_entry.hpp"

namespace vorlix {

struct PortBlockFields {
    std::string port, protocol, comment;
};

// A forward rule that drops the port (a number, a range or a comma list) for the protocol; for a
// protocol without ports it drops the whole protocol.
std::string generate_port_block(const PortBlockFields& f);

struct AddressBlockFields {
    std::string address, prefix, comment;
};

// A forward rule that drops traffic to the address or network.
std::string generate_address_block(const AddressBlockFields& f);

struct ListEntryFields {
    std::string list, address, prefix, comment;
};

// One address or network into an address list.
std::string generate_list_entry(const ListEntryFields& f);

// The list the batch goes to: the typed name when its check box is on, otherwise MavekList.
struct BatchListName {
    bool typed = false;
    std::string name;
};

std::string batch_list_name(const BatchListName& n);

// The forward rules that drop everything in the block lists this page fills: the list of the single
// entry and the batch's list, one rule per distinct name (MavekList when both are blank).
std::string generate_block_list_rules(std::string_view entry_list, const BatchListName& batch);

struct BatchListFields {
    std::string addresses;  // one address or network per line
    BatchListName list;
};

// One address-list line per address, each trimmed; blank lines are skipped. Nothing (no script at
// all) when the box is empty; an empty script when it holds only blank lines.
std::optional<std::string> generate_batch_list(const BatchListFields& f);

const PageSpec& block_ports_addresses_page_spec();
PageEntry block_ports_addresses_page();

}  // namespace vorlix
