#include "generators/wan/SingleLinePppoe.hpp"

#include "generators/wan/WanScript.hpp"
#include "script/encoding.hpp"
#include "script/quote.hpp"
#include "script/ros_escape.hpp"
#include "script/script_builder.hpp"

namespace vorlix {
namespace {

constexpr const char* kGroup = "分组框_12";

}  // namespace

const PageSpec& single_line_pppoe_page_spec() {
    static const PageSpec kPage{
        .caption = "单线PPPoE拨号",
        .outer = 1,
        .inner = 2,
        .controls = {
            group_box(kGroup, "单线PPPoE拨号上网安装设置脚本"),
            editable_combo("组合框_12内网卡", "内网网卡:", ether_items(8), "ether2").in(kGroup),
            edit("编辑框_12内网网关", "内网网关:", "192.168.0.254")
                .in(kGroup)
                .hinted("(这里设置您将要作为内网网关的IP)"),
            edit("编辑框_12内网网关掩码", "/", "24").in(kGroup).beside(),
            edit("编辑框_12内网备注", "备注:", "default gateway").in(kGroup).hinted("(支持中文)"),
            edit("编辑框_12内网网段", "内网网段:", "192.168.0.0")
                .in(kGroup)
                .hinted("(设置局域网内网网段,用于masquerade自动IP伪装)"),
            edit("编辑框_12内网网段掩码", "/", "24").in(kGroup).beside(),
            edit("编辑框_12拨号标识", "拨号标志(名称):", "pppoe-out1").in(kGroup),
            editable_combo("组合框_12外网卡", "用于拨号的网卡接口:", ether_items(8), "ether1")
                .in(kGroup)
                .hinted("(这里不能和第一步的内网网卡一致,否则会出错)"),
            edit("编辑框_12账号", "PPPoE账号:", "059112345678").in(kGroup),
            edit("编辑框_12密码", "PPPoE密码:", "123456").in(kGroup),
            label("标签_12账号提示", "(办理宽带时,运营商给你的宽带账号和密码,若不知,请咨询运营商)").in(kGroup),
            edit("编辑框_12首选DNS", "首选 DNS:", "218.85.152.99").in(kGroup),
            edit("编辑框_12备用DNS", "备用 DNS:", "218.85.157.99").in(kGroup),
            edit("编辑框_12MSS值", "TCP MSS值:", "1440").in(kGroup),
            button("按钮_12生成", "5.X/6.X系列脚本生成").in(kGroup),
        }};
    return kPage;
}

Result generate_single_line_pppoe(const SingleLinePppoeFields& f) {
    ScriptBuilder b;
    b.line("/ip address add address=" + bare_value(f.lan_gateway + "/" + f.lan_gateway_mask) + " interface=" +
           bare_value(f.lan_interface) + " comment=" + quote_text(ros_escape(utf8_to_gbk(f.lan_comment))));
    b.line("/interface pppoe-client add name=" + bare_value(f.client_name) +
           " interface=" + bare_value(f.wan_interface) + " user=" + bare_value(f.user) +
           " password=" + bare_value(f.password) + " add-default-route=yes disabled=no");
    b.line("/ip firewall nat add chain=srcnat action=masquerade src-address=" +
           bare_value(f.lan_network + "/" + f.lan_network_mask));
    b.line("/ip firewall mangle add chain=forward protocol=tcp tcp-flags=syn action=change-mss new-mss=" +
           bare_value(f.mss));
    b.line(dns_line(f.dns1, f.dns2));
    return Result::ok(b.str());
}

namespace {

Outcome run_single_line_pppoe(const Form& form, Env&) {
    return Outcome::from(generate_single_line_pppoe({
        .lan_interface = form.text("组合框_12内网卡"),
        .lan_gateway = form.text("编辑框_12内网网关"),
        .lan_gateway_mask = form.text("编辑框_12内网网关掩码"),
        .lan_comment = form.text("编辑框_12内网备注"),
        .lan_network = form.text("编辑框_12内网网段"),
        .lan_network_mask = form.text("编辑框_12内网网段掩码"),
        .client_name = form.text("编辑框_12拨号标识"),
        .wan_interface = form.text("组合框_12外网卡"),
        .user = form.text("编辑框_12账号"),
        .password = form.text("编辑框_12密码"),
        .dns1 = form.text("编辑框_12首选DNS"),
        .dns2 = form.text("编辑框_12备用DNS"),
        .mss = form.text("编辑框_12MSS值"),
    }));
}

}  // namespace

PageEntry single_line_pppoe_page() {
    return {&single_line_pppoe_page_spec(), {{"按钮_12生成", run_single_line_pppoe}}};
}

}  // namespace vorlix
