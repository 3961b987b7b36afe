#pragma once
// Page "中文SSID生成器": the command that gives a wireless interface a Chinese network name. Typed into
// the router's own tools, such a name is stored in an encoding that phones show garbled; written as
// the \XX escapes of its UTF-8 bytes, the router stores exactly those bytes and clients read UTF-8.
#include <string>

#include "forms/outcome.hpp"
#include "forms/page_entry.hpp"

namespace vorlix {

struct ChineseSsidFields {
    std::string interface, name;
};

// The longest network name 802.11 allows, in bytes.
inline constexpr std::size_t kMaxSsidBytes = 32;

// "/interface wireless set IFACE ssid="\E6\97\A0..."": every UTF-8 byte of the name other than an
// ASCII letter, digit, "-" or "." as \XX. Refused: an empty interface or name, a name that is not
// valid UTF-8, a name longer than kMaxSsidBytes bytes.
// Example: {"wlan1", "咖啡"} -> /interface wireless set wlan1 ssid="\E5\92\96\E5\95\A1"
Result generate_chinese_ssid(const ChineseSsidFields& f);

const PageSpec& chinese_ssid_page_spec();
PageEntry chinese_ssid_page();

}  // namespace vorlix
