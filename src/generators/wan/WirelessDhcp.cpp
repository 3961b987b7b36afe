#include "generators/wan/WirelessDhcp.hpp"

#include <algorithm>

#include "generators/wan/WanScript.hpp"
#include "script/quote.hpp"
#include "script/ros_escape.hpp"
#include "script/script_builder.hpp"
#include "script/text.hpp"

namespace vorlix {
namespace name {
namespace {
constexpr std::string_view settings = "分组框_19设置";
constexpr std::string_view interface = "编辑框_19无线网卡名", lan = "组合框_19内网网卡",
                           address = "编辑框_19无线网卡IP", gateway = "编辑框_19内网网关", ssid = "编辑框_19SSID",
                           frequency = "组合框_19频段";
constexpr std::string_view wpa_psk = "选择框_19PSK", wpa2_psk = "选择框_19PSK2", wpa_eap = "选择框_19EAP",
                           wpa2_eap = "选择框_19EAP2";
constexpr std::string_view key = "编辑框_19无线密码", show_key = "选择框_19显示密码";
constexpr std::string_view unicast_tkip = "选择框_19utkip", unicast_aes = "选择框_19uaes",
                           group_tkip = "选择框_19gtkip", group_aes = "选择框_19gaes";
constexpr std::string_view pool_name = "编辑框_19地址池名", pool = "编辑框_19地址池", dhcp_name = "编辑框_19dhcp名",
                           network = "编辑框_19无线网段", dns1 = "编辑框_19首选DNS", dns2 = "编辑框_19备用DNS";
constexpr std::string_view generate = "按钮_19生成";
constexpr std::string_view tips_group = "分组框_19提示", tips = "标签_19提示";
}  // namespace
}  // namespace name

namespace {

constexpr std::size_t kMaxSsidBytes = 32;
constexpr std::size_t kMinKey = 8, kMaxKey = 63;

// The names of the ticked boxes, comma-separated, in the given order.
std::string ticked(std::initializer_list<std::pair<bool, std::string_view>> boxes) {
    std::string out;
    for (const auto& [on, item] : boxes) {
        if (!on) continue;
        if (!out.empty()) out += ',';
        out += item;
    }
    return out;
}

// An SSID as the router should store it: bare when it can be, otherwise quoted with every byte of a
// non-ASCII character as its UTF-8 \XX escape, which is what phones and laptops show as the name.
std::string ssid_value(std::string_view ssid) {
    if (std::all_of(ssid.begin(), ssid.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; }))
        return bare_value(ssid);
    std::string out = "\"";
    for (const char c : ssid) {
        const auto byte = static_cast<unsigned char>(c);
        out += byte >= 0x80 ? hex_escape(byte) : escape_value(std::string_view(&c, 1));
    }
    return out + "\"";
}

// A WPA passphrase: 8 to 63 printable ASCII characters. Anything else is refused by the router or
// hashed differently by the clients, so they could never join.
bool is_passphrase(std::string_view key) {
    return key.size() >= kMinKey && key.size() <= kMaxKey &&
           std::all_of(key.begin(), key.end(), [](char c) { return c >= 0x20 && c <= 0x7E; });
}

std::vector<std::string> frequency_items() {
    std::vector<std::string> items;
    for (int mhz = 2412; mhz <= 2472; mhz += 5) items.push_back(std::to_string(mhz));
    items.push_back("auto");
    return items;
}

}  // namespace

std::string wireless_network_of(std::string_view address) {
    if (address.ends_with('.')) address.remove_suffix(1);
    if (std::count(address.begin(), address.end(), '.') != 3) return {};
    return std::string(address.substr(0, address.rfind('.'))) + ".0";
}

Result generate_wireless_dhcp(const WirelessDhcpFields& f) {
    if (!f.wpa_psk && !f.wpa2_psk && !f.wpa_eap && !f.wpa2_eap)
        return Result::refuse("请选择无线网络的安全方案!", name::wpa_psk, kIconError);
    if (!f.unicast_tkip && !f.unicast_aes)
        return Result::refuse("请选择无线网络安全方案的Unicast Ciphers!", name::unicast_tkip, kIconError);
    if (!f.group_tkip && !f.group_aes)
        return Result::refuse("请选择无线网络安全方案的Group Ciphers!", name::group_tkip, kIconError);
    if (f.ssid.size() > kMaxSsidBytes)
        return Result::refuse("无线网络SSID最长32个字节(一个汉字占3个字节),请缩短!", name::ssid, kIconError);
    if ((f.wpa_psk || f.wpa2_psk) && !is_passphrase(f.key))
        return Result::refuse("无线网络登录密码必须是8到63个英文字母、数字或符号!", name::key, kIconError);

    const std::string auth =
        ticked({{f.wpa_psk, "wpa-psk"}, {f.wpa2_psk, "wpa2-psk"}, {f.wpa_eap, "wpa-eap"}, {f.wpa2_eap, "wpa2-eap"}});
    const std::string unicast = ticked({{f.unicast_tkip, "tkip"}, {f.unicast_aes, "aes-ccm"}});
    const std::string group = ticked({{f.group_tkip, "tkip"}, {f.group_aes, "aes-ccm"}});
    const std::string key = bare_value(f.key), interface = bare_value(f.interface), pool = bare_value(f.pool_name);

    // Long commands are continued the way RouterOS exports them: a blank and a backslash end the line,
    // four blanks start the next. A break always falls between two arguments, never inside a value.
    ScriptBuilder b;
    b.line("/interface wireless security-profiles");
    b.line("add name=Mavek_Wlan authentication-types=" + auth + " unicast-ciphers=" + unicast +
           " group-ciphers=" + group + " \\");
    b.line(
        "    group-key-update=5m interim-update=0s management-protection=allowed management-protection-key=\"\" "
        "mode=dynamic-keys \\");
    b.line(
        "    radius-eap-accounting=no radius-mac-accounting=no radius-mac-authentication=no "
        "radius-mac-caching=disabled \\");
    b.line("    radius-mac-format=XX:XX:XX:XX:XX:XX radius-mac-mode=as-username \\");
    b.line("    static-algo-0=none static-algo-1=none static-algo-2=none static-algo-3=none \\");
    b.line(R"(    static-key-0="" static-key-1="" static-key-2="" static-key-3="" \)");
    b.line(R"(    static-sta-private-algo=none static-sta-private-key="" \)");
    b.line(R"(    static-transmit-key=key-0 supplicant-identity="" tls-certificate=none \)");
    b.line("    tls-mode=no-certificates wpa-pre-shared-key=" + key + " wpa2-pre-shared-key=" + key);
    b.blank();
    b.line("/interface wireless");
    b.line("set 0 ack-timeout=dynamic adaptive-noise-immunity=none allow-sharedkey=no \\");
    b.line(R"(    antenna-gain=0 antenna-mode=ant-a area="" arp=enabled band=2ghz-b/g \)");
    b.line("    basic-rates-a/g=6Mbps basic-rates-b=1Mbps burst-time=disabled \\");
    b.line("    compression=no country=no_country_set default-ap-tx-limit=0 \\");
    b.line("    default-authentication=yes default-client-tx-limit=0 default-forwarding=yes \\");
    b.line("    dfs-mode=none disable-running-check=no disabled=no \\");
    b.line("    disconnect-timeout=3s frame-lifetime=0 frequency=" + bare_value(f.frequency) +
           " frequency-mode=manual-txpower \\");
    b.line("    frequency-offset=0 hide-ssid=no \\");
    b.line("    hw-fragmentation-threshold=disabled hw-protection-mode=none \\");
    b.line("    hw-protection-threshold=0 hw-retries=4 l2mtu=2290 \\");
    b.line("    max-station-count=2007 mode=ap-bridge mtu=1500 name=" + interface + " \\");
    b.line("    noise-floor-threshold=default on-fail-retry-time=100ms \\");
    b.line("    periodic-calibration=default periodic-calibration-interval=60 \\");
    b.line("    preamble-mode=both proprietary-extensions=post-2.9.25 \\");
    b.line("    rate-set=default scan-list=default security-profile=Mavek_Wlan \\");
    b.line("    ssid=" + ssid_value(f.ssid) + " \\");
    b.line("    supported-rates-a/g=6Mbps,9Mbps,12Mbps,18Mbps,24Mbps,36Mbps,48Mbps,54Mbps \\");
    b.line("    supported-rates-b=1Mbps,2Mbps,5.5Mbps,11Mbps tx-power-mode=default \\");
    b.line("    update-stats-interval=disabled wds-cost-range=50-150 wds-default-bridge=none \\");
    b.line("    wds-default-cost=100 wds-ignore-ssid=no wds-mode=disabled \\");
    b.line("    wmm-support=disabled");
    b.blank();
    b.line("/ip pool add name=" + pool + " ranges=" + bare_value(f.pool));
    b.blank();
    b.line("/ip dhcp-server");
    b.line("add address-pool=" + pool + " authoritative=after-2sec-delay bootp-support=static \\");
    b.line("    disabled=no interface=" + interface + " lease-time=3d name=" + bare_value(f.dhcp_name));
    b.line("/ip address add address=" + bare_value(f.address + "/24") + " disabled=no interface=" + interface +
           " network=" + bare_value(wireless_network_of(f.address)));
    b.line("/ip dhcp-server network add address=" + bare_value(f.network + "/24") +
           " gateway=" + bare_value(f.gateway));
    b.line(dns_line(f.dns1, f.dns2, "20480"));
    return Result::ok(b.str());
}

const PageSpec& wireless_dhcp_page_spec() {
    static const PageSpec kPage{
        .caption = "无线网络DHCP",
        .summary = "无线网卡做接入点,用DHCP自动分配IP",
        .tree = "无线网络DHCP自动分配IP",
        .controls = {
            group_box(name::settings, "无线网络架设脚本+DHCP自动分配IP"),
            edit(name::interface, "无线网卡名称:", "wlan1").typed(ValueType::interface_name).in(name::settings),
            editable_combo(name::lan, "(多个无线网卡请勿重复)  内网网卡名称:", ether_items(12), "ether1")
                .typed(ValueType::interface_name)
                .in(name::settings)
                .beside(),
            // The wireless interface is the gateway of its clients: its address, the gateway handed
            // out and the DHCP network are one network.
            edit(name::address, "无线网卡IP:", "192.168.0.254").typed(ValueType::ipv4).in(name::settings),
            edit(name::gateway, "内网网卡网关:", "192.168.0.254").typed(ValueType::ipv4).in(name::settings).beside(),
            edit(name::ssid, "无线网络SSID:", "MikroTik_2.4G").unicode().in(name::settings),
            editable_combo(name::frequency, "无线网卡的频段:", frequency_items(), "2412")
                .in(name::settings)
                .hinted("MHz (非特殊情况,建议使用小于2457MHz的频率)"),
            check_box(name::wpa_psk, "WPA PSK", true).labelled("无线安全方案:").in(name::settings),
            check_box(name::wpa2_psk, "WPA2 PSK", true).in(name::settings).beside(),
            check_box(name::wpa_eap, "WPA EAP", false).in(name::settings).beside(),
            check_box(name::wpa2_eap, "WPA2 EAP", false).in(name::settings).beside(),
            password(name::key, "无线网络登录密码:", "Mavek@2015").in(name::settings),
            check_box(name::show_key, "显示密码", false).in(name::settings).beside().unmasks(name::key),
            check_box(name::unicast_tkip, "tkip", false).labelled("Unicast Ciphers:").in(name::settings),
            check_box(name::unicast_aes, "aes ccm", true).in(name::settings).beside().hinted("(默认选项)"),
            check_box(name::group_tkip, "tkip", false).labelled("Group Ciphers:").in(name::settings),
            check_box(name::group_aes, "aes ccm", true).in(name::settings).beside().hinted("(默认选项)"),
            edit(name::pool_name, "无线网络IP地址池名称:", "Wlan_pool").in(name::settings),
            edit(name::pool, "无线网络IP地址段:", "192.168.0.50-192.168.0.90")
                .typed(ValueType::address_range)
                .in(name::settings)
                .hinted("(无线网络自动分配IP地址段)"),
            edit(name::dhcp_name, "无线DHCP模板名称:", "Wlan_dhcp").in(name::settings),
            edit(name::network, "无线用户网段:", "192.168.0.0")
                .typed(ValueType::ipv4)
                .in(name::settings)
                .hinted("(和内网网关同一IP段,默认:192.168.0.0)"),
            edit(name::dns1, "首选 DNS:", "218.85.152.99").typed(ValueType::ipv4).in(name::settings),
            edit(name::dns2, "备用 DNS:", "218.85.157.99").typed(ValueType::ipv4).in(name::settings).beside(),
            button(name::generate, "5.X/6.X系列脚本生成").in(name::settings),
            group_box(name::tips_group, "小提示"),
            label(name::tips,
                  "使用RouterOS做无线路由过程中,如对设置不是很清楚请尽量采用默认设置！只需要修改对应的IP和IP段即可！")
                .in(name::tips_group),
        }};
    return kPage;
}

WirelessDhcpFields wireless_dhcp_fields(const Form& form) {
    return {
        .interface = form.text(name::interface),
        .address = form.text(name::address),
        .gateway = form.text(name::gateway),
        .ssid = form.text(name::ssid),
        .frequency = form.text(name::frequency),
        .wpa_psk = form.checked(name::wpa_psk),
        .wpa2_psk = form.checked(name::wpa2_psk),
        .wpa_eap = form.checked(name::wpa_eap),
        .wpa2_eap = form.checked(name::wpa2_eap),
        .key = form.text(name::key),
        .unicast_tkip = form.checked(name::unicast_tkip),
        .unicast_aes = form.checked(name::unicast_aes),
        .group_tkip = form.checked(name::group_tkip),
        .group_aes = form.checked(name::group_aes),
        .pool_name = form.text(name::pool_name),
        .pool = form.text(name::pool),
        .dhcp_name = form.text(name::dhcp_name),
        .network = form.text(name::network),
        .dns1 = form.text(name::dns1),
        .dns2 = form.text(name::dns2),
    };
}

namespace {

Outcome run_wireless_dhcp(const Form& form, Env&) {
    return Outcome::from(generate_wireless_dhcp(wireless_dhcp_fields(form)));
}

}  // namespace

PageEntry wireless_dhcp_page() {
    return {&wireless_dhcp_page_spec(), {{name::generate, run_wireless_dhcp}}};
}

}  // namespace vorlix
