#pragma once
// The built-in carrier address lists: IPv4 networks per Chinese carrier, for routing each carrier's
// traffic through its own line. The data lives in src/data/isp/<key>.txt (see the README there for
// its source, licence and how it is refreshed) and is compiled into the program.
#include <array>
#include <optional>
#include <string_view>
#include <vector>

namespace vorlix {

enum class IspList { telecom, unicom, mobile, netcom, tietong, greatwall, cernet, qq_servers, all_china };

// Every list, in the order the program offers them.
inline constexpr std::array<IspList, 9> kIspLists = {
    IspList::telecom,   IspList::unicom, IspList::mobile,     IspList::netcom,    IspList::tietong,
    IspList::greatwall, IspList::cernet, IspList::qq_servers, IspList::all_china,
};

// The list's key, which is also its file name under src/data/isp.
// Example: isp_key(IspList::qq_servers) == "qq_servers"
std::string_view isp_key(IspList list);

// The list with that key, or nothing for a key that names no list.
// Example: isp_list_by_key("telecom") == IspList::telecom, isp_list_by_key("Telecom") == std::nullopt
std::optional<IspList> isp_list_by_key(std::string_view key);

// "telecom, unicom, ..., all_china": the keys for a message that names the valid ones.
std::string_view isp_keys_text();

// The list's text exactly as stored: one CIDR network per line, CR LF between lines (the greatwall
// list also ends with CR LF). The bytes live for the whole program.
// Example: isp_list_text(IspList::mobile).starts_with("36.128.0.0/10\r\n")
std::string_view isp_list_text(IspList list);

// The networks of the list, in stored order: its text split at every CR LF, where a final CR LF
// adds no entry.
// Example: isp_list_entries(IspList::greatwall).back() is a network, never ""
std::vector<std::string_view> isp_list_entries(IspList list);

}  // namespace vorlix
