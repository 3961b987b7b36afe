#include "generators/wan/SingleLineStatic.hpp"

#include "generators/wan/WanScript.hpp"
#include "script/encoding.hpp"
#include "script/ipv4.hpp"
#include "script/quote.hpp"
#include "script/ros_escape.hpp"
#include "script/script_builder.hpp"
#include "script/text.hpp"

namespace vorlix {
namespace name {
namespace {
constexpr std::string_view group = "分组框_11";
constexpr std::string_view lan = "组合框_11内网卡";
constexpr std::string_view lan_gateway = "编辑框_11内网网关";
constexpr std::string_view lan_gateway_mask = "编辑框_11内网网关掩码";
constexpr std::string_view lan_comment = "编辑框_11内网备注";
constexpr std::string_view wan = "组合框_11外网卡";
constexpr std::string_view wan_address = "编辑框_11外网IP";
constexpr std::string_view wan_mask = "编辑框_11外网掩码";
constexpr std::string_view wan_comment = "编辑框_11外网备注";
constexpr std::string_view wan_gateway = "编辑框_11外网网关";
constexpr std::string_view lan_network = "编辑框_11内网网段";
constexpr std::string_view lan_network_mask = "编辑框_11内网网段掩码";
constexpr std::string_view dns1 = "编辑框_11首选DNS";
constexpr std::string_view dns2 = "编辑框_11备用DNS";
constexpr std::string_view mss = "编辑框_11MSS值";
constexpr std::string_view generate = "按钮_11生成";
}  // namespace
}  // namespace name

const PageSpec& single_line_static_page_spec() {
    static const PageSpec kPage{
        .caption = "单线固定IP",
        .summary = "一条固定IP线路上网:外网地址、网关、DNS和内网NAT",
        .tree = "单线固定IP(企业)",
        .controls = {
            group_box(name::group, "单线固定IP上网安装设置脚本"),
            editable_combo(name::lan, "内网网卡:", ether_items(8), "ether2")
                .typed(ValueType::interface_name)
                .in(name::group),
            edit(name::lan_gateway, "内网网关:", "192.168.0.254")
                .typed(ValueType::ipv4)
                .in(name::group)
                .hinted("(这里设置您将要作为内网网关的IP)"),
            edit(name::lan_gateway_mask, "/", "24").typed(ValueType::prefix).in(name::group).beside(),
            edit(name::lan_comment, "备注:", "default gateway").in(name::group).hinted("(支持中文)"),
            editable_combo(name::wan, "外网网卡:", ether_items(8), "ether1")
                .typed(ValueType::interface_name)
                .in(name::group)
                .hinted("(这里不能和第一步的内网网卡一致,否则会出错,既选择连接外网的网卡)"),
            edit(name::wan_address, "外网 I P:", "218.85.141.122")
                .typed(ValueType::ipv4)
                .in(name::group)
                .hinted("(宽带运营商给您提供可用的外网IP地址)"),
            edit(name::wan_mask, "/", "29").typed(ValueType::prefix).in(name::group).beside(),
            edit(name::wan_comment, "备注:", "Wan Ip").in(name::group).hinted("(支持中文)"),
            edit(name::wan_gateway, "外网网关IP:", "218.85.141.121").typed(ValueType::ipv4).in(name::group),
            edit(name::lan_network, "内网网段:", "192.168.0.0").typed(ValueType::ipv4).in(name::group),
            edit(name::lan_network_mask, "/", "24").typed(ValueType::prefix).in(name::group).beside(),
            edit(name::dns1, "首选 DNS:", "218.85.152.99").typed(ValueType::ipv4).in(name::group),
            edit(name::dns2, "备用 DNS:", "218.85.157.99").typed(ValueType::ipv4).in(name::group),
            edit(name::mss, "TCP MSS值:", "1440").in(name::group),
            button(name::generate, "5.X/6.X系列脚本生成").in(name::group),
        }};
    return kPage;
}

Result generate_single_line_static(const SingleLineStaticFields& f) {
    ScriptBuilder b;
    b.line("/ip address add address=" + bare_value(f.lan_gateway + "/" + f.lan_gateway_mask) +
           " interface=" + bare_value(f.lan_interface) + " comment=" + ros_comment(f.lan_comment));
    b.line("/ip address add address=" + bare_value(f.wan_address + "/" + f.wan_mask) +
           " interface=" + bare_value(f.wan_interface) + " comment=" + ros_comment(f.wan_comment));
    b.line("/ip route add gateway=" + bare_value(f.wan_gateway));
    b.line("/ip firewall nat add chain=srcnat action=masquerade src-address=" +
           bare_value(f.lan_network + "/" + f.lan_network_mask));
    b.line(mss_clamp_line(f.mss));
    b.line("/ip dns set allow-remote-requests=yes cache-size=2048KiB max-udp-packet-size=512 servers=" +
           bare_value(dns_servers(f.dns1, f.dns2)));
    std::vector<std::string> problems;
    if (auto p = gateway_problem(f.wan_address, f.wan_mask, f.wan_gateway)) problems.push_back("外网: " + *p);
    return Result::ok(b.str(), problems_warning(problems));
}

namespace {

Outcome run_single_line_static(const Form& form, Env&) {
    return Outcome::from(generate_single_line_static({
        .lan_interface = form.text(name::lan),
        .lan_gateway = form.text(name::lan_gateway),
        .lan_gateway_mask = form.text(name::lan_gateway_mask),
        .lan_comment = form.text(name::lan_comment),
        .wan_interface = form.text(name::wan),
        .wan_address = form.text(name::wan_address),
        .wan_mask = form.text(name::wan_mask),
        .wan_comment = form.text(name::wan_comment),
        .wan_gateway = form.text(name::wan_gateway),
        .lan_network = form.text(name::lan_network),
        .lan_network_mask = form.text(name::lan_network_mask),
        .dns1 = form.text(name::dns1),
        .dns2 = form.text(name::dns2),
        .mss = form.text(name::mss),
    }));
}

}  // namespace

PageEntry single_line_static_page() {
    return {&single_line_static_page_spec(), {{name::generate, run_single_line_static}}};
}

}  // namespace vorlix
