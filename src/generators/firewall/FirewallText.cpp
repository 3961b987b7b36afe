#include "generators/firewall/FirewallText.hpp"

#include "script/quote.hpp"

namespace vorlix {
namespace {

constexpr std::string_view kBlanks = " \t\r\n";

// Every piece between separators, empty ones included.
std::vector<std::string_view> split_any(std::string_view text, std::string_view separators) {
    std::vector<std::string_view> pieces;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = text.find_first_of(separators, start);
        pieces.push_back(text.substr(start, end == std::string_view::npos ? end : end - start));
        if (end == std::string_view::npos) return pieces;
        start = end + 1;
    }
}

}  // namespace

const std::vector<std::string>& ip_protocol_items() {
    static const std::vector<std::string> kItems = {
        "icmp",      "ggp",      "ipencap", "st",      "tcp",  "egp",  "pup",       "udp",
        "hmp",       "xns-idp",  "rdp",     "iso-tp4", "xtp",  "ddp",  "idpr-cmtp", "gre",
        "ipsec-esp", "ipsec-ah", "rspf",    "vmtp",    "ospf", "ipip", "encap",     "vrrp",
    };
    return kItems;
}

std::vector<std::string> ether_items() {
    std::vector<std::string> items;
    for (int i = 1; i <= 12; ++i) items.push_back("ether" + std::to_string(i));
    return items;
}

bool has_ports(std::string_view protocol) {
    // Names and their protocol numbers.
    static constexpr std::string_view kWithPorts[] = {"tcp", "udp", "udp-lite", "dccp", "sctp",
                                                      "6",   "17",  "136",      "33",   "132"};
    for (const std::string_view p : kWithPorts)
        if (protocol == p) return true;
    return false;
}

std::string negated_value(std::string_view text) {
    const std::string bare = bare_value(text);
    if (bare == text) return "!" + bare;
    return quote_value("!" + std::string(text));
}

std::string_view trim_blanks(std::string_view text) {
    const std::size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

std::vector<std::string_view> trimmed_pieces(std::string_view text, std::string_view separators) {
    std::vector<std::string_view> out;
    for (const std::string_view piece : split_any(text, separators))
        if (const std::string_view t = trim_blanks(piece); !t.empty()) out.push_back(t);
    return out;
}

std::vector<std::string_view> typed_lines(std::string_view text) {
    std::vector<std::string_view> out;
    for (const std::string_view line : split_any(text, "\r\n"))
        if (!trim_blanks(line).empty()) out.push_back(line);
    return out;
}

}  // namespace vorlix
