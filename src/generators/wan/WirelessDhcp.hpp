#pragma once
// Page "无线网络DHCP": a router with a wireless card made an access point that hands out addresses by
// DHCP: a security profile, the whole setting of the first wireless interface (renamed to the page's
// wireless interface name), an address pool, a DHCP server with its network, the interface's address
// and the router's DNS settings.
#include <string>
#include <string_view>

#include "forms/outcome.hpp"
#include "forms/page_entry.hpp"

namespace vorlix {

struct WirelessDhcpFields {
    std::string interface;  // the first wireless interface's new name, served by DHCP and given the address
    std::string address;    // the wireless interface's address, written with /24
    std::string gateway;    // the gateway DHCP hands out
    std::string ssid;
    std::string frequency;  // MHz, or "auto"
    bool wpa_psk = false, wpa2_psk = false, wpa_eap = false, wpa2_eap = false;
    std::string key;  // the pre-shared key of both WPA and WPA2
    bool unicast_tkip = false, unicast_aes = false, group_tkip = false, group_aes = false;
    std::string pool_name, pool;  // the address pool and its ranges
    std::string dhcp_name;        // the DHCP server's name
    std::string network;          // the DHCP network, written with /24
    std::string dns1, dns2;
};

// The network of a dotted address, for the address's network= argument: the first three parts and
// "0" when the text has exactly four parts (one trailing "." is dropped first), otherwise "".
// Example: wireless_network_of("192.168.17.100") == "192.168.17.0", wireless_network_of("192.168.17.") == ""
std::string wireless_network_of(std::string_view address);

// The script, or the first refusal, checked in this order: no authentication type, no unicast cipher,
// no group cipher, an SSID over 32 bytes of UTF-8, a pre-shared key that is not 8 to 63 printable
// ASCII characters while a PSK type is chosen. Each refusal moves the focus to the control at fault.
Result generate_wireless_dhcp(const WirelessDhcpFields& f);

// The inputs a press reads from the page's form.
WirelessDhcpFields wireless_dhcp_fields(const Form& form);
const PageSpec& wireless_dhcp_page_spec();
PageEntry wireless_dhcp_page();

}  // namespace vorlix
