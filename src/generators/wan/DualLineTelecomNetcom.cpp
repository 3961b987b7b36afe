#include "generators/wan/DualLineTelecomNetcom.hpp"

#include "script/isp_lists.hpp"
#include "script/quote.hpp"
#include "script/script_builder.hpp"
#include "script/text.hpp"

namespace vorlix {
namespace {

constexpr const char* kGroup = "分组框_17双线";

std::vector<std::string> ether_ports() {
    std::vector<std::string> items;
    for (int i = 1; i <= 12; ++i) items.push_back("ether" + std::to_string(i));
    return items;
}

}  // namespace

const PageSpec& dual_line_page_spec() {
    static const PageSpec kPage{
        .caption = "双线固定IP电信网通",
        .outer = 1,
        .inner = 7,
        .controls = {
            group_box(kGroup, "电信网通双线固定IP上网安装设置脚本"),
            editable_combo("组合框_17内网卡", "内网网卡:", ether_ports(), "ether4").in(kGroup),
            edit("编辑框_17内网网关", "内网网关:", "192.168.0.254").in(kGroup),
            edit("编辑框_17内网网关掩码", "/", "24").in(kGroup).beside().hinted("(这里设置您将要作为内网网关的IP)"),
            edit("编辑框_17内网网段", "内网网段:", "192.168.0.0").in(kGroup),
            edit("编辑框_17内网网段掩码", "/", "24").in(kGroup).beside().hinted("(设置局域网内网网段)"),
            editable_combo("组合框_17电信网卡", "接电信网卡:", ether_ports(), "ether1")
                .in(kGroup)
                .hinted("(如果不熟悉此项请保持默认,作为电信外网网卡)"),
            edit("编辑框_17电信外网IP", "电信外网IP:", "218.85.167.150").in(kGroup),
            edit("编辑框_17电信外网IP掩码", "/", "29").in(kGroup).beside(),
            edit("编辑框_17电信外网网关", "电信外网网关:", "218.85.150.1").in(kGroup),
            edit("编辑框_17电信DNS", "电信DNS:", "218.85.152.99").in(kGroup),
            editable_combo("组合框_17网通网卡", "接网通网卡:", ether_ports(), "ether2")
                .in(kGroup)
                .hinted("(如果不熟悉此项请保持默认,作为网通外网网卡)"),
            edit("编辑框_17网通外网IP", "网通外网IP:", "210.13.218.83").in(kGroup),
            edit("编辑框_17网通外网IP掩码", "/", "29").in(kGroup).beside(),
            edit("编辑框_17网通外网网关", "网通外网网关:", "210.13.100.1").in(kGroup),
            edit("编辑框_17网通DNS", "网通DNS:", "218.104.128.106").in(kGroup),
            edit("编辑框_17MSS值", "TCP MSS值:", "1440").in(kGroup),
            radio_button("单选框_17电信", "电信为主网通为辅", true).in(kGroup),
            radio_button("单选框_17网通", "网通为主电信为辅", false).in(kGroup).beside(),
            button("按钮_17生成", "5.X/6.X系列脚本生成").in(kGroup),
            button("按钮_17路由表", "5.X/6.X路由表生成").in(kGroup).beside(),
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
    s.line("/ip firewall mangle add chain=forward protocol=tcp tcp-flags=syn action=change-mss new-mss=" +
           bare_value(f.mss));
    s.blank();
    // A lone comma (one box left empty) is rejected by the router, so the boxes are joined by the
    // same rule as on every other page.
    s.line("/ip dns set allow-remote-requests=yes cache-size=2048 max-udp-packet-size=512 servers=" +
           bare_value(dns_servers(first.dns, second.dns)));
    return Result::ok(s.str());
}

Result generate_dual_line_routes(const DualLineRouteFields& f) {
    const IspList secondary_list = f.telecom_primary ? IspList::netcom : IspList::telecom;
    const std::string& secondary = f.telecom_primary ? f.netcom_gateway : f.telecom_gateway;
    const std::string& primary = f.telecom_primary ? f.telecom_gateway : f.netcom_gateway;
    const std::string tail =
        " gateway=" + bare_value(secondary) + " check-gateway=ping distance=1 scope=255 target-scope=10 disabled=no";
    ScriptBuilder s;
    s.line("/ip route");
    std::string line;
    for (const std::string_view network : isp_list_entries(secondary_list)) {
        line.assign("add dst-address=").append(network).append(tail);
        s.line(line);
    }
    s.line("add dst-address=0.0.0.0/0 gateway=" + bare_value(primary) +
           " check-gateway=ping distance=2 scope=255 target-scope=10 disabled=no");
    return Result::ok(s.str());
}

namespace {

DualLineLine read_line(const Form& form, const std::string& carrier) {
    return {
        .interface = form.text("组合框_17" + carrier + "网卡"),
        .address = form.text("编辑框_17" + carrier + "外网IP"),
        .prefix = form.text("编辑框_17" + carrier + "外网IP掩码"),
        .gateway = form.text("编辑框_17" + carrier + "外网网关"),
        .dns = form.text("编辑框_17" + carrier + "DNS"),
    };
}

Outcome run_setup(const Form& form, Env&) {
    return Outcome::from(generate_dual_line_setup({
        .lan_interface = form.text("组合框_17内网卡"),
        .lan_gateway = form.text("编辑框_17内网网关"),
        .lan_gateway_prefix = form.text("编辑框_17内网网关掩码"),
        .lan_network = form.text("编辑框_17内网网段"),
        .lan_network_prefix = form.text("编辑框_17内网网段掩码"),
        .telecom = read_line(form, "电信"),
        .netcom = read_line(form, "网通"),
        .mss = form.text("编辑框_17MSS值"),
        // Only the Telecom button is read: with neither checked, Netcom is primary.
        .telecom_primary = form.checked("单选框_17电信"),
    }));
}

Outcome run_routes(const Form& form, Env&) {
    return Outcome::from(generate_dual_line_routes({
        .telecom_gateway = form.text("编辑框_17电信外网网关"),
        .netcom_gateway = form.text("编辑框_17网通外网网关"),
        .telecom_primary = form.checked("单选框_17电信"),
    }));
}

}  // namespace

PageEntry dual_line_page() {
    return {&dual_line_page_spec(), {{"按钮_17生成", run_setup}, {"按钮_17路由表", run_routes}}};
}

}  // namespace vorlix
