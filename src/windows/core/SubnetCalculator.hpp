#pragma once
// The subnet calculator ("子网计算工具"): an IPv4 host address and a prefix length give the mask,
// the subnet, the broadcast address and the usable range; a first-octet network splits into
// 1 to 256 equal subnets. The address and the mask are 32-bit integers; every label of the
// window is a view of them, never a store.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "forms/page_entry.hpp"

namespace vorlix {

// The prefix lengths the calculator's slider offers: a /0 "subnet" is the whole address space and
// has no mask worth showing.
inline constexpr int kMinPrefix = 1;
inline constexpr int kMaxPrefix = 32;

// An octet box's text read as a number: its leading digits, saturating at 0 and 255; a text
// without leading digits reads 0.
// Example: octet_value("300") == 255, octet_value("1x") == 1, octet_value("abc") == 0
int octet_value(std::string_view text);

// The text an octet box shows once the user typed `text`: "255" for a number above 255, "0" for
// one below 0, none when the text stays as typed.
// Example: clamped_octet_text("99999999999") == "255", clamped_octet_text("12") == std::nullopt
std::optional<std::string> clamped_octet_text(std::string_view text);

// One octet as eight binary digits, most significant first.
// Example: binary_octet(5) == "00000101"
std::string binary_octet(std::uint8_t octet);

// The octets of an address, first to fourth.
std::array<std::uint8_t, 4> octets(std::uint32_t address);
std::uint32_t address_of(const std::array<int, 4>& octets);

struct Subnet {
    std::uint32_t address = 0;
    int prefix = kMinPrefix;
    std::uint32_t mask = 0, network = 0, broadcast = 0;
    // The usable range. A /31 has no network or broadcast address, so both of its addresses are
    // usable; a /32 is the one host.
    std::uint32_t first_host = 0, last_host = 0;
};

// Example: subnet_of(192.168.1.10, 24) has network 192.168.1.0, broadcast 192.168.1.255 and the
// usable range 192.168.1.1 to 192.168.1.254.
Subnet subnet_of(std::uint32_t address, int prefix);

// One label of the host tab and its text.
struct SubnetLabel {
    std::string_view name;
    std::string text;
};

// Every label of the host tab, in the window's order: the prefix length, the mask, the usable
// range, the four binary rows (host, mask, subnet, broadcast, one label per octet) and the subnet
// and broadcast addresses.
std::vector<SubnetLabel> subnet_labels(const Subnet& s);

// The window's first tab as lines of "caption value", for a terminal.
std::vector<std::string> subnet_report(const Subnet& s);

// "192.168.1.10/24": an address (parse_ipv4) and a prefix length of 1 to 32; none for anything else.
std::optional<Subnet> parse_host_and_prefix(std::string_view text);

// The items of the subnet-count list, in order.
inline constexpr std::array<std::string_view, 9> kSubnetCounts = {"1", "2", "4", "8", "16", "32", "64", "128", "256"};

// The index of a subnet count in kSubnetCounts, none when it is not one of them.
std::optional<int> subnet_count_index(std::string_view count);

struct SubnetSplit {
    std::string mask;    // the mask of each subnet, "255.192.0.0"
    std::string hosts;   // usable addresses per subnet, "4194302"
    std::string ranges;  // the heading line and one line per subnet, CR LF between lines
};

// The network first_octet.0.0.0 split into kSubnetCounts[count_index] equal subnets, each line
// giving a subnet's usable range. first_octet is taken into 0 to 255, count_index into 0 to 8.
// Example: split_network(10, 2) (four subnets) has the mask 255.192.0.0 and the last line
//   4)  10.192.0.1 -- 10.255.255.254
SubnetSplit split_network(int first_octet, int count_index);

inline constexpr std::string_view kSubnetCalculatorWindow = "子网计算工具";

const PageSpec& subnet_calculator_window_spec();
PageEntry subnet_calculator_window();

}  // namespace vorlix
