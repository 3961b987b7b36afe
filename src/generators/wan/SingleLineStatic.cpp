#include "generators/wan/SingleLineStatic.hpp"

#include "generators/wan/WanScript.hpp"
#include "script/encoding.hpp"
#include "script/quote.hpp"
#include "script/ros_escape.hpp"
#include "script/script_builder.hpp"
#include "script/text.hpp"

namespace vorlix {
namespace {

constexpr const char* kGroup = "分组框_11";

}  // namespace

const PageSpec& single_line_static_page_spec() {
    static const PageSpec kPage{
        .caption = "单线固定IP",
        .outer = 1,
        .inner = 1,
        .controls = {
            group_box(kGroup, "单线固定IP上网安装设置脚本"),
            editable_combo("组合框_11内网卡", "内网网卡:", ether_items(8), "ether2").in(kGroup),
            edit("编辑框_11内网网关", "内网网关:", "192.168.0.254")
                .in(kGroup)
                .hinted("(这里设置您将要作为内网网关的IP)"),
            edit("编辑框_11内网网关掩码", "/", "24").in(kGroup).beside(),
            edit("编辑框_11内网备注", "备注:", "default gateway").in(kGroup).hinted("(支持中文)"),
            editable_combo("组合框_11外网卡", "外网网卡:", ether_items(8), "ether1")
                .in(kGroup)
                .hinted("(这里不能和第一步的内网网卡一致,否则会出错,既选择连接外网的网卡)"),
            edit("编辑框_11外网IP", "外网 I P:", "218.85.141.120")
                .in(kGroup)
                .hinted("(宽带运营商给您提供可用的外网IP地址)"),
            edit("编辑框_11外网掩码", "/", "29").in(kGroup).beside(),
            edit("编辑框_11外网备注", "备注:", "Wan Ip").in(kGroup).hinted("(支持中文)"),
            edit("编辑框_11外网网关", "外网网关IP:", "218.85.140.100").in(kGroup),
            edit("编辑框_11内网网段", "内网网段:", "192.168.0.0").in(kGroup),
            edit("编辑框_11内网网段掩码", "/", "24").in(kGroup).beside(),
            edit("编辑框_11首选DNS", "首选 DNS:", "218.85.152.99").in(kGroup),
            edit("编辑框_11备用DNS", "备用 DNS:", "218.85.157.99").in(kGroup),
            edit("编辑框_11MSS值", "TCP MSS值:", "1440").in(kGroup),
            button("按钮_11生成", "5.X/6.X系列脚本生成").in(kGroup),
        }};
    return kPage;
}

Result generate_single_line_static(const SingleLineStaticFields& f) {
    const auto comment = [](const std::string& text) { return quote_text(ros_escape(utf8_to_gbk(text))); };
    ScriptBuilder b;
    b.line("/ip address add address=" + bare_value(f.lan_gateway + "/" + f.lan_gateway_mask) +
           " interface=" + bare_value(f.lan_interface) + " comment=" + comment(f.lan_comment));
    b.line("/ip address add address=" + bare_value(f.wan_address + "/" + f.wan_mask) +
           " interface=" + bare_value(f.wan_interface) + " comment=" + comment(f.wan_comment));
    b.line("/ip route add gateway=" + bare_value(f.wan_gateway));
    b.line("/ip firewall nat add chain=srcnat action=masquerade src-address=" +
           bare_value(f.lan_network + "/" + f.lan_network_mask));
    b.line("/ip firewall mangle add chain=forward protocol=tcp tcp-flags=syn action=change-mss new-mss=" +
           bare_value(f.mss));
    b.line("/ip dns set allow-remote-requests=yes cache-size=2048KiB max-udp-packet-size=512 servers=" +
           bare_value(dns_servers(f.dns1, f.dns2)));
    return Result::ok(b.str());
}

namespace {

Outcome run_single_line_static(const Form& form, Env&) {
    return Outcome::from(generate_single_line_static({
        .lan_interface = form.text("组合框_11内网卡"),
        .lan_gateway = form.text("编辑框_11内网网关"),
        .lan_gateway_mask = form.text("编辑框_11内网网关掩码"),
        .lan_comment = form.text("编辑框_11内网备注"),
        .wan_interface = form.text("组合框_11外网卡"),
        .wan_address = form.text("编辑框_11外网IP"),
        .wan_mask = form.text("编辑框_11外网掩码"),
        .wan_comment = form.text("编辑框_11外网备注"),
        .wan_gateway = form.text("编辑框_11外网网关"),
        .lan_network = form.text("编辑框_11内网网段"),
        .lan_network_mask = form.text("编辑框_11内网网段掩码"),
        .dns1 = form.text("编辑框_11首选DNS"),
        .dns2 = form.text("编辑框_11备用DNS"),
        .mss = form.text("编辑框_11MSS值"),
    }));
}

}  // namespace

PageEntry single_line_static_page() {
    return {&single_line_static_page_spec(), {{"按钮_11生成", run_single_line_static}}};
}

}  // namespace vorlix
