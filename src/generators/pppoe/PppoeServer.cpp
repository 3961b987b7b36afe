#include "generators/pppoe/PppoeServer.hpp"

#include "generators/wan/WanScript.hpp"
#include "script/quote.hpp"
#include "script/script_builder.hpp"
#include "script/text.hpp"

namespace vorlix {
namespace name {
namespace {
constexpr std::string_view group = "分组框_21";
constexpr std::string_view service = "编辑框_21pppoe服务名称";
constexpr std::string_view interface = "组合框_21网卡接口";
constexpr std::string_view pool_name = "编辑框_21地址池名";
constexpr std::string_view pool_range = "编辑框_21ip地址池范围";
constexpr std::string_view gateway = "编辑框_21pppoe网关";
constexpr std::string_view dns1 = "编辑框_21首选DNS";
constexpr std::string_view dns2 = "编辑框_21备用DNS";
constexpr std::string_view profile = "编辑框_21策略模板";
constexpr std::string_view rate_limit = "选择框_21pppoe客户端限速";
constexpr std::string_view upload = "组合框_21上传";
constexpr std::string_view download = "组合框_21下载";
constexpr std::string_view idle_on = "选择框_21空闲超时";
constexpr std::string_view idle = "编辑框_21空闲超时";
constexpr std::string_view session_on = "选择框_21连接超时";
constexpr std::string_view session = "编辑框_21连接超时";
constexpr std::string_view ipv6 = "组合框_21ipv6";
constexpr std::string_view mpls = "组合框_21mpls";
constexpr std::string_view compression = "组合框_21compre";
constexpr std::string_view vj = "组合框_21vj";
constexpr std::string_view encryption = "组合框_21encry";
constexpr std::string_view only_one = "组合框_21onlyone";
constexpr std::string_view tcp_mss = "组合框_21tcpmss";
constexpr std::string_view protocol_hint = "标签_21协议提示";
constexpr std::string_view generate = "按钮_21生成";
}  // namespace
}  // namespace name

std::vector<std::string> ppp_rate_items() {
    return {"64k", "128k", "256k", "384k", "512k", "768k", "1M", "2M", "3M", "4M", "5M", "10M"};
}

std::vector<std::string> ppp_option_items(bool with_required) {
    if (with_required) return {"default", "no", "yes", "required"};
    return {"default", "no", "yes"};
}

const PageSpec& pppoe_server_page_spec() {
    static const PageSpec kPage = [] {
        const std::vector<std::string> four = ppp_option_items(true);
        const std::vector<std::string> three = ppp_option_items(false);
        return PageSpec{
            .caption = "PPPoE服务器设置",
            .controls = {
                group_box(name::group, "PPPOE服务器架设"),
                edit(name::service, "PPPoE服务名称:", "PPPoE_Server").at_most(64).in(name::group),
                editable_combo(name::interface, "(多个服务器请勿重复)  拨号网卡接口:", ether_items(12), "ether1")
                    .typed(ValueType::interface_name)
                    .in(name::group)
                    .hinted("(设置PPPOE通过拨号服务器的网卡)"),
                edit(name::pool_name, "PPPoE服务器IP地址池名称:", "pppoe_pool").at_most(64).in(name::group),
                edit(name::pool_range, "IP地址池:", "10.10.10.2-10.10.10.254")
                    .typed(ValueType::address_range)
                    .in(name::group)
                    .hinted("设置连接此PPPOE服务器的客户端IP地址池(此IP地址池建议不要与局域网IP段一致)"),
                edit(name::gateway, "PPPoE网关:", "10.10.10.1")
                    .in(name::group)
                    .hinted("既PPPoE客户端获取IP时的网关地址,也可以设置为IP地址池的名称,既IP和网关加减1"),
                edit(name::dns1, "首选 DNS:", "218.85.152.99").typed(ValueType::ipv4).in(name::group),
                edit(name::dns2, "备用 DNS:", "218.85.157.99").typed(ValueType::ipv4).in(name::group),
                edit(name::profile, "策略模板:", "pppoe_profile")
                    .at_most(64)
                    .in(name::group)
                    .hinted("设置多个PPPOE服务时标识不能重复,否者请保持默认"),
                check_box(name::rate_limit, "PPPoE客户端限速     上传:", false).in(name::group),
                editable_combo(name::upload, "", ppp_rate_items(), "1M")
                    .typed(ValueType::rate)
                    .in(name::group)
                    .beside(),
                editable_combo(name::download, "bits/s   下载:", ppp_rate_items(), "1M")
                    .typed(ValueType::rate)
                    .in(name::group)
                    .beside()
                    .hinted("bits/s"),
                check_box(name::idle_on, "空闲超时:", false).in(name::group),
                edit(name::idle, "", "00:00:00").in(name::group).beside(),
                check_box(name::session_on, "连接超时:", false).in(name::group),
                edit(name::session, "", "00:00:00").in(name::group).beside(),
                drop_down(name::ipv6, "Use IPv6:", four, 2).in(name::group),
                drop_down(name::mpls, "Use MPLS:", four, 0).in(name::group),
                drop_down(name::compression, "Use Compression:", three, 0).in(name::group),
                drop_down(name::vj, "Use VJ Compression:", three, 0).in(name::group),
                drop_down(name::encryption, "Use Encryption:", four, 0).in(name::group),
                drop_down(name::only_one, "Only One:", four, 0).in(name::group),
                drop_down(name::tcp_mss, "Change TCP MSS:", three, 0).in(name::group),
                label(name::protocol_hint, "(如果对这些不熟悉请保持默认)").in(name::group),
                button(name::generate, "5.X/6.X系列脚本生成").in(name::group),
            }};
    }();
    return kPage;
}

std::string ppp_profile_options(const PppProfileOptions& o) {
    std::string out = "use-ipv6=" + bare_value(o.use_ipv6) + " use-mpls=" + bare_value(o.use_mpls) +
                      " use-compression=" + bare_value(o.use_compression) +
                      " use-vj-compression=" + bare_value(o.use_vj_compression) +
                      " use-encryption=" + bare_value(o.use_encryption) + " only-one=" + bare_value(o.only_one) +
                      " change-tcp-mss=" + bare_value(o.change_tcp_mss) + " ";
    if (o.idle_timeout) out += "idle-timeout=" + bare_value(o.idle) + " ";
    if (o.session_timeout) out += "session-timeout=" + bare_value(o.session) + " ";
    if (o.rate_limit) out += "rate-limit=" + bare_value(o.upload + "/" + o.download) + " ";
    return out + "dns-server=" + bare_value(dns_servers(o.dns1, o.dns2));
}

Result generate_pppoe_server(const PppoeServerFields& f) {
    const std::string pool = bare_value(f.pool_name);
    const std::string profile = bare_value(f.profile);
    ScriptBuilder b;
    b.line("/ip pool add name=" + pool + " ranges=" + bare_value(f.pool_range));
    b.line("/ppp profile add name=" + profile + " local-address=" + bare_value(f.gateway) + " remote-address=" + pool +
           " " + ppp_profile_options(f.options));
    b.line("/interface pppoe-server server add service-name=" + bare_value(f.service_name) + " interface=" +
           bare_value(f.interface) + " one-session-per-host=yes disabled=no default-profile=" + profile);
    return Result::ok(b.str());
}

namespace {

Outcome run_pppoe_server(const Form& form, Env&) {
    return Outcome::from(generate_pppoe_server({
        .service_name = form.text(name::service),
        .interface = form.text(name::interface),
        .pool_name = form.text(name::pool_name),
        .pool_range = form.text(name::pool_range),
        .gateway = form.text(name::gateway),
        .profile = form.text(name::profile),
        .options =
            {
                .dns1 = form.text(name::dns1),
                .dns2 = form.text(name::dns2),
                .rate_limit = form.checked(name::rate_limit),
                .upload = form.text(name::upload),
                .download = form.text(name::download),
                .idle_timeout = form.checked(name::idle_on),
                .idle = form.text(name::idle),
                .session_timeout = form.checked(name::session_on),
                .session = form.text(name::session),
                .use_ipv6 = form.text(name::ipv6),
                .use_mpls = form.text(name::mpls),
                .use_compression = form.text(name::compression),
                .use_vj_compression = form.text(name::vj),
                .use_encryption = form.text(name::encryption),
                .only_one = form.text(name::only_one),
                .change_tcp_mss = form.text(name::tcp_mss),
            },
    }));
}

}  // namespace

PageEntry pppoe_server_page() {
    return {&pppoe_server_page_spec(), {{name::generate, run_pppoe_server}}};
}

}  // namespace vorlix
