#pragma once
// The vendor of a MAC address, looked up offline in the IEEE registry listings: MA-L (24-bit prefixes,
// oui.csv), MA-M (28 bits, mam.csv), MA-S (36 bits, oui36.csv) and the older IAB blocks (36 bits,
// iab.csv). Debian's ieee-data package installs them; they are read when a lookup asks for them and
// never copied into the program, so a refreshed registry (update-ieee-data) is used at once.
//
// A larger block may be split into smaller ones (a 24-bit prefix of the registration authority holds
// 36-bit blocks of many vendors), so the longest prefix that the address starts with wins.
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tools/mac_address.hpp"

namespace vorlix {

// The listings a registry directory holds, by file name. Any of them may be missing except oui.csv.
inline constexpr std::array<std::string_view, 4> kMacRegistryFiles = {"oui.csv", "mam.csv", "oui36.csv", "iab.csv"};

// Where Debian keeps the registry: update-ieee-data refreshes /var/lib/ieee-data, the package itself
// installs /usr/share/ieee-data.
std::vector<std::string> default_mac_registry_locations();

// The places a lookup reads, in order: `named` (a registry the user's setting names), when it is not
// empty, then Debian's.
std::vector<std::string> mac_registry_locations(const std::string& named);

// One assignment of the registry, its texts on one line each (runs of blanks and line breaks in the
// listing become one blank; blanks at either end are dropped).
struct VendorRecord {
    std::string prefix;  // the assigned hexadecimal digits, 6, 7 or 9 of them
    std::string organization, address;
};

// The longest assignment in one registry listing that the address starts with. The listing is CSV
// (Registry,Assignment,Organization Name,Organization Address), where a field in double quotes may
// hold commas, doubled quotes and line breaks; rows end in CR LF or LF.
// Example: with a row MA-L,00016C,"Foo, Inc.",Brea CA US
//          find_vendor(listing, *parse_mac("00:01:6C:06:A6:29")) gives {"00016C", "Foo, Inc.", "Brea CA US"}
std::optional<VendorRecord> find_vendor(std::string_view listing, const MacAddress& mac);

struct VendorLookup {
    enum class Status {
        found,        // the registry lists the address's block
        not_listed,   // the registry was read and holds no block for it
        no_registry,  // no location held a registry
        bad_address,  // the text is not a MAC address
    };
    Status status = Status::bad_address;
    std::string mac;                     // XX:XX:XX:XX:XX:XX; empty for bad_address
    std::optional<VendorRecord> vendor;  // set when found
    bool multicast = false, local = false;
    std::string registry;  // the location that was read
};

// Looks the typed address up in the first location that holds a registry: a directory with oui.csv
// (and whichever of the other listings it has), or a single listing file.
// Example: lookup_mac_vendor("00-01-6C-06-A6-29", default_mac_registry_locations()).mac == "00:01:6C:06:A6:29"
VendorLookup lookup_mac_vendor(std::string_view typed, const std::vector<std::string>& locations);

// The three texts the lookup shows: the address, the vendor and the vendor's postal address. Where
// the registry lists nothing, the vendor text says what the first octet tells ("组播地址" for a group
// address, "本地管理地址" for a locally administered one) or that no vendor was found; without a
// registry it says which package to install. Bad input gives no texts: the caller refuses it.
struct VendorTexts {
    std::string mac, vendor, address;
};
VendorTexts vendor_texts(const VendorLookup& lookup);

// The message when no registry was found, naming the package that installs one.
inline constexpr std::string_view kNoRegistryVendor = "未找到IEEE厂商数据库";
inline constexpr std::string_view kNoRegistryHint =
    "请安装 ieee-data 软件包(apt install ieee-data),或用环境变量 VORLIX_IEEE_DATA 指定 oui.csv 所在的目录";
inline constexpr std::string_view kVendorNotListed = "未查到该地址的厂商";
inline constexpr std::string_view kMulticastAddress = "组播地址";
inline constexpr std::string_view kLocalAddress = "本地管理地址";

}  // namespace vorlix
