#include "generators/vpn/PptpL2tp.hpp"

#include "generators/wan/DualLineTelecomNetcom.hpp"
#include "script/quote.hpp"
#include "script/script_builder.hpp"
#include "script/text.hpp"

namespace vorlix {
namespace {

// The names of one page's controls: the two pages share every generator and differ in names.
struct VpnNames {
    VpnProtocol protocol;
    std::string_view server_group, pool_range, gateway, dns1, dns2, pool_name, profile, rate_limit, upload, download,
        idle_on, idle, session_on, session, ipv6, mpls, compression, vj, encryption, only_one, tcp_mss, server_button;
    std::string_view account_group, account_profile, user, password, bind_mac, mac, account_button;
    std::string_view client_group, client_name, server, client_user, client_password, telecom_gateway, netcom_gateway,
        default_route, telecom_route, netcom_route, client_button;
};

constexpr VpnNames kPptp{
    .protocol = VpnProtocol::pptp,
    .server_group = "分组框_51服务端",
    .pool_range = "编辑框_51ip地址池段",
    .gateway = "编辑框_51pptp网关",
    .dns1 = "编辑框_51首选DNS",
    .dns2 = "编辑框_51备用DNS",
    .pool_name = "编辑框_51ip地址池名",
    .profile = "编辑框_51策略模板1",
    .rate_limit = "选择框_51pptp客户端限速",
    .upload = "组合框_51上传",
    .download = "组合框_51下载",
    .idle_on = "选择框_51空闲超时",
    .idle = "编辑框_51空闲超时",
    .session_on = "选择框_51连接超时",
    .session = "编辑框_51连接超时",
    .ipv6 = "组合框_51ipv6",
    .mpls = "组合框_51mpls",
    .compression = "组合框_51compre",
    .vj = "组合框_51vj",
    .encryption = "组合框_51encry",
    .only_one = "组合框_51onlyone",
    .tcp_mss = "组合框_51tcpmss",
    .server_button = "按钮_51生成1",
    .account_group = "分组框_51帐号",
    .account_profile = "编辑框_51策略模板2",
    .user = "编辑框_51用户名1",
    .password = "编辑框_51密码1",
    .bind_mac = "选择框_51绑定mac",
    .mac = "编辑框_51mac地址",
    .account_button = "按钮_51生成2",
    .client_group = "分组框_51客户端",
    .client_name = "编辑框_51pptpname",
    .server = "编辑框_51pptp服务器ip",
    .client_user = "编辑框_51用户名2",
    .client_password = "编辑框_51密码2",
    .telecom_gateway = "编辑框_51电信网关",
    .netcom_gateway = "编辑框_51网通网关",
    .default_route = "单选框_51默认路由",
    .telecom_route = "单选框_51电信路由",
    .netcom_route = "单选框_51网通路由",
    .client_button = "按钮_51生成3",
};

constexpr VpnNames kL2tp{
    .protocol = VpnProtocol::l2tp,
    .server_group = "分组框_52服务端",
    .pool_range = "编辑框_52ip地址池段",
    .gateway = "编辑框_52l2tp网关",
    .dns1 = "编辑框_52首选DNS",
    .dns2 = "编辑框_52备用DNS",
    .pool_name = "编辑框_52ip地址池名",
    .profile = "编辑框_52策略模板1",
    .rate_limit = "选择框_52l2tp客户端限速",
    .upload = "组合框_52上传",
    .download = "组合框_52下载",
    .idle_on = "选择框_52空闲超时",
    .idle = "编辑框_52空闲超时",
    .session_on = "选择框_52连接超时",
    .session = "编辑框_52连接超时",
    .ipv6 = "组合框_52ipv6",
    .mpls = "组合框_52mpls",
    .compression = "组合框_52compre",
    .vj = "组合框_52vj",
    .encryption = "组合框_52encry",
    .only_one = "组合框_52onlyone",
    .tcp_mss = "组合框_52tcpmss",
    .server_button = "按钮_52生成1",
    .account_group = "分组框_52帐号",
    .account_profile = "编辑框_52策略模板2",
    .user = "编辑框_52用户名1",
    .password = "编辑框_52密码1",
    .bind_mac = "选择框_52绑定mac",
    .mac = "编辑框_52mac地址",
    .account_button = "按钮_52生成2",
    .client_group = "分组框_52客户端",
    .client_name = "编辑框_52l2tpname",
    .server = "编辑框_52l2tp服务器ip",
    .client_user = "编辑框_52用户名2",
    .client_password = "编辑框_52密码2",
    .telecom_gateway = "编辑框_52电信网关",
    .netcom_gateway = "编辑框_52网通网关",
    .default_route = "单选框_52默认路由",
    .telecom_route = "单选框_52电信路由",
    .netcom_route = "单选框_52网通路由",
    .client_button = "按钮_52生成3",
};

constexpr const char* kGenerate = "5.X/6.X系列脚本生成";

// A sample password and a server address from the documentation range (RFC 5737), so that a script
// generated from the defaults connects nowhere by accident.
constexpr const char* kSamplePassword = "mavek2015";
constexpr const char* kSampleServer = "203.0.113.10";

// "pptp" or "l2tp": the word in the RouterOS menus (/interface pptp-server, service=pptp).
std::string_view vpn_word(VpnProtocol protocol) {
    return protocol == VpnProtocol::l2tp ? "l2tp" : "pptp";
}

// The page's captions, with the protocol's name where the PPTP page says PPTP.
std::string words(VpnProtocol protocol, std::string_view text) {
    return replace_all(text, "PPTP", protocol == VpnProtocol::l2tp ? "L2TP" : "PPTP");
}

PageSpec vpn_page_spec(const VpnNames& n) {
    const bool l2tp = n.protocol == VpnProtocol::l2tp;
    const std::string word(vpn_word(n.protocol));
    auto w = [&](std::string_view text) { return words(n.protocol, text); };
    const std::vector<std::string> four = ppp_option_items(true);
    const std::vector<std::string> three = ppp_option_items(false);
    return PageSpec{
        .caption = w("PPTP"),
        .summary = w("PPTP服务器、账号和客户端"),
        .tree = w("PPTP设置"),
        .controls = {
            group_box(n.server_group, w("PPTP服务端安装设置")),
            edit(n.pool_range, "IP地址池:", "172.16.254.2-172.16.254.254")
                .typed(ValueType::address_range)
                .in(n.server_group)
                .hinted("(建议此IP地址池不要与局网IP段一致,否则会出错或无法设置)"),
            edit(n.gateway, w("PPTP网关:"), l2tp ? "172.16.253.1" : "172.16.254.1")
                .typed(ValueType::ipv4)
                .in(n.server_group)
                .hinted(w("(既PPTP客户端获取IP时的网关地址)")),
            edit(n.dns1, "首选DNS:", "218.85.152.99").typed(ValueType::ipv4).in(n.server_group),
            edit(n.dns2, "备用DNS:", "218.85.157.99").typed(ValueType::ipv4).in(n.server_group).beside(),
            edit(n.pool_name, "IP地址池名称:", word + "_pool")
                .in(n.server_group)
                .hinted(w("(设置多个PPTP服务时,地址池名称不能重复,否则请保持默认)")),
            edit(n.profile, "策略模板名称:", word + "_profile")
                .in(n.server_group)
                .hinted(w("(设置多个PPTP服务时,策略模板名称不能重复,否则请保持默认)")),
            check_box(n.rate_limit, w("PPTP客户端限速  上传:"), false).in(n.server_group),
            editable_combo(n.upload, "", ppp_rate_items(), "1m").in(n.server_group).beside(),
            editable_combo(n.download, "bits/s  下载:", ppp_rate_items(), "1m")
                .in(n.server_group)
                .beside()
                .hinted("bits/s"),
            check_box(n.idle_on, "空闲超时:", false).in(n.server_group),
            edit(n.idle, "", "00:00:00").in(n.server_group).beside(),
            check_box(n.session_on, "连接超时:", false).in(n.server_group).beside(),
            edit(n.session, "", "00:00:00").in(n.server_group).beside(),
            drop_down(n.ipv6, "Use IPv6:", four, 2).in(n.server_group),
            drop_down(n.mpls, "Use MPLS:", four, 0).in(n.server_group).beside(),
            drop_down(n.compression, "Use Compression:", three, 0).in(n.server_group),
            drop_down(n.vj, "Use VJ Compression:", three, 0).in(n.server_group).beside(),
            drop_down(n.encryption, "Use Encryption:", four, 0).in(n.server_group),
            drop_down(n.only_one, "Only One:", four, 0).in(n.server_group).beside(),
            drop_down(n.tcp_mss, "Change TCP MSS:", three, 0).in(n.server_group),
            button(n.server_button, kGenerate).in(n.server_group),

            group_box(n.account_group, w("添加PPTP帐号")),
            edit(n.account_profile, "策略配置名称:", word + "_profile").in(n.account_group),
            edit(n.user, "用户名:", "MAVEK").at_most(64).in(n.account_group),
            edit(n.password, "密码:", kSamplePassword).at_most(64).in(n.account_group),
            check_box(n.bind_mac, "绑定MAC", false).in(n.account_group),
            // Left untyped: what a PPTP or L2TP server compares with caller-id is the
            // client's address, so an address typed here must not draw a warning.
            edit(n.mac, "", "00:00:00:00:00:00").in(n.account_group).beside().hinted("(只允许帐号在这个MAC地址上连接)"),
            button(n.account_button, kGenerate).in(n.account_group),

            group_box(n.client_group, w("PPTP客户端安装设置")),
            edit(n.client_name, w("PPTP名称(name):"), "mavek_" + word + "_client")
                .in(n.client_group)
                .hinted(w("(如果非多PPTP连接用户,这里请保持默认)")),
            edit(n.server, w("PPTP服务器IP:"), kSampleServer).typed(ValueType::ipv4).in(n.client_group),
            edit(n.client_user, "用户名:", "Mavek").at_most(64).in(n.client_group),
            edit(n.client_password, "密码:", kSamplePassword).at_most(64).in(n.client_group),
            edit(n.telecom_gateway, "电信网关:", "120.42.112.1").typed(ValueType::ipv4).in(n.client_group),
            edit(n.netcom_gateway, "网通网关:", "210.13.100.1")
                .typed(ValueType::ipv4)
                .in(n.client_group)
                .hinted("(单线用户这里可以不用设置)"),
            radio_button(n.default_route, "默认路由脚本", true).in(n.client_group),
            radio_button(n.telecom_route, "电信为主网通为辅", false).in(n.client_group).beside(),
            radio_button(n.netcom_route, "网通为主电信为辅", false).in(n.client_group).beside(),
            button(n.client_button, kGenerate).in(n.client_group),
        }};
}

}  // namespace

Result generate_vpn_server(const VpnServerFields& f) {
    const std::string word(vpn_word(f.protocol));
    const std::string range = bare_value(f.pool_range);
    ScriptBuilder b;
    b.line("/interface " + word + "-server server set enabled=yes");
    b.line("/ip pool add name=" + quote_value(f.pool_name) + " ranges=" + range);
    // local-address is the router's end of every tunnel and remote-address hands each client its own
    // address from the pool; the other way round every client would get the gateway's one address.
    b.line("/ppp profile add name=" + quote_value(f.profile) + " local-address=" + bare_value(f.gateway) +
           " remote-address=" + bare_value(f.pool_name) + " " + ppp_profile_options(f.options));
    b.line("/ip firewall nat add chain=srcnat src-address=" + range + " action=masquerade");
    return Result::ok(b.str());
}

Result generate_vpn_account(const VpnAccountFields& f) {
    const std::string caller = f.bind_caller ? "caller-id=" + bare_value(f.caller_id) + " " : "";
    return Result::ok("/ppp secret add name=" + quote_value(f.user) + " password=" + quote_value(f.password) +
                      " service=" + std::string(vpn_word(f.protocol)) + " " + caller +
                      "profile=" + bare_value(f.profile));
}

Result generate_vpn_client(const VpnClientFields& f) {
    const std::string client = "/interface " + std::string(vpn_word(f.protocol)) +
                               "-client add name=" + quote_value(f.name) + " connect-to=" + bare_value(f.server) +
                               " user=" + quote_value(f.user) + " password=" + quote_value(f.password);
    if (f.routes == VpnClientRoutes::default_route) return Result::ok(client + " add-default-route=yes disabled=no");

    // The carrier routes of the dual-line page: the primary line takes the default route, the
    // networks of the other carrier leave by the other line.
    ScriptBuilder s;
    s.line(client + " disabled=no");
    add_carrier_routes(s, {
                              .telecom_gateway = f.telecom_gateway,
                              .netcom_gateway = f.netcom_gateway,
                              .telecom_primary = f.routes == VpnClientRoutes::telecom_primary,
                          });
    return Result::ok(s.str());
}

namespace {

VpnServerFields server_fields(const Form& form, const VpnNames& n) {
    return {
        .protocol = n.protocol,
        .pool_range = form.text(n.pool_range),
        .gateway = form.text(n.gateway),
        .pool_name = form.text(n.pool_name),
        .profile = form.text(n.profile),
        .options =
            {
                .dns1 = form.text(n.dns1),
                .dns2 = form.text(n.dns2),
                .rate_limit = form.checked(n.rate_limit),
                .upload = form.text(n.upload),
                .download = form.text(n.download),
                .idle_timeout = form.checked(n.idle_on),
                .idle = form.text(n.idle),
                .session_timeout = form.checked(n.session_on),
                .session = form.text(n.session),
                .use_ipv6 = form.text(n.ipv6),
                .use_mpls = form.text(n.mpls),
                .use_compression = form.text(n.compression),
                .use_vj_compression = form.text(n.vj),
                .use_encryption = form.text(n.encryption),
                .only_one = form.text(n.only_one),
                .change_tcp_mss = form.text(n.tcp_mss),
            },
    };
}

VpnAccountFields account_fields(const Form& form, const VpnNames& n) {
    return {
        .protocol = n.protocol,
        .profile = form.text(n.account_profile),
        .user = form.text(n.user),
        .password = form.text(n.password),
        .bind_caller = form.checked(n.bind_mac),
        .caller_id = form.text(n.mac),
    };
}

VpnClientFields client_fields(const Form& form, const VpnNames& n) {
    VpnClientRoutes routes = VpnClientRoutes::default_route;
    if (form.checked(n.telecom_route))
        routes = VpnClientRoutes::telecom_primary;
    else if (form.checked(n.netcom_route))
        routes = VpnClientRoutes::netcom_primary;
    return {
        .protocol = n.protocol,
        .name = form.text(n.client_name),
        .server = form.text(n.server),
        .user = form.text(n.client_user),
        .password = form.text(n.client_password),
        .telecom_gateway = form.text(n.telecom_gateway),
        .netcom_gateway = form.text(n.netcom_gateway),
        .routes = routes,
    };
}

// The first of the boxes that is empty (or blank), refused with its caption, or nothing.
std::optional<Outcome> refuse_blank(const Form& form,
                                    std::initializer_list<std::pair<std::string_view, std::string>> boxes) {
    for (const auto& [box, caption] : boxes)
        if (trim_spaces(form.text(box)).empty())
            return Outcome::from(Result::refuse("请填写" + caption + "!", box, kIconWarning));
    return std::nullopt;
}

template <const VpnNames& N>
Outcome run_server(const Form& form, Env&) {
    // Without these the pool and profile lines fail, the profile names a pool that does not exist, and
    // the masquerade has no range.
    const std::string word = N.protocol == VpnProtocol::l2tp ? "L2TP" : "PPTP";
    if (auto refused = refuse_blank(form, {{N.pool_range, "IP地址池"},
                                           {N.gateway, word + "网关"},
                                           {N.pool_name, "IP地址池名称"},
                                           {N.profile, "策略模板名称"}}))
        return *refused;
    return Outcome::from(generate_vpn_server(server_fields(form, N)));
}

template <const VpnNames& N>
Outcome run_account(const Form& form, Env&) {
    return Outcome::from(generate_vpn_account(account_fields(form, N)));
}

template <const VpnNames& N>
Outcome run_client(const Form& form, Env&) {
    const VpnClientFields fields = client_fields(form, N);
    // Carrier routes go by both gateways: a blank one would write every route of a carrier's list
    // with no gateway, each refused by the router.
    if (fields.routes != VpnClientRoutes::default_route)
        if (auto refused = refuse_blank(form, {{N.telecom_gateway, "电信网关"}, {N.netcom_gateway, "网通网关"}}))
            return *refused;
    return Outcome::from(generate_vpn_client(fields));
}

template <const VpnNames& N>
PageEntry vpn_page(const PageSpec& spec) {
    return {&spec,
            {{N.server_button, run_server<N>}, {N.account_button, run_account<N>}, {N.client_button, run_client<N>}}};
}

}  // namespace

const PageSpec& pptp_page_spec() {
    static const PageSpec kPage = vpn_page_spec(kPptp);
    return kPage;
}

const PageSpec& l2tp_page_spec() {
    static const PageSpec kPage = vpn_page_spec(kL2tp);
    return kPage;
}

PageEntry pptp_page() {
    return vpn_page<kPptp>(pptp_page_spec());
}

PageEntry l2tp_page() {
    return vpn_page<kL2tp>(l2tp_page_spec());
}

}  // namespace vorlix
