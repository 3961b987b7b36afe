#include <gtest/gtest.h>

#include <functional>

#include "generators/all_pages.hpp"
#include "generators/wan/WirelessDhcp.hpp"
#include "generators/wan/wan_test_util.hpp"
#include "support/press.hpp"

namespace vorlix {
namespace {

using test::crlf;
using test::lines_of;

WirelessDhcpFields defaults() {
    return wireless_dhcp_fields(Form::defaults(wireless_dhcp_page_spec()));
}

// The script's commands as RouterOS reads them: a line ending in a backslash goes on with the next,
// whose leading blanks are dropped; blank lines are left out.
std::vector<std::string> commands(std::string_view script) {
    std::vector<std::string> out;
    std::string current;
    for (std::string line : lines_of(script)) {
        if (!current.empty()) line.erase(0, line.find_first_not_of(' '));
        if (line.ends_with('\\')) {
            current += line.substr(0, line.size() - 1);
            continue;
        }
        current += line;
        if (!current.empty()) out.push_back(current);
        current.clear();
    }
    return out;
}

// The value of `key=` in a joined command, up to the next blank ("" when the command has none).
std::string value_of(std::string_view command, std::string_view key) {
    const std::string needle = " " + std::string(key) + "=";
    const std::size_t at = command.find(needle);
    if (at == std::string_view::npos) return "<none>";
    const std::size_t from = at + needle.size();
    return std::string(command.substr(from, command.find(' ', from) - from));
}

TEST(WirelessDhcp, DefaultsGiveTheWholeScript) {
    const Result r = generate_wireless_dhcp(defaults());
    ASSERT_FALSE(r.refusal) << r.refusal->text;
    EXPECT_EQ(r.script,
              crlf({
                  "/interface wireless security-profiles",
                  "add name=Mavek_Wlan authentication-types=wpa-psk,wpa2-psk unicast-ciphers=aes-ccm "
                  "group-ciphers=aes-ccm \\",
                  "    group-key-update=5m interim-update=0s management-protection=allowed "
                  "management-protection-key=\"\" mode=dynamic-keys \\",
                  "    radius-eap-accounting=no radius-mac-accounting=no radius-mac-authentication=no "
                  "radius-mac-caching=disabled \\",
                  "    radius-mac-format=XX:XX:XX:XX:XX:XX radius-mac-mode=as-username \\",
                  "    static-algo-0=none static-algo-1=none static-algo-2=none static-algo-3=none \\",
                  R"(    static-key-0="" static-key-1="" static-key-2="" static-key-3="" \)",
                  R"(    static-sta-private-algo=none static-sta-private-key="" \)",
                  R"(    static-transmit-key=key-0 supplicant-identity="" tls-certificate=none \)",
                  "    tls-mode=no-certificates wpa-pre-shared-key=Mavek@2015 wpa2-pre-shared-key=Mavek@2015",
                  "",
                  "/interface wireless",
                  "set 0 ack-timeout=dynamic adaptive-noise-immunity=none allow-sharedkey=no \\",
                  R"(    antenna-gain=0 antenna-mode=ant-a area="" arp=enabled band=2ghz-b/g \)",
                  "    basic-rates-a/g=6Mbps basic-rates-b=1Mbps burst-time=disabled \\",
                  "    compression=no country=no_country_set default-ap-tx-limit=0 \\",
                  "    default-authentication=yes default-client-tx-limit=0 default-forwarding=yes \\",
                  "    dfs-mode=none disable-running-check=no disabled=no \\",
                  "    disconnect-timeout=3s frame-lifetime=0 frequency=2412 frequency-mode=manual-txpower \\",
                  "    frequency-offset=0 hide-ssid=no \\",
                  "    hw-fragmentation-threshold=disabled hw-protection-mode=none \\",
                  "    hw-protection-threshold=0 hw-retries=4 l2mtu=2290 \\",
                  "    max-station-count=2007 mode=ap-bridge mtu=1500 name=wlan1 \\",
                  "    noise-floor-threshold=default on-fail-retry-time=100ms \\",
                  "    periodic-calibration=default periodic-calibration-interval=60 \\",
                  "    preamble-mode=both proprietary-extensions=post-2.9.25 \\",
                  "    rate-set=default scan-list=default security-profile=Mavek_Wlan \\",
                  "    ssid=MikroTik_2.4G \\",
                  "    supported-rates-a/g=6Mbps,9Mbps,12Mbps,18Mbps,24Mbps,36Mbps,48Mbps,54Mbps \\",
                  "    supported-rates-b=1Mbps,2Mbps,5.5Mbps,11Mbps tx-power-mode=default \\",
                  "    update-stats-interval=disabled wds-cost-range=50-150 wds-default-bridge=none \\",
                  "    wds-default-cost=100 wds-ignore-ssid=no wds-mode=disabled \\",
                  "    wmm-support=disabled",
                  "",
                  "/ip pool add name=Wlan_pool ranges=192.168.0.50-192.168.0.90",
                  "",
                  "/ip dhcp-server",
                  "add address-pool=Wlan_pool authoritative=after-2sec-delay bootp-support=static \\",
                  "    disabled=no interface=wlan1 lease-time=3d name=Wlan_dhcp",
                  "/ip address add address=192.168.0.254/24 disabled=no interface=wlan1 network=192.168.0.0",
                  "/ip dhcp-server network add address=192.168.0.0/24 gateway=192.168.0.254",
                  "/ip dns set allow-remote-requests=yes cache-size=20480 max-udp-packet-size=512 "
                  "servers=218.85.152.99,218.85.157.99",
              }));
    EXPECT_EQ(lines_of(r.script).size(), 42u);
}

// The page's defaults are one network: the interface's address is the gateway DHCP hands out, and it,
// the pool and the DHCP network share 192.168.0.0/24. The interface the script renames is the one the
// DHCP server and the address use.
TEST(WirelessDhcp, DefaultsAreOneNetworkOnOneInterface) {
    const WirelessDhcpFields f = defaults();
    EXPECT_EQ(f.address, f.gateway);
    EXPECT_EQ(wireless_network_of(f.address), f.network);
    EXPECT_TRUE(f.pool.starts_with("192.168.0.") && f.pool.find("-192.168.0.") != std::string::npos) << f.pool;

    WirelessDhcpFields renamed = f;
    renamed.interface = "wlan2";
    std::vector<std::string> names;
    for (const std::string& c : commands(generate_wireless_dhcp(renamed).script)) {
        if (c.starts_with("set 0 ")) names.push_back(value_of(c, "name"));
        if (c.starts_with("add address-pool=") || c.starts_with("/ip address add"))
            names.push_back(value_of(c, "interface"));
    }
    EXPECT_EQ(names, (std::vector<std::string>{"wlan2", "wlan2", "wlan2"}));
}

// Every command reads as one, whatever the blanks after a continuation do: each break falls between
// two arguments, and the next line starts with four blanks. No argument is a placeholder, and the
// profile names its unicast ciphers once.
TEST(WirelessDhcp, ContinuationsBreakBetweenArgumentsOnly) {
    WirelessDhcpFields f = defaults();
    f.ssid = "my ap";
    const std::vector<std::string> lines = lines_of(generate_wireless_dhcp(f).script);
    for (std::size_t i = 0; i + 1 < lines.size(); ++i) {
        if (!lines[i].ends_with('\\')) continue;
        SCOPED_TRACE(lines[i]);
        EXPECT_TRUE(lines[i].ends_with(" \\"));
        EXPECT_NE(lines[i][lines[i].size() - 3], '=');
        EXPECT_TRUE(lines[i + 1].starts_with("    ") && lines[i + 1][4] != ' ') << lines[i + 1];
    }
    const std::vector<std::string> joined = commands(generate_wireless_dhcp(f).script);
    ASSERT_EQ(joined.size(), 10u);
    const std::string& profile = joined[1];
    const std::string& wireless = joined[3];
    EXPECT_EQ(value_of(profile, "static-algo-3"), "none");
    EXPECT_EQ(value_of(profile, "static-key-0"), "\"\"");
    EXPECT_EQ(value_of(wireless, "default-forwarding"), "yes");
    EXPECT_EQ(value_of(wireless, "frequency-mode"), "manual-txpower");
    EXPECT_EQ(value_of(wireless, "name"), "wlan1");
    EXPECT_EQ(value_of(wireless, "security-profile"), "Mavek_Wlan");
    EXPECT_EQ(value_of(wireless, "wds-default-bridge"), "none");
    EXPECT_EQ(value_of(wireless, "band"), "2ghz-b/g");
    EXPECT_NE(wireless.find(R"( ssid="my ap" supported-rates-a/g=)"), std::string::npos) << wireless;
    EXPECT_EQ(value_of(joined[6], "bootp-support"), "static");
    for (const std::string_view gone : {"mac-address=", "station-bridge-clone-mac=", "radio-name="})
        EXPECT_EQ(wireless.find(gone), std::string::npos) << gone;
    EXPECT_EQ(profile.find("unicast-ciphers="), profile.rfind("unicast-ciphers="));
}

TEST(WirelessDhcp, CheckedBoxesMakeTheLists) {
    struct Case {
        const char* why;
        std::function<void(WirelessDhcpFields&)> change;
        std::string_view auth, unicast, group;
    };
    const Case cases[] = {
        {"defaults", [](WirelessDhcpFields&) {}, "wpa-psk,wpa2-psk", "aes-ccm", "aes-ccm"},
        {"EAP and EAP2 only",
         [](WirelessDhcpFields& f) {
             f.wpa_psk = f.wpa2_psk = false;
             f.wpa_eap = f.wpa2_eap = true;
         },
         "wpa-eap,wpa2-eap", "aes-ccm", "aes-ccm"},
        {"everything ticked",
         [](WirelessDhcpFields& f) { f.wpa_eap = f.wpa2_eap = f.unicast_tkip = f.group_tkip = true; },
         "wpa-psk,wpa2-psk,wpa-eap,wpa2-eap", "tkip,aes-ccm", "tkip,aes-ccm"},
        {"tkip alone",
         [](WirelessDhcpFields& f) {
             f.wpa_psk = false;
             f.unicast_tkip = f.group_tkip = true;
             f.unicast_aes = f.group_aes = false;
         },
         "wpa2-psk", "tkip", "tkip"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        WirelessDhcpFields f = defaults();
        c.change(f);
        const Result r = generate_wireless_dhcp(f);
        ASSERT_FALSE(r.refusal) << r.refusal->text;
        const std::string profile = commands(r.script)[1];
        EXPECT_EQ(value_of(profile, "authentication-types"), c.auth);
        EXPECT_EQ(value_of(profile, "unicast-ciphers"), c.unicast);
        EXPECT_EQ(value_of(profile, "group-ciphers"), c.group);
    }
}

// The checks run in a fixed order and the first failing one speaks, with the stop icon, the default
// caption and the focus on the control at fault.
TEST(WirelessDhcp, RefusalsInTheirOrderWithFocus) {
    struct Case {
        const char* why;
        std::function<void(WirelessDhcpFields&)> change;
        std::string_view message, focus;  // "" = accepted
    };
    const Case cases[] = {
        {"no authentication and no cipher: only the first message",
         [](WirelessDhcpFields& f) {
             f.wpa_psk = f.wpa2_psk = false;
             f.unicast_aes = f.group_aes = false;
             f.key = "";
         },
         "请选择无线网络的安全方案!", "选择框_19PSK"},
        {"no unicast cipher", [](WirelessDhcpFields& f) { f.unicast_aes = false; },
         "请选择无线网络安全方案的Unicast Ciphers!", "选择框_19utkip"},
        {"no group cipher", [](WirelessDhcpFields& f) { f.group_aes = false; },
         "请选择无线网络安全方案的Group Ciphers!", "选择框_19gtkip"},
        {"SSID of 33 bytes", [](WirelessDhcpFields& f) { f.ssid = std::string(33, 'a'); },
         "无线网络SSID最长32个字节(一个汉字占3个字节),请缩短!", "编辑框_19SSID"},
        {"SSID of 11 Chinese characters",
         [](WirelessDhcpFields& f) {
             f.ssid.clear();
             for (int i = 0; i < 11; ++i) f.ssid += "网";
         },
         "无线网络SSID最长32个字节(一个汉字占3个字节),请缩短!", "编辑框_19SSID"},
        {"SSID of 32 bytes", [](WirelessDhcpFields& f) { f.ssid = std::string(32, 'a'); }, "", ""},
        {"SSID problem comes before the key's",
         [](WirelessDhcpFields& f) {
             f.ssid = std::string(40, 'a');
             f.key = "short";
         },
         "无线网络SSID最长32个字节(一个汉字占3个字节),请缩短!", "编辑框_19SSID"},
        {"empty key", [](WirelessDhcpFields& f) { f.key = ""; }, "无线网络登录密码必须是8到63个英文字母、数字或符号!",
         "编辑框_19无线密码"},
        {"key of 7", [](WirelessDhcpFields& f) { f.key = "1234567"; },
         "无线网络登录密码必须是8到63个英文字母、数字或符号!", "编辑框_19无线密码"},
        {"key of 8", [](WirelessDhcpFields& f) { f.key = "12345678"; }, "", ""},
        {"key of 63", [](WirelessDhcpFields& f) { f.key = std::string(63, 'k'); }, "", ""},
        {"key of 64", [](WirelessDhcpFields& f) { f.key = std::string(64, 'k'); },
         "无线网络登录密码必须是8到63个英文字母、数字或符号!", "编辑框_19无线密码"},
        {"key with a Chinese character", [](WirelessDhcpFields& f) { f.key = "密码12345678"; },
         "无线网络登录密码必须是8到63个英文字母、数字或符号!", "编辑框_19无线密码"},
        {"key with a tab", [](WirelessDhcpFields& f) { f.key = "1234\t5678"; },
         "无线网络登录密码必须是8到63个英文字母、数字或符号!", "编辑框_19无线密码"},
        {"WPA2 PSK alone still needs the key",
         [](WirelessDhcpFields& f) {
             f.wpa_psk = false;
             f.key = "x";
         },
         "无线网络登录密码必须是8到63个英文字母、数字或符号!", "编辑框_19无线密码"},
        {"EAP alone: no pre-shared key, none checked",
         [](WirelessDhcpFields& f) {
             f.wpa_psk = f.wpa2_psk = false;
             f.wpa2_eap = true;
             f.key = "";
         },
         "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        WirelessDhcpFields f = defaults();
        c.change(f);
        const Result r = generate_wireless_dhcp(f);
        if (c.message.empty()) {
            EXPECT_FALSE(r.refusal) << r.refusal->text;
            EXPECT_FALSE(r.script.empty());
            continue;
        }
        EXPECT_EQ(r.script, "");
        ASSERT_TRUE(r.refusal);
        EXPECT_EQ(r.refusal->text, c.message);
        EXPECT_EQ(r.refusal->focus, c.focus);
        EXPECT_EQ(r.refusal->icon, kIconError);
        EXPECT_FALSE(r.refusal->caption);
    }
}

TEST(WirelessDhcp, NetworkOfTheWirelessAddress) {
    struct Case {
        std::string_view address, network;
    };
    const Case cases[] = {
        {"192.168.17.100", "192.168.17.0"},
        {"192.168.17.100.", "192.168.17.0"},  // one trailing full stop is dropped
        {"192.168.17.", ""},                  // three parts
        {"10.1.2.3.4", ""},                   // five parts
        {"", ""},
        {"a.b..d", "a.b..0"},  // four parts, whatever they hold
    };
    for (const Case& c : cases) EXPECT_EQ(wireless_network_of(c.address), c.network) << c.address;

    // In the script: an address without a network writes an empty network argument.
    WirelessDhcpFields f = defaults();
    f.address = "192.168.17.";
    EXPECT_NE(generate_wireless_dhcp(f).script.find(
                  "/ip address add address=192.168.17./24 disabled=no interface=wlan1 network=\"\"\r\n"),
              std::string::npos);
}

TEST(WirelessDhcp, TypedValuesAreQuotedWhereTheyWouldBreakTheCommand) {
    WirelessDhcpFields f = defaults();
    f.key = "pa$word 1\"x?";
    f.ssid = "a\"b";
    f.interface = "wlan 2";
    f.pool_name = "";
    f.pool = "192.168.0.50 - 192.168.0.90";
    f.dhcp_name = "dhcp?";
    f.frequency = "auto";
    f.gateway = "";
    f.dns1 = "";
    const std::vector<std::string> c = commands(generate_wireless_dhcp(f).script);
    ASSERT_EQ(c.size(), 10u);
    EXPECT_TRUE(c[1].ends_with(R"( wpa-pre-shared-key="pa\$word 1\"x\?" wpa2-pre-shared-key="pa\$word 1\"x\?")"))
        << c[1];
    EXPECT_NE(c[3].find(R"( name="wlan 2" )"), std::string::npos);
    EXPECT_NE(c[3].find(R"( ssid="a\"b" )"), std::string::npos);
    EXPECT_NE(c[3].find(" frequency=auto "), std::string::npos);
    EXPECT_EQ(c[4], R"(/ip pool add name="" ranges="192.168.0.50 - 192.168.0.90")");
    EXPECT_EQ(c[5], R"(/ip dhcp-server)");
    EXPECT_EQ(c[6], R"(add address-pool="" authoritative=after-2sec-delay bootp-support=static disabled=no )"
                    R"(interface="wlan 2" lease-time=3d name="dhcp\?")");
    EXPECT_NE(c[7].find(R"( interface="wlan 2" network=)"), std::string::npos);
    EXPECT_EQ(c[8], R"(/ip dhcp-server network add address=192.168.0.0/24 gateway="")");
    EXPECT_TRUE(c.back().ends_with(" servers=218.85.157.99")) << c.back();  // only the second DNS box
}

// A wireless name is stored as UTF-8, the bytes phones and laptops show: every byte of a Chinese
// character is its own \XX escape inside the quotes.
TEST(WirelessDhcp, AChineseSsidIsWrittenAsItsUtf8Bytes) {
    WirelessDhcpFields f = defaults();
    f.ssid = "中文 $ap";
    const std::string wireless = commands(generate_wireless_dhcp(f).script)[3];
    EXPECT_NE(wireless.find(R"( ssid="\E4\B8\AD\E6\96\87 \$ap" )"), std::string::npos) << wireless;
}

}  // namespace
}  // namespace vorlix
