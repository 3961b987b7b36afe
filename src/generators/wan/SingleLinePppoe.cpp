#include "generators/wan/SingleLinePppoe.hpp"

#include "generators/wan/WanScript.hpp"
#include "script/encoding.hpp"
#include "script/quote.hpp"
#include "script/ros_escape.hpp"
#include "script/script_builder.hpp"

namespace vorlix {
namespace name {
namespace {
constexpr std::string_view group = "分组框_12";
constexpr std::string_view lan = "组合框_12内网卡";
constexpr std::string_view lan_gateway = "编辑框_12内网网关";
constexpr std::string_view lan_gateway_mask = "编辑框_12内网网关掩码";
constexpr std::string_view lan_comment = "编辑框_12内网备注";
constexpr std::string_view wan = "组合框_12外网卡";
constexpr std::string_view dial_name = "编辑框_12拨号标识";
constexpr std::string_view user = "编辑框_12账号";
constexpr std::string_view password = "编辑框_12密码";
constexpr std::string_view user_hint = "标签_12账号提示";
constexpr std::string_view lan_network = "编辑框_12内网网段";
constexpr std::string_view lan_network_mask = "编辑框_12内网网段掩码";
constexpr std::string_view dns1 = "编辑框_12首选DNS";
constexpr std::string_view dns2 = "编辑框_12备用DNS";
constexpr std::string_view mss = "编辑框_12MSS值";
constexpr std::string_view generate = "按钮_12生成";
}  // namespace
}  // namespace name

const PageSpec& single_line_pppoe_page_spec() {
    static const PageSpec kPage{
        .caption = "单线PPPoE拨号",
        .summary = "一条PPPoE拨号线路上网:拨号账号、DNS和内网NAT",
        .controls = {
            group_box(name::group, "单线PPPoE拨号上网安装设置脚本"),
            editable_combo(name::lan, "内网网卡:", ether_items(8), "ether2")
                .typed(ValueType::interface_name)
                .in(name::group),
            edit(name::lan_gateway, "内网网关:", "192.168.0.254")
                .typed(ValueType::ipv4)
                .in(name::group)
                .hinted("(这里设置您将要作为内网网关的IP)"),
            edit(name::lan_gateway_mask, "/", "24").typed(ValueType::prefix).in(name::group).beside(),
            edit(name::lan_comment, "备注:", "default gateway").in(name::group).hinted("(支持中文)"),
            edit(name::lan_network, "内网网段:", "192.168.0.0")
                .typed(ValueType::ipv4)
                .in(name::group)
                .hinted("(设置局域网内网网段,用于masquerade自动IP伪装)"),
            edit(name::lan_network_mask, "/", "24").typed(ValueType::prefix).in(name::group).beside(),
            edit(name::dial_name, "拨号标志(名称):", "pppoe-out1").typed(ValueType::interface_name).in(name::group),
            editable_combo(name::wan, "用于拨号的网卡接口:", ether_items(8), "ether1")
                .typed(ValueType::interface_name)
                .in(name::group)
                .hinted("(这里不能和第一步的内网网卡一致,否则会出错)"),
            edit(name::user, "PPPoE账号:", "059112345678").at_most(64).in(name::group),
            edit(name::password, "PPPoE密码:", "123456").at_most(64).in(name::group),
            label(name::user_hint, "(办理宽带时,运营商给你的宽带账号和密码,若不知,请咨询运营商)").in(name::group),
            edit(name::dns1, "首选 DNS:", "218.85.152.99").typed(ValueType::ipv4).in(name::group),
            edit(name::dns2, "备用 DNS:", "218.85.157.99").typed(ValueType::ipv4).in(name::group),
            edit(name::mss, "TCP MSS值:", "1440").in(name::group),
            button(name::generate, "5.X/6.X系列脚本生成").in(name::group),
        }};
    return kPage;
}

Result generate_single_line_pppoe(const SingleLinePppoeFields& f) {
    ScriptBuilder b;
    b.line("/ip address add address=" + bare_value(f.lan_gateway + "/" + f.lan_gateway_mask) +
           " interface=" + bare_value(f.lan_interface) + " comment=" + ros_comment(f.lan_comment));
    b.line("/interface pppoe-client add name=" + bare_value(f.client_name) +
           " interface=" + bare_value(f.wan_interface) + " user=" + bare_value(f.user) +
           " password=" + bare_value(f.password) + " add-default-route=yes disabled=no");
    b.line("/ip firewall nat add chain=srcnat action=masquerade src-address=" +
           bare_value(f.lan_network + "/" + f.lan_network_mask));
    b.line(mss_clamp_line(f.mss));
    b.line(dns_line(f.dns1, f.dns2));
    return Result::ok(b.str());
}

namespace {

Outcome run_single_line_pppoe(const Form& form, Env&) {
    return Outcome::from(generate_single_line_pppoe({
        .lan_interface = form.text(name::lan),
        .lan_gateway = form.text(name::lan_gateway),
        .lan_gateway_mask = form.text(name::lan_gateway_mask),
        .lan_comment = form.text(name::lan_comment),
        .lan_network = form.text(name::lan_network),
        .lan_network_mask = form.text(name::lan_network_mask),
        .client_name = form.text(name::dial_name),
        .wan_interface = form.text(name::wan),
        .user = form.text(name::user),
        .password = form.text(name::password),
        .dns1 = form.text(name::dns1),
        .dns2 = form.text(name::dns2),
        .mss = form.text(name::mss),
    }));
}

}  // namespace

PageEntry single_line_pppoe_page() {
    return {&single_line_pppoe_page_spec(), {{name::generate, run_single_line_pppoe}}};
}

}  // namespace vorlix
