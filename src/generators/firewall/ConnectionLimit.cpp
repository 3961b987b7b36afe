#include "generators/firewall/ConnectionLimit.hpp"

#include "generators/firewall/FirewallText.hpp"
#include "script/quote.hpp"
#include "script/script_builder.hpp"

namespace vorlix {
namespace name {
namespace {
constexpr std::string_view hosts = "分组框_43单机", tcp1 = "单选框_43TCP1", udp1 = "单选框_43UDP1",
                           ip_prefix = "编辑框_43ip前缀", first = "编辑框_43机器数量左", last = "编辑框_43机器数量右",
                           limit1 = "编辑框_43tcp数量1", generate1 = "按钮_43生成1";
constexpr std::string_view subnet = "分组框_43网段", tcp2 = "单选框_43TCP2", udp2 = "单选框_43UDP2",
                           network = "编辑框_43内网网段", prefix = "编辑框_43内网网段掩码",
                           limit2 = "编辑框_43tcp数量2", exempt = "编辑框_43排除ip地址", generate2 = "按钮_43生成2";
constexpr std::string_view udp_note = "标签_43UDP说明", notes_group = "分组框_43注意事项", notes = "标签_43注意事项";
}  // namespace
}  // namespace name

namespace {

std::string protocol_of(bool tcp) {
    return tcp ? "tcp" : "udp";
}

// Only new connections are refused: a host over its limit keeps the ones it has open.
std::string limit_match(bool tcp, std::string_view limit) {
    return "protocol=" + protocol_of(tcp) +
           " connection-state=new connection-limit=" + bare_value(std::string(limit) + ",32") + " action=drop";
}

}  // namespace

const PageSpec& connection_limit_page_spec() {
    static const std::string kCaption = "5.X/6.X系列脚本生成";
    static const PageSpec kPage{
        .caption = "限制线程(TCP连接数)",
        .summary = "限制每台电脑的TCP/UDP连接数",
        .tree = "限制(TCP/UDP连接数)",
        .controls = {
            group_box(name::hosts, "单机指定IP地址 TCP/UDP(连接数)限制"),
            radio_button(name::tcp1, "TCP", true).labelled("协议:").in(name::hosts),
            radio_button(name::udp1, "UDP", false).in(name::hosts).beside(),
            edit(name::ip_prefix, "IP前缀:", "192.168.5").in(name::hosts).hinted("(格式:192.168.0.1 前三位)"),
            edit(name::first, "机器数量:", "1").in(name::hosts),
            edit(name::last, "至", "200")
                .in(name::hosts)
                .beside()
                .hinted("(如IP段为192.168.0.1-192.168.0.200则需填1至200)"),
            edit(name::limit1, "限制连接数为:", "200").in(name::hosts).hinted("(建议150-300之间)"),
            button(name::generate1, kCaption).in(name::hosts),

            group_box(name::subnet, "指定网段TCP/UDP(连接数)限制"),
            radio_button(name::tcp2, "TCP", true).labelled("协议:").in(name::subnet),
            radio_button(name::udp2, "UDP", false).in(name::subnet).beside(),
            edit(name::network, "内网IP段:", "192.168.0.0").typed(ValueType::ipv4).in(name::subnet),
            edit(name::prefix, "/", "24").typed(ValueType::prefix).in(name::subnet).beside().hinted("(设置内网网段)"),
            edit(name::limit2, "限制连接数为:", "200").in(name::subnet).hinted("(建议设置150-300之间)"),
            edit(name::exempt, "排除IP地址:", "192.168.1.10,192.168.1.50")
                .in(name::subnet)
                .hinted("(这里设置不受此限制的内网IP,例如一些电影服务器IP等,多IP用 , 隔开)"),
            button(name::generate2, kCaption).in(name::subnet),

            label(name::udp_note, "RouterOS 从 v5.7 开始支持 connection-limit 对 UDP 连接的限制"),
            group_box(name::notes_group, "注意事项"),
            label(name::notes,
                  "连接数达到限制后,这台电脑新建的连接将被拒绝(已经建立的连接不受影响),"
                  "限制设置得太小会导致网页打不开、游戏掉线等,请根据实际情况设置。")
                .in(name::notes_group),
        }};
    return kPage;
}

std::string generate_host_run_limit(const HostRunLimitFields& f) {
    return ":for mavek from=" + bare_value(f.first) + " to=" + bare_value(f.last) +
           " do={/ip firewall filter add chain=forward src-address=(" + quote_value(f.prefix + ".") + " . $mavek) " +
           limit_match(f.tcp, f.limit) + "}";
}

std::string generate_subnet_limit(const SubnetLimitFields& f) {
    ScriptBuilder b;
    for (const std::string_view address : trimmed_pieces(f.exempt, ","))
        b.line("/ip firewall address-list add address=" + bare_value(address) + " list=MavekTcpList disabled=no");
    // The escaped text is 连接数限制为 in GBK.
    const std::string comment =
        "\"" + protocol_of(f.tcp) + "\\C1\\AC\\BD\\D3\\CA\\FD\\CF\\DE\\D6\\C6\\CE\\AA:" + escape_value(f.limit) + "\"";
    b.line("/ip firewall filter add chain=forward src-address=" + bare_value(f.network + "/" + f.prefix) +
           " src-address-list=!MavekTcpList " + limit_match(f.tcp, f.limit) + " comment=" + comment);
    return b.str();
}

namespace {

Outcome run_host_run(const Form& form, Env&) {
    return Outcome::from(Result::ok(generate_host_run_limit({
        .tcp = form.checked(name::tcp1),
        .prefix = form.text(name::ip_prefix),
        .first = form.text(name::first),
        .last = form.text(name::last),
        .limit = form.text(name::limit1),
    })));
}

Outcome run_subnet(const Form& form, Env&) {
    return Outcome::from(Result::ok(generate_subnet_limit({
        .tcp = form.checked(name::tcp2),
        .network = form.text(name::network),
        .prefix = form.text(name::prefix),
        .limit = form.text(name::limit2),
        .exempt = form.text(name::exempt),
    })));
}

}  // namespace

PageEntry connection_limit_page() {
    return {&connection_limit_page_spec(), {{name::generate1, run_host_run}, {name::generate2, run_subnet}}};
}

}  // namespace vorlix
