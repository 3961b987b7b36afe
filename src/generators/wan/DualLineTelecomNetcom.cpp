#include "generators/wan/DualLineTelecomNetcom.hpp"

#include "generators/wan/WanScript.hpp"
#include "script/ipv4.hpp"
#include "script/isp_lists.hpp"
#include "script/quote.hpp"
#include "script/script_builder.hpp"
#include "script/text.hpp"

namespace vorlix {
namespace name {
namespace {
constexpr std::string_view group = "分组框_17双线";
constexpr std::string_view lan = "组合框_17内网卡";
constexpr std::string_view lan_gateway = "编辑框_17内网网关";
constexpr std::string_view lan_gateway_mask = "编辑框_17内网网关掩码";
constexpr std::string_view lan_network = "编辑框_17内网网段";
constexpr std::string_view lan_network_mask = "编辑框_17内网网段掩码";
constexpr std::string_view telecom_wan = "组合框_17电信网卡";
constexpr std::string_view telecom_address = "编辑框_17电信外网IP";
constexpr std::string_view telecom_mask = "编辑框_17电信外网IP掩码";
constexpr std::string_view telecom_gateway = "编辑框_17电信外网网关";
constexpr std::string_view telecom_dns = "编辑框_17电信DNS";
constexpr std::string_view netcom_wan = "组合框_17网通网卡";
constexpr std::string_view netcom_address = "编辑框_17网通外网IP";
constexpr std::string_view netcom_mask = "编辑框_17网通外网IP掩码";
constexpr std::string_view netcom_gateway = "编辑框_17网通外网网关";
constexpr std::string_view netcom_dns = "编辑框_17网通DNS";
constexpr std::string_view mss = "编辑框_17MSS值";
constexpr std::string_view telecom_primary = "单选框_17电信";
constexpr std::string_view netcom_primary = "单选框_17网通";
constexpr std::string_view generate = "按钮_17生成";
constexpr std::string_view route_table = "按钮_17路由表";
}  // namespace
}  // namespace name

const PageSpec& dual_line_page_spec() {
    static const PageSpec kPage{
        .caption = "双线固定IP电信网通",
        .summary = "电信、网通两条固定IP线路,各自的地址走各自的线路",
        .controls = {
            group_box(name::group, "电信网通双线固定IP上网安装设置脚本"),
            editable_combo(name::lan, "内网网卡:", ether_items(12), "ether4")
                .typed(ValueType::interface_name)
                .in(name::group),
            edit(name::lan_gateway, "内网网关:", "192.168.0.254").typed(ValueType::ipv4).in(name::group),
            edit(name::lan_gateway_mask, "/", "24")
                .typed(ValueType::prefix)
                .in(name::group)
                .beside()
                .hinted("(这里设置您将要作为内网网关的IP)"),
            edit(name::lan_network, "内网网段:", "192.168.0.0").typed(ValueType::ipv4).in(name::group),
            edit(name::lan_network_mask, "/", "24")
                .typed(ValueType::prefix)
                .in(name::group)
                .beside()
                .hinted("(设置局域网内网网段)"),
            editable_combo(name::telecom_wan, "接电信网卡:", ether_items(12), "ether1")
                .typed(ValueType::interface_name)
                .in(name::group)
                .hinted("(如果不熟悉此项请保持默认,作为电信外网网卡)"),
            edit(name::telecom_address, "电信外网IP:", "218.85.167.150").typed(ValueType::ipv4).in(name::group),
            edit(name::telecom_mask, "/", "29").typed(ValueType::prefix).in(name::group).beside(),
            edit(name::telecom_gateway, "电信外网网关:", "218.85.167.145").typed(ValueType::ipv4).in(name::group),
            edit(name::telecom_dns, "电信DNS:", "218.85.152.99").typed(ValueType::ipv4).in(name::group),
            editable_combo(name::netcom_wan, "接网通网卡:", ether_items(12), "ether2")
                .typed(ValueType::interface_name)
                .in(name::group)
                .hinted("(如果不熟悉此项请保持默认,作为网通外网网卡)"),
            edit(name::netcom_address, "网通外网IP:", "210.13.218.83").typed(ValueType::ipv4).in(name::group),
            edit(name::netcom_mask, "/", "29").typed(ValueType::prefix).in(name::group).beside(),
            edit(name::netcom_gateway, "网通外网网关:", "210.13.218.81").typed(ValueType::ipv4).in(name::group),
            edit(name::netcom_dns, "网通DNS:", "218.104.128.106").typed(ValueType::ipv4).in(name::group),
            edit(name::mss, "TCP MSS值:", "1440").in(name::group),
            radio_button(name::telecom_primary, "电信为主网通为辅", true).in(name::group),
            radio_button(name::netcom_primary, "网通为主电信为辅", false).in(name::group).beside(),
            button(name::generate, "5.X/6.X系列脚本生成").in(name::group),
            button(name::route_table, "5.X/6.X路由表生成").in(name::group).beside(),
        }};
    return kPage;
}

Result generate_dual_line_setup(const DualLineFields& f) {
    const std::string lan = bare_value(f.lan_network + "/" + f.lan_network_prefix);
    const DualLineLine& first = f.telecom_primary ? f.telecom : f.netcom;
    const DualLineLine& second = f.telecom_primary ? f.netcom : f.telecom;
    ScriptBuilder s;
    s.line("/ip address add address=" + bare_value(f.lan_gateway + "/" + f.lan_gateway_prefix) +
           " interface=" + bare_value(f.lan_interface) + " comment=" + quote_text("Lan"));
    s.line("/ip address add address=" + bare_value(f.telecom.address + "/" + f.telecom.prefix) +
           " interface=" + bare_value(f.telecom.interface) + " comment=" + quote_text("Tel") + " disabled=no");
    s.line("/ip address add address=" + bare_value(f.netcom.address + "/" + f.netcom.prefix) +
           " interface=" + bare_value(f.netcom.interface) + " comment=" + quote_text("Cnc") + " disabled=no");
    s.blank();
    s.line("/ip firewall nat add chain=srcnat src-address=" + lan + " action=masquerade disabled=no");
    s.line("/ip firewall nat add chain=dstnat src-address=" + lan +
           " protocol=udp dst-port=53 action=dst-nat to-addresses=" + bare_value(f.lan_gateway) +
           " to-ports=53 disabled=no");
    s.line(mss_clamp_line(f.mss));
    s.blank();
    // A lone comma (one box left empty) is rejected by the router, so the boxes are joined by the
    // same rule as on every other page.
    s.line("/ip dns set allow-remote-requests=yes cache-size=2048 max-udp-packet-size=512 servers=" +
           bare_value(dns_servers(first.dns, second.dns)));
    // A connection opened from outside is answered by the line it came in on: the route table sends
    // the other carrier's networks, and everything else, by destination, so without a mark the reply
    // could leave by the other line with the wrong source address and be dropped upstream.
    s.blank();
    s.line("/ip firewall mangle");
    const std::string lan_interface = bare_value(f.lan_interface);
    for (const auto& [line, tag] : {std::pair{&f.telecom, "Tel"}, std::pair{&f.netcom, "Cnc"}}) {
        const std::string conn = std::string(tag) + "_conn", route = std::string(tag) + "_route";
        s.line("add chain=prerouting in-interface=" + bare_value(line->interface) +
               " connection-state=new connection-mark=no-mark action=mark-connection new-connection-mark=" + conn);
        s.line("add chain=prerouting in-interface=" + lan_interface + " connection-mark=" + conn +
               " action=mark-routing new-routing-mark=" + route);
        s.line("add chain=output connection-mark=" + conn + " action=mark-routing new-routing-mark=" + route);
    }
    s.line("/ip route");
    for (const auto& [line, tag] : {std::pair{&f.telecom, "Tel"}, std::pair{&f.netcom, "Cnc"}})
        s.line("add dst-address=0.0.0.0/0 gateway=" + bare_value(line->gateway) +
               " check-gateway=ping routing-mark=" + tag + "_route comment=" + quote_text(tag) + " disabled=no");

    std::vector<std::string> problems;
    if (auto p = gateway_problem(f.telecom.address, f.telecom.prefix, f.telecom.gateway))
        problems.push_back("电信: " + *p);
    if (auto p = gateway_problem(f.netcom.address, f.netcom.prefix, f.netcom.gateway))
        problems.push_back("网通: " + *p);
    return Result::ok(s.str(), problems_warning(problems));
}

namespace {

// The gateway of the carrier that is not the primary one.
const std::string& secondary_gateway(const DualLineRouteFields& f) {
    return f.telecom_primary ? f.netcom_gateway : f.telecom_gateway;
}

}  // namespace

void add_carrier_routes(ScriptBuilder& s, const DualLineRouteFields& f) {
    const IspList secondary_list = f.telecom_primary ? IspList::netcom : IspList::telecom;
    const std::string& secondary = secondary_gateway(f);
    const std::string& primary = f.telecom_primary ? f.telecom_gateway : f.netcom_gateway;
    const std::string tail =
        " gateway=" + bare_value(secondary) + " check-gateway=ping distance=1 scope=255 target-scope=10 disabled=no";
    s.line("/ip route");
    std::string line;
    for (const std::string_view network : isp_list_entries(secondary_list)) {
        line.assign("add dst-address=").append(network).append(tail);
        s.line(line);
    }
    s.line("add dst-address=0.0.0.0/0 gateway=" + bare_value(primary) +
           " check-gateway=ping distance=2 scope=255 target-scope=10 disabled=no");
}

Result generate_dual_line_routes(const DualLineRouteFields& f) {
    ScriptBuilder s;
    add_carrier_routes(s, f);
    // When the primary line fails, everything goes out by the secondary one.
    s.line("add dst-address=0.0.0.0/0 gateway=" + bare_value(secondary_gateway(f)) +
           " check-gateway=ping distance=3 scope=255 target-scope=10 disabled=no");
    return Result::ok(s.str());
}

namespace {

// The names of one carrier's inputs.
struct LineNames {
    std::string_view interface, address, prefix, gateway, dns;
};
constexpr LineNames kTelecom{name::telecom_wan, name::telecom_address, name::telecom_mask, name::telecom_gateway,
                             name::telecom_dns};
constexpr LineNames kNetcom{name::netcom_wan, name::netcom_address, name::netcom_mask, name::netcom_gateway,
                            name::netcom_dns};

DualLineLine read_line(const Form& form, const LineNames& n) {
    return {
        .interface = form.text(n.interface),
        .address = form.text(n.address),
        .prefix = form.text(n.prefix),
        .gateway = form.text(n.gateway),
        .dns = form.text(n.dns),
    };
}

Outcome run_setup(const Form& form, Env&) {
    return Outcome::from(generate_dual_line_setup({
        .lan_interface = form.text(name::lan),
        .lan_gateway = form.text(name::lan_gateway),
        .lan_gateway_prefix = form.text(name::lan_gateway_mask),
        .lan_network = form.text(name::lan_network),
        .lan_network_prefix = form.text(name::lan_network_mask),
        .telecom = read_line(form, kTelecom),
        .netcom = read_line(form, kNetcom),
        .mss = form.text(name::mss),
        // Only the Telecom button is read: with neither checked, Netcom is primary.
        .telecom_primary = form.checked(name::telecom_primary),
    }));
}

Outcome run_routes(const Form& form, Env&) {
    return Outcome::from(generate_dual_line_routes({
        .telecom_gateway = form.text(name::telecom_gateway),
        .netcom_gateway = form.text(name::netcom_gateway),
        .telecom_primary = form.checked(name::telecom_primary),
    }));
}

}  // namespace

PageEntry dual_line_page() {
    return {&dual_line_page_spec(), {{name::generate, run_setup}, {name::route_table, run_routes}}};
}

}  // namespace vorlix
