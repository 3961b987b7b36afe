#pragma once
// Page "VRRP多线PPPoE": several PPPoE connections dialled over one WAN port, each on a VRRP interface
// of its own (a VRRP interface brings its own MAC address, so the carrier sees one host per
// connection). Line i gets vrrp<i> with VRID i and dials pppoe-out<i> over it; a connection arriving on
// a line is answered through that line, and the LAN goes out through line 1, falling back to the next
// line when one stops answering. Its line list: account, password.
#include <cstddef>
#include <string>

#include "forms/outcome.hpp"
#include "forms/page_entry.hpp"
#include "generators/wan/LineList.hpp"

namespace vorlix {

struct VrrpPppoeFields {
    std::string wan;     // the WAN port that carries the VRRP interfaces
    std::string lan;     // the LAN interface
    std::string prefix;  // the first three octets of the addresses on the port and the VRRP interfaces
    Rows lines;          // a snapshot of the page's line list
};

// The most lines one script can hold: line i takes VRID i and host PREFIX.i, and host .254 is the
// port's own address.
inline constexpr std::size_t kVrrpMaxLines = 253;

// The VRRP interfaces, the addresses (the port PREFIX.254/24, vrrp<i> PREFIX.<i>/32), the clients, the
// MSS clamp, the connection and routing marks, a marked and an unmarked default route per line and
// the masquerade rules. At least one line and at most kVrrpMaxLines.
Result generate_vrrp_pppoe(const VrrpPppoeFields& f);

const LineListSpec& vrrp_pppoe_list();
// The inputs a press reads from the page's form.
VrrpPppoeFields vrrp_pppoe_fields(const Form& form);
const PageSpec& vrrp_pppoe_page_spec();
PageEntry vrrp_pppoe_page();

}  // namespace vorlix
