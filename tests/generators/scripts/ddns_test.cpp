#include "generators/scripts/Ddns.hpp"

#include <gtest/gtest.h>

#include "generators/wan/wan_test_util.hpp"
#include "script/encoding.hpp"
#include "support/ros_reader.hpp"

namespace vorlix {
namespace {

using test::crlf;

DdnsFields defaults(DdnsProvider provider) {
    return {provider, "username", "Mavek2015", "username", std::string(ddns_provider(provider).suffix), "pppoe-out1"};
}

// The key-based script reports the address of the interface typed on the page, whatever kind of
// interface it is.
const std::string kDnsUpdate = crlf({
    "#本DDNS脚本更新外网网卡的IP地址,地址变了才提交",
    "",
    R"(:local ether "pppoe-out1")",
    "#DDNS帐号",
    R"(:local user "username")",
    "#DDNS密码",
    R"(:local pass "Mavek2015")",
    "#DDNS域名",
    R"(:local host "username.f3322.net")",
    "#以下不需要修改",
    ":local oldip [:resolve $host]",
    ":delay 5s",
    ":local newip [ /ip address get [/ip address find interface=$ether ] address ]",
    R"(:set newip [:pick $newip 0 [:find $newip "/"]])",
    ":if ($oldip != $newip) do={",
    "/tool dns-update address=$newip    key-name=$user key=$pass name=$host",
    R"(:log error ("\BE\C9\B5\C4IP\B5\D8\D6\B7\A3\BA: " .$oldip))",
    R"(:log error ("\D0\C2\B5\C4IP\B5\D8\D6\B7\A3\BA: " .$newip)})",
});

TEST(Ddns, KeyBasedScriptWithDefaults) {
    EXPECT_EQ(ddns_update_script(defaults(DdnsProvider::f3322)), kDnsUpdate);
    // changeip uses the same script; only the suffix differs.
    EXPECT_EQ(ddns_update_script(defaults(DdnsProvider::changeip)),
              replace_all(kDnsUpdate, "username.f3322.net", "username.changeip.net"));
}

TEST(Ddns, HttpScriptReadsTheAddressBeforeItBuildsTheUrl) {
    EXPECT_EQ(ddns_update_script(defaults(DdnsProvider::huashengke)),
              crlf({
                  "#花生壳HTTP更新脚本:先取外网网卡的IP地址,再提交更新",
                  "",
                  ":local ipaddr",
                  R"(:local server "http://ddns.oray.com")",
                  R"(:local domain "username.oicp.net")",
                  R"(:local users "username")",
                  R"(:local paswd "Mavek2015")",
                  ":set ipaddr [/ip address get [/ip address find interface=pppoe-out1] address]",
                  R"(:set ipaddr [:pick $ipaddr 0 [:find $ipaddr "/"]])",
                  R"(:local par "/ph/update\?&hostname=$domain&myip=$ipaddr")",
                  "/tool fetch url=($server . $par) mode=http user=$users password=$paswd",
              }));
}

TEST(Ddns, TheScriptRunsFromASchedulerEntry) {
    const std::optional<std::string> command = generate_ddns(defaults(DdnsProvider::huashengke));
    ASSERT_TRUE(command);
    const std::vector<std::string> lines = test::lines_of(*command);
    ASSERT_EQ(lines.size(), 12u);
    EXPECT_EQ(lines[0],
              "/system scheduler add name=Mavek_DDNS interval=00:05:00 start-time=startup "
              "policy=ftp,reboot,read,write,policy,test,password,sniff,sensitive on-event=\"\\");
    EXPECT_EQ(
        lines[1],
        "    #\\BB\\A8\\C9\\FA\\BF\\C7HTTP\\B8\\FC\\D0\\C2\\BD\\C5\\B1\\BE:\\CF\\C8\\C8\\A1\\CD\\E2\\CD\\F8\\CD\\F8"
        "\\BF\\A8\\B5\\C4IP\\B5\\D8\\D6\\B7,\\D4\\D9\\CC\\E1\\BD\\BB\\B8\\FC\\D0\\C2\\r\\");
    EXPECT_EQ(lines[5], "    \\n:local domain \\\"username.oicp.net\\\"\\r\\");
    EXPECT_EQ(lines[11], "    \\n/tool fetch url=(\\$server . \\$par) mode=http user=\\$users password=\\$paswd\"");

    // What the router stores is the update script, Chinese as GBK.
    const std::optional<std::string> stored = test::value_after(test::logical_lines(*command)[0], "on-event=");
    ASSERT_TRUE(stored);
    EXPECT_EQ(*stored, utf8_to_gbk(*ddns_update_script(defaults(DdnsProvider::huashengke))));
}

TEST(Ddns, MeibuHasNoScript) {
    EXPECT_FALSE(generate_ddns(defaults(DdnsProvider::meibu)));
}

// A typed value passes two readings: the console's, which stores the scheduler's script, and the
// script's own, when it runs. Each must give back exactly what was typed.
TEST(Ddns, TypedValuesReachTheProviderAsTyped) {
    const std::string_view hostile[] = {"a\"b", "pa$word", "x?y", "my wan", "c:\\d", "[x]{y};", "中文", ""};
    struct Where {
        DdnsProvider provider;
        std::string_view local;  // the script's line that holds the value
        std::string DdnsFields::*field;
    };
    const Where wheres[] = {
        {DdnsProvider::f3322, ":local user ", &DdnsFields::account},
        {DdnsProvider::f3322, ":local pass ", &DdnsFields::password},
        {DdnsProvider::f3322, ":local ether ", &DdnsFields::interface},
        {DdnsProvider::changeip, ":local host ", &DdnsFields::prefix},
        {DdnsProvider::huashengke, ":local users ", &DdnsFields::account},
        {DdnsProvider::huashengke, ":local paswd ", &DdnsFields::password},
        {DdnsProvider::huashengke, ":local domain ", &DdnsFields::suffix},
        {DdnsProvider::huashengke, "find interface=", &DdnsFields::interface},  // a bare word there
    };
    for (const Where& w : wheres) {
        for (const std::string_view value : hostile) {
            SCOPED_TRACE(std::string(w.local) + std::string(value));
            DdnsFields f = defaults(w.provider);
            f.prefix = f.suffix = "";
            f.*w.field = value;
            const std::optional<std::string> command = generate_ddns(f);
            ASSERT_TRUE(command);
            const std::vector<std::string> lines = test::logical_lines(*command);
            ASSERT_EQ(lines.size(), 1u);
            const std::optional<std::string> stored = test::value_after(lines[0], "on-event=");
            ASSERT_TRUE(stored);
            EXPECT_EQ(test::value_after(*stored, w.local), utf8_to_gbk(value));
        }
    }
}

}  // namespace
}  // namespace vorlix
