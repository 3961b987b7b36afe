#include "generators/vpn/PptpL2tp.hpp"

#include "generators/wan/DualLineTelecomNetcom.hpp"
#include "script/quote.hpp"
#include "script/script_builder.hpp"
#include "script/text.hpp"

namespace vorlix {

std::string_view vpn_word(VpnProtocol protocol) {
    return protocol == VpnProtocol::l2tp ? "l2tp" : "pptp";
}

Result generate_vpn_server(const VpnServerFields& f) {
    // The optional limits, each ended by a blank, in the order idle, session, rate.
    std::string limits;
    if (f.idle_timeout) limits += "idle-timeout=" + bare_value(f.idle) + " ";
    if (f.session_timeout) limits += "session-timeout=" + bare_value(f.session) + " ";
    if (f.rate_limit) limits += "rate-limit=" + bare_value(f.upload + "/" + f.download) + " ";

    const std::string word(vpn_word(f.protocol));
    const std::string range = bare_value(f.pool_range);
    ScriptBuilder b;
    b.line("/interface " + word + "-server server set enabled=yes");
    b.line("/ip pool add name=" + quote_value(f.pool_name) + " ranges=" + range);
    // local-address is the router's end of every tunnel and remote-address hands each client its own
    // address from the pool; the other way round every client would get the gateway's one address.
    b.line("/ppp profile add name=" + quote_value(f.profile) + " local-address=" + bare_value(f.gateway) +
           " remote-address=" + bare_value(f.pool_name) + " use-ipv6=" + bare_value(f.use_ipv6) +
           " use-mpls=" + bare_value(f.use_mpls) + " use-compression=" + bare_value(f.use_compression) +
           " use-vj-compression=" + bare_value(f.use_vj_compression) +
           " use-encryption=" + bare_value(f.use_encryption) + " only-one=" + bare_value(f.only_one) +
           " change-tcp-mss=" + bare_value(f.change_tcp_mss) + " " + limits +
           "dns-server=" + bare_value(dns_servers(f.dns1, f.dns2)));
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

    // The same carrier routes as the dual-line page's: the primary line takes the default route, the
    // networks of the other carrier leave by the other line.
    const Result routes = generate_dual_line_routes({
        .telecom_gateway = f.telecom_gateway,
        .netcom_gateway = f.netcom_gateway,
        .telecom_primary = f.routes == VpnClientRoutes::telecom_primary,
    });
    ScriptBuilder s;
    s.line(client + " disabled=no");
    s.block(routes.script);
    return Result::ok(s.str());
}

}  // namespace vorlix
