#pragma once
// Pieces the firewall pages share: the protocol list of the port pages, which protocols carry ports,
// negated match values, and the splitting of typed lists.
#include <string>
#include <string_view>
#include <vector>

namespace vorlix {

// The protocols offered by the port pages' protocol lists, in the lists' order, spelt as RouterOS 6
// knows them ("ipencap", not "ip-encap").
const std::vector<std::string>& ip_protocol_items();

// The interface items of the interface lists: ether1 to ether12.
std::vector<std::string> ether_items();

// Whether a protocol, by name or number, has ports, so that dst-port= and to-ports= mean something
// for it: tcp, udp, udp-lite, dccp and sctp. RouterOS refuses a rule with a port for any other.
// Example: has_ports("udp") == true, has_ports("gre") == false, has_ports("6") == true
bool has_ports(std::string_view protocol);

// A typed match value negated with "!": written bare when the value can be, otherwise quoted whole
// with the "!" inside the quotes (a quote after "!" would not be read as one word).
// Example: negated_value("192.168.0.0/24") == "!192.168.0.0/24", negated_value("a b") == "\"!a b\""
std::string negated_value(std::string_view text);

// The text without blanks, tabs, CR and LF at either end.
// Example: trim_blanks(" 10.0.0.1\t") == "10.0.0.1"
std::string_view trim_blanks(std::string_view text);

// The pieces of a typed list split at any of `separators`, each trimmed of blanks; pieces left empty
// are dropped, since RouterOS refuses `address=` with nothing or a blank after it.
// Example: trimmed_pieces("10.0.0.1, ,10.0.0.2,", ",") == {"10.0.0.1", "10.0.0.2"}
std::vector<std::string_view> trimmed_pieces(std::string_view text, std::string_view separators);

// The lines of a multi-line box (split at CR LF, and at a lone CR or LF as a pasted text may hold),
// as typed; lines that are empty or hold only blanks are dropped.
// Example: typed_lines("a\r\n\r\n  \r\n b") == {"a", " b"}
std::vector<std::string_view> typed_lines(std::string_view text);

}  // namespace vorlix
