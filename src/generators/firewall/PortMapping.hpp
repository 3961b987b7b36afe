#pragma once
// Page "端口映射": destination-NAT rules that forward a public port to a LAN host, for a fixed public
// address or a dial-up line, and the router's UPnP service with its internal and external interfaces.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "forms/form.hpp"
#include "forms/outcome.hpp"
#include "forms/page_entry.hpp"

namespace vorlix {

struct FixedMappingFields {
    std::string public_address, public_port, protocol, lan_host, lan_port, comment;
};

// "/ip firewall nat add chain=dstnat dst-address=... action=dst-nat to-addresses=..." on one line. The
// ports are written only for a protocol that has ports; for any other the whole protocol is forwarded.
std::string generate_fixed_mapping(const FixedMappingFields& f);

struct DialupMappingFields {
    std::string network, prefix, gateway;  // the LAN and the router's address in it
    std::string public_port, protocol, lan_host, lan_port, comment;
};

// The same rule for a line whose public address changes: it matches every destination but the
// router's LAN address, coming from outside the LAN.
std::string generate_dialup_mapping(const DialupMappingFields& f);

struct UpnpFields {
    std::string internal;
    std::vector<std::string> external;  // in list order
};

// The UPnP settings and interfaces, or a refusal when no external interface is listed.
Result generate_upnp(const UpnpFields& f);

// The list box of external interfaces: `text` appended (an empty text adds nothing; the same name may
// be listed twice), or the selected row removed (nothing happens when none is). Each returns the
// list's new rows, or nothing when the list stays as it was.
std::optional<Rows> add_list_entry(const Rows& rows, std::string_view text);
std::optional<Rows> remove_list_entry(const Rows& rows, int selected);

const PageSpec& port_mapping_page_spec();
PageEntry port_mapping_page();

}  // namespace vorlix
