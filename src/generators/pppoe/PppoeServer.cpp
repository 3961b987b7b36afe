#include "generators/pppoe/PppoeServer.hpp"

#include "generators/wan/WanScript.hpp"
#include "script/quote.hpp"
#include "script/script_builder.hpp"
#include "script/text.hpp"

namespace vorlix {
namespace {

constexpr const char* kGroup = "分组框_21";

std::vector<std::string> rate_items() {
    return {"64k", "128k", "256k", "384k", "512k", "768k", "1M", "2M", "3M", "4M", "5M", "10M"};
}

}  // namespace

const PageSpec& pppoe_server_page_spec() {
    static const PageSpec kPage = [] {
        const std::vector<std::string> four{"default", "no", "yes", "required"};
        const std::vector<std::string> three{"default", "no", "yes"};
        return PageSpec{
            .caption = "PPPoE服务器设置",
            .outer = 2,
            .inner = 1,
            .controls = {
                group_box(kGroup, "PPPOE服务器架设"),
                edit("编辑框_21pppoe服务名称", "PPPoE服务名称:", "PPPoE_Server").in(kGroup),
                editable_combo("组合框_21网卡接口", "(多个服务器请勿重复)  拨号网卡接口:", ether_items(12), "ether1")
                    .in(kGroup)
                    .hinted("(设置PPPOE通过拨号服务器的网卡)"),
                edit("编辑框_21地址池名", "PPPoE服务器IP地址池名称:", "pppoe_pool").in(kGroup),
                edit("编辑框_21ip地址池范围", "IP地址池:", "10.10.10.2-10.10.10.254")
                    .in(kGroup)
                    .hinted("设置连接此PPPOE服务器的客户端IP地址池(此IP地址池建议不要与局域网IP段一致)"),
                edit("编辑框_21pppoe网关", "PPPoE网关:", "10.10.10.1")
                    .in(kGroup)
                    .hinted("既PPPoE客户端获取IP时的网关地址,也可以设置为IP地址池的名称,既IP和网关加减1"),
                edit("编辑框_21首选DNS", "首选 DNS:", "218.85.152.99").in(kGroup),
                edit("编辑框_21备用DNS", "备用 DNS:", "218.85.157.99").in(kGroup),
                edit("编辑框_21策略模板", "策略模板:", "pppoe_profile")
                    .in(kGroup)
                    .hinted("设置多个PPPOE服务时标识不能重复,否者请保持默认"),
                check_box("选择框_21pppoe客户端限速", "PPPoE客户端限速     上传:", false).in(kGroup),
                editable_combo("组合框_21上传", "", rate_items(), "1M").in(kGroup).beside(),
                editable_combo("组合框_21下载", "bits/s   下载:", rate_items(), "1M")
                    .in(kGroup)
                    .beside()
                    .hinted("bits/s"),
                check_box("选择框_21空闲超时", "空闲超时:", false).in(kGroup),
                edit("编辑框_21空闲超时", "", "00:00:00").in(kGroup).beside(),
                check_box("选择框_21连接超时", "连接超时:", false).in(kGroup),
                edit("编辑框_21连接超时", "", "00:00:00").in(kGroup).beside(),
                drop_down("组合框_21ipv6", "Use IPv6:", four, 2).in(kGroup),
                drop_down("组合框_21mpls", "Use MPLS:", four, 0).in(kGroup),
                drop_down("组合框_21compre", "Use Compression:", three, 0).in(kGroup),
                drop_down("组合框_21vj", "Use VJ Compression:", three, 0).in(kGroup),
                drop_down("组合框_21encry", "Use Encryption:", four, 0).in(kGroup),
                drop_down("组合框_21onlyone", "Only One:", four, 0).in(kGroup),
                drop_down("组合框_21tcpmss", "Change TCP MSS:", three, 0).in(kGroup),
                label("标签_21协议提示", "(如果对这些不熟悉请保持默认)").in(kGroup),
                button("按钮_21生成", "5.X/6.X系列脚本生成").in(kGroup),
            }};
    }();
    return kPage;
}

Result generate_pppoe_server(const PppoeServerFields& f) {
    // The optional limits, each ended by a blank, in the order idle, session, rate.
    std::string limits;
    if (f.idle_timeout) limits += "idle-timeout=" + bare_value(f.idle) + " ";
    if (f.session_timeout) limits += "session-timeout=" + bare_value(f.session) + " ";
    if (f.rate_limit) limits += "rate-limit=" + bare_value(f.upload + "/" + f.download) + " ";

    const std::string pool = bare_value(f.pool_name);
    const std::string profile = bare_value(f.profile);
    ScriptBuilder b;
    b.line("/ip pool add name=" + pool + " ranges=" + bare_value(f.pool_range));
    b.line("/ppp profile add name=" + profile + " local-address=" + bare_value(f.gateway) + " remote-address=" + pool +
           " use-ipv6=" + bare_value(f.use_ipv6) + " use-mpls=" + bare_value(f.use_mpls) + " use-compression=" +
           bare_value(f.use_compression) + " use-vj-compression=" + bare_value(f.use_vj_compression) +
           " use-encryption=" + bare_value(f.use_encryption) + " only-one=" + bare_value(f.only_one) +
           " change-tcp-mss=" + bare_value(f.change_tcp_mss) + " " + limits +
           "dns-server=" + bare_value(dns_servers(f.dns1, f.dns2)));
    b.line("/interface pppoe-server server add service-name=" + bare_value(f.service_name) + " interface=" +
           bare_value(f.interface) + " one-session-per-host=yes disabled=no default-profile=" + profile);
    return Result::ok(b.str());
}

namespace {

Outcome run_pppoe_server(const Form& form, Env&) {
    return Outcome::from(generate_pppoe_server({
        .service_name = form.text("编辑框_21pppoe服务名称"),
        .interface = form.text("组合框_21网卡接口"),
        .pool_name = form.text("编辑框_21地址池名"),
        .pool_range = form.text("编辑框_21ip地址池范围"),
        .gateway = form.text("编辑框_21pppoe网关"),
        .dns1 = form.text("编辑框_21首选DNS"),
        .dns2 = form.text("编辑框_21备用DNS"),
        .profile = form.text("编辑框_21策略模板"),
        .rate_limit = form.checked("选择框_21pppoe客户端限速"),
        .upload = form.text("组合框_21上传"),
        .download = form.text("组合框_21下载"),
        .idle_timeout = form.checked("选择框_21空闲超时"),
        .idle = form.text("编辑框_21空闲超时"),
        .session_timeout = form.checked("选择框_21连接超时"),
        .session = form.text("编辑框_21连接超时"),
        .use_ipv6 = form.text("组合框_21ipv6"),
        .use_mpls = form.text("组合框_21mpls"),
        .use_compression = form.text("组合框_21compre"),
        .use_vj_compression = form.text("组合框_21vj"),
        .use_encryption = form.text("组合框_21encry"),
        .only_one = form.text("组合框_21onlyone"),
        .change_tcp_mss = form.text("组合框_21tcpmss"),
    }));
}

}  // namespace

PageEntry pppoe_server_page() {
    return {&pppoe_server_page_spec(), {{"按钮_21生成", run_pppoe_server}}};
}

}  // namespace vorlix
