#include "generators/vpn/PptpL2tp.hpp"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "script/isp_lists.hpp"
#include "script/text.hpp"

namespace vorlix {
namespace {

VpnServerFields server(VpnProtocol protocol) {
    const bool l2tp = protocol == VpnProtocol::l2tp;
    return {.protocol = protocol,
            .pool_range = "172.16.254.2-172.16.254.254",
            .gateway = l2tp ? "172.16.253.1" : "172.16.254.1",
            .dns1 = "218.85.152.99",
            .dns2 = "218.85.157.99",
            .pool_name = l2tp ? "l2tp_pool" : "pptp_pool",
            .profile = l2tp ? "l2tp_profile" : "pptp_profile",
            .upload = "1m",
            .download = "1m",
            .idle = "00:00:00",
            .session = "00:00:00",
            .use_ipv6 = "yes",
            .use_mpls = "default",
            .use_compression = "default",
            .use_vj_compression = "default",
            .use_encryption = "default",
            .only_one = "default",
            .change_tcp_mss = "default"};
}

TEST(VpnServer, DefaultsGiveEachClientItsOwnAddress) {
    EXPECT_EQ(generate_vpn_server(server(VpnProtocol::pptp)).script,
              "/interface pptp-server server set enabled=yes\r\n"
              "/ip pool add name=\"pptp_pool\" ranges=172.16.254.2-172.16.254.254\r\n"
              "/ppp profile add name=\"pptp_profile\" local-address=172.16.254.1 remote-address=pptp_pool "
              "use-ipv6=yes use-mpls=default use-compression=default use-vj-compression=default "
              "use-encryption=default only-one=default change-tcp-mss=default "
              "dns-server=218.85.152.99,218.85.157.99\r\n"
              "/ip firewall nat add chain=srcnat src-address=172.16.254.2-172.16.254.254 action=masquerade");
    EXPECT_EQ(generate_vpn_server(server(VpnProtocol::l2tp)).script,
              "/interface l2tp-server server set enabled=yes\r\n"
              "/ip pool add name=\"l2tp_pool\" ranges=172.16.254.2-172.16.254.254\r\n"
              "/ppp profile add name=\"l2tp_profile\" local-address=172.16.253.1 remote-address=l2tp_pool "
              "use-ipv6=yes use-mpls=default use-compression=default use-vj-compression=default "
              "use-encryption=default only-one=default change-tcp-mss=default "
              "dns-server=218.85.152.99,218.85.157.99\r\n"
              "/ip firewall nat add chain=srcnat src-address=172.16.254.2-172.16.254.254 action=masquerade");
}

TEST(VpnServer, ProfileLineOptions) {
    struct Case {
        std::string_view why;
        VpnServerFields f;
        std::string_view profile_line;
    };
    VpnServerFields limits = server(VpnProtocol::pptp);
    limits.rate_limit = limits.idle_timeout = limits.session_timeout = true;
    limits.use_encryption = "required";
    VpnServerFields named = server(VpnProtocol::pptp);
    named.pool_name = "vpn pool";
    named.profile = "p\"1$";
    named.dns1 = "";
    VpnServerFields typed = server(VpnProtocol::l2tp);
    typed.session_timeout = true;
    typed.session = "1d 00:00:00";
    typed.gateway = "x?y";
    typed.dns1 = typed.dns2 = "";
    const Case cases[] = {
        {"all three limits, in the order idle, session, rate", limits,
         "/ppp profile add name=\"pptp_profile\" local-address=172.16.254.1 remote-address=pptp_pool use-ipv6=yes "
         "use-mpls=default use-compression=default use-vj-compression=default use-encryption=required "
         "only-one=default change-tcp-mss=default idle-timeout=00:00:00 session-timeout=00:00:00 rate-limit=1m/1m "
         "dns-server=218.85.152.99,218.85.157.99"},
        {"a pool name with a blank stays one word in both places; second DNS only", named,
         "/ppp profile add name=\"p\\\"1\\$\" local-address=172.16.254.1 remote-address=\"vpn pool\" use-ipv6=yes "
         "use-mpls=default use-compression=default use-vj-compression=default use-encryption=default "
         "only-one=default change-tcp-mss=default dns-server=218.85.157.99"},
        {"typed values that RouterOS would misread are quoted", typed,
         "/ppp profile add name=\"l2tp_profile\" local-address=\"x\\?y\" remote-address=l2tp_pool use-ipv6=yes "
         "use-mpls=default use-compression=default use-vj-compression=default use-encryption=default "
         "only-one=default change-tcp-mss=default session-timeout=\"1d 00:00:00\" dns-server=\"\""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        const std::vector<std::string_view> lines = split_lines(generate_vpn_server(c.f).script);
        ASSERT_EQ(lines.size(), 4u);
        EXPECT_EQ(lines[2], c.profile_line);
    }
    EXPECT_EQ(split_lines(generate_vpn_server(named).script)[1],
              "/ip pool add name=\"vpn pool\" ranges=172.16.254.2-172.16.254.254");
}

TEST(VpnAccount, CallerIdStandsBeforeTheProfile) {
    VpnAccountFields f{.protocol = VpnProtocol::pptp,
                       .profile = "pptp_profile",
                       .user = "MAVEK",
                       .password = "mavek2015",
                       .bind_caller = true,
                       .caller_id = "00:00:00:00:00:00"};
    EXPECT_EQ(generate_vpn_account(f).script,
              "/ppp secret add name=\"MAVEK\" password=\"mavek2015\" service=pptp caller-id=00:00:00:00:00:00 "
              "profile=pptp_profile");
    f = {.protocol = VpnProtocol::l2tp,
         .profile = "my profile",
         .user = "a\"b",
         .password = "pa$word",
         .bind_caller = false,
         .caller_id = "ignored"};
    EXPECT_EQ(generate_vpn_account(f).script,
              "/ppp secret add name=\"a\\\"b\" password=\"pa\\$word\" service=l2tp profile=\"my profile\"");
}

VpnClientFields client(VpnProtocol protocol, VpnClientRoutes routes) {
    return {.protocol = protocol,
            .name = protocol == VpnProtocol::l2tp ? "mavek_l2tp_client" : "mavek_pptp_client",
            .server = "203.0.113.10",
            .user = "Mavek",
            .password = "mavek2015",
            .telecom_gateway = "120.42.112.1",
            .netcom_gateway = "210.13.100.1",
            .routes = routes};
}

TEST(VpnClient, DefaultRouteIsOneLine) {
    EXPECT_EQ(generate_vpn_client(client(VpnProtocol::pptp, VpnClientRoutes::default_route)).script,
              "/interface pptp-client add name=\"mavek_pptp_client\" connect-to=203.0.113.10 user=\"Mavek\" "
              "password=\"mavek2015\" add-default-route=yes disabled=no");
    VpnClientFields f = client(VpnProtocol::l2tp, VpnClientRoutes::default_route);
    f.name = "vpn 1";
    f.password = "x?y";
    f.telecom_gateway = "ignored without carrier routes";
    EXPECT_EQ(generate_vpn_client(f).script,
              "/interface l2tp-client add name=\"vpn 1\" connect-to=203.0.113.10 user=\"Mavek\" password=\"x\\?y\" "
              "add-default-route=yes disabled=no");
}

TEST(VpnClient, CarrierRoutesFromTheBuiltInLists) {
    struct Case {
        std::string_view why;
        VpnClientRoutes routes;
        IspList secondary;
        std::string_view by, default_by;
    };
    const Case cases[] = {
        {"Telecom primary: Netcom networks by the Netcom gateway", VpnClientRoutes::telecom_primary, IspList::netcom,
         "210.13.100.1", "120.42.112.1"},
        {"Netcom primary: Telecom networks by the Telecom gateway", VpnClientRoutes::netcom_primary, IspList::telecom,
         "120.42.112.1", "210.13.100.1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        const std::string script = generate_vpn_client(client(VpnProtocol::pptp, c.routes)).script;
        EXPECT_FALSE(script.ends_with("\r\n"));
        const std::vector<std::string_view> lines = split_lines(script);
        const std::vector<std::string_view> networks = isp_list_entries(c.secondary);
        ASSERT_EQ(lines.size(), networks.size() + 3);
        EXPECT_EQ(lines[0],
                  "/interface pptp-client add name=\"mavek_pptp_client\" connect-to=203.0.113.10 user=\"Mavek\" "
                  "password=\"mavek2015\" disabled=no");
        EXPECT_EQ(lines[1], "/ip route");
        for (std::size_t i = 0; i < networks.size(); ++i)
            ASSERT_EQ(lines[2 + i], "add dst-address=" + std::string(networks[i]) + " gateway=" + std::string(c.by) +
                                        " check-gateway=ping distance=1 scope=255 target-scope=10 disabled=no");
        EXPECT_EQ(lines.back(), "add dst-address=0.0.0.0/0 gateway=" + std::string(c.default_by) +
                                    " check-gateway=ping distance=2 scope=255 target-scope=10 disabled=no");
    }
    // The L2TP client differs only in its first line.
    const std::string l2tp = generate_vpn_client(client(VpnProtocol::l2tp, VpnClientRoutes::telecom_primary)).script;
    EXPECT_TRUE(l2tp.starts_with("/interface l2tp-client add name=\"mavek_l2tp_client\" "));
    const std::string pptp = generate_vpn_client(client(VpnProtocol::pptp, VpnClientRoutes::telecom_primary)).script;
    EXPECT_EQ(l2tp.substr(l2tp.find("\r\n")), pptp.substr(pptp.find("\r\n")));
}

}  // namespace
}  // namespace vorlix
