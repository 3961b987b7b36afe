#include "generators/scripts/RouterScripts.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <regex>

#include "generators/wan/LoadBalance.hpp"
#include "generators/wan/wan_test_util.hpp"
#include "script/encoding.hpp"
#include "support/ros_reader.hpp"

namespace vorlix {
namespace {

using test::crlf;
using test::lines_of;

const std::string kOnlineCount = crlf({
    "/ip firewall address-list add address=192.168.1.0/24 disabled=no list=lan",
    "/ip firewall mangle add chain=prerouting src-address-list=lan action=add-src-to-address-list "
    R"(address-list="Online" address-list-timeout=1m  comment="\D4\DA\CF\DF\D3\C3\BB\A7" disabled=no)",
    R"(/system schedule add interval=00:10:00 name="\CD\B3\BC\C6\D4\DA\CF\DF\C8\CB\CA\FD" on-event=":global s \)",
    R"(    0\r\)",
    R"(    \n:foreach i in=[/ip firewall address-list find list=Online] do={:set s (\$s\)",
    R"(    +1)}\r\)",
    R"(    \n:log warning (\"\B5\B1\C7\B0\" . \$s . \"\CC\A8\BF\CD\BB\A7\BB\FA\D4\DA\CF\)",
    R"-(    \DF\")" policy=reboot,read,write,policy,test,password,sniff,sensitive \)-",
    "    start-date=jan/01/1970 start-time=00:00:00",
});

TEST(OnlineCount, Defaults) {
    EXPECT_EQ(generate_online_count({"192.168.1.0/24", "00:10:00"}).script, kOnlineCount);
}

TEST(OnlineCount, SubnetAndIntervalAreWrittenAsRouterOsReadsThem) {
    struct Case {
        std::string_view why, subnet, interval, first_line_has, interval_is;
    };
    const Case cases[] = {
        {"a range goes in unchanged", "192.168.1.1-192.168.1.200", "00:10:00", "address=192.168.1.1-192.168.1.200 ",
         "interval=00:10:00 "},
        {"an empty subnet is an empty value, not a missing one", "", "00:10:00", "address=\"\" disabled=no",
         "interval=00:10:00 "},
        {"blanks in the interval are dropped", "10.0.0.0/8", "1d 00:00:00", "address=10.0.0.0/8 ",
         "interval=1d00:00:00 "},
        {"what a bare word cannot hold is quoted", "a\"b c", "x?y", "address=\"a\\\"b c\" ", "interval=\"x\\?y\" "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        const std::vector<std::string> lines =
            lines_of(generate_online_count({std::string(c.subnet), std::string(c.interval)}).script);
        ASSERT_EQ(lines.size(), 9u);
        EXPECT_NE(lines[0].find(c.first_line_has), std::string::npos) << lines[0];
        EXPECT_NE(lines[2].find(c.interval_is), std::string::npos) << lines[2];
    }
}

const std::string kScheduledBackup = crlf({
    R"(/system schedule add interval=1d00:00:00 name="ROS\D7\D4\B6\AF\B1\B8\B7\DD\BD\C5\B1\BE " on-event="###d\)",
    R"(    ate:year-month-day\r\)",
    R"(    \n:do {\r\)",
    R"(    \n:local date [/system clock get date]\r\)",
    R"(    \n:local day [:pick \$date 4 6]\r\)",
    R"(    \n:local month [:pick \$date 0 3]\r\)",
    R"(    \n:local year [:pick \$date 7 11]\r\)",
    R"(    \n:local convert ([:find jan,feb,mar,apr,may,jun,jul,aug,sep,oct,nov,dec [\)",
    R"(    :pick \$date 0 3]]+1);\r\)",
    R"(    \n:if (\$convert <=9) do={\r\)",
    R"(    \n:set convert (\"0\".\$convert)}\r\)",
    R"(    \n:set date (\$year.\$convert.\$day);\r\)",
    R"(    \n/system backup save name=\$date;}" policy=\)",
    R"(    ftp,reboot,read,write,policy,test,password,sniff,sensitive start-date=\)",
    R"(    jan/25/2015 start-time=02:00:00)",
});

TEST(ScheduledBackup, DefaultsWithTheIntervalWrittenWithoutItsBlank) {
    EXPECT_EQ(generate_scheduled_backup({"02:00:00", "1d 00:00:00"}).script, kScheduledBackup);
}

TEST(ScheduledBackup, ATypedValueIsNeverTakenForAPlaceholder) {
    // The interval is filled first; a value that reads like the time's placeholder stays as typed
    // instead of turning into the time.
    const std::vector<std::string> lines = lines_of(generate_scheduled_backup({"03:00:00", "{执行时间}"}).script);
    ASSERT_EQ(lines.size(), 15u);
    // (Inside quotes the text is written as the escapes of its GBK bytes.)
    EXPECT_TRUE(lines[0].starts_with("/system schedule add interval=\"{\\D6\\B4\\D0\\D0\\CA\\B1\\BC\\E4}\" name="))
        << lines[0];
    EXPECT_EQ(lines[14], "    jan/25/2015 start-time=03:00:00");
    // And the other way round.
    EXPECT_EQ(lines_of(generate_scheduled_backup({"{执行周期}", "1d"}).script)[14],
              "    jan/25/2015 start-time=\"{\\D6\\B4\\D0\\D0\\D6\\DC\\C6\\DA}\"");
}

// The script that the e-mail page stores, as the router holds it (Chinese in GBK).
std::string stored_script(const std::string& command, std::size_t line, std::string_view key) {
    const std::vector<std::string> lines = test::logical_lines(command);
    if (line >= lines.size()) return "<no line>";
    return test::value_after(lines[line], key).value_or("<unreadable>");
}

MailBackupFields mail_defaults() {
    return {"10000", "@qq.com", "10000", 0, "@qq.com", "Mavek2015", "pppoe-out1"};
}

TEST(MailBackup, StoresTheScriptAndRunsItOnce) {
    const std::string command = generate_mail_backup(mail_defaults()).script;
    const std::vector<std::string> lines = lines_of(command);
    ASSERT_EQ(lines.size(), 43u);
    EXPECT_EQ(lines[0], "/system script remove [find name=Mavek_MailBackup]");
    EXPECT_EQ(lines[1],
              "/system script add name=Mavek_MailBackup "
              "policy=ftp,reboot,read,write,policy,test,password,sniff,sensitive source=\"\\");
    EXPECT_EQ(lines[42], "/system script run Mavek_MailBackup");

    EXPECT_EQ(stored_script(command, 1, "source="),
              utf8_to_gbk(crlf({
                  "#备份当前配置,并把备份文件作为邮件附件发到收件邮箱",
                  "",
                  "#备份文件名称设置",
                  ":local date [/system clock get date]",
                  ":local day [:pick $date 4 6]",
                  ":local month [:pick $date 0 3]",
                  ":local year [:pick $date 7 11]",
                  ":local convert ([:find jan,feb,mar,apr,may,jun,jul,aug,sep,oct,nov,dec [:pick $date 0 3]]+1);",
                  ":if ($convert <=9) do={",
                  R"(:set convert ("0".$convert)})",
                  R"(:set date ("MikroTik-".$year.$convert.$day);)",
                  "/system backup save name=$date;",
                  "#SMTP服务器设置",
                  R"(:local smtps "smtp.qq.com")",
                  "#邮件端口设置",
                  R"(:local ports "465")",
                  "#寄件人设置",
                  R"(:local Mailings "10000")",
                  "#寄件人密码设置",
                  R"(:local pass "Mavek2015")",
                  "#收件人账号设置",
                  R"(:local recipient "10000@qq.com")",
                  "#寄件人账号设置",
                  R"(:local Collection "10000@qq.com")",
                  "#发送内容设置",
                  R"(:local Contents "邮件发送时的公网IP是:")",
                  "#发送主题设置",
                  R"(:local Themes "MikroTik系统备份")",
                  "#接口名称设置",
                  R"(:local ddnsinterface "pppoe-out1")",
                  "#服务器名称设置",
                  R"(:local ServerName "附件为您RouterOS最新的系统配置备份文件")",
                  ":local smtpp [:resolve $smtps]",
                  "/tool e-mail set address=$smtpp port=$ports start-tls=tls-only from=$Mailings user=$Mailings "
                  "password=$pass",
                  R"(:global ddnssystems ("您的路由器版本是为 MikroTik v" . [/system package get system version] ))",
                  ":local ipssfn [ /ip address get [/ip address find interface=$ddnsinterface ] address ]",
                  R"(:global ipss [:pick $ipssfn 0 [:find $ipssfn "/" ] ])",
                  "/tool e-mail send to=$recipient from=$Collection subject=$Themes "
                  R"(body=("$ServerName\n$ddnssystems\n$Contents$ipss") file=($date . ".backup"))",
                  R"-(:log warning "系统数据已备份，邮件已发送($Collection)")-",
                  R"(:log warning ("外网IP =" ."$ipss"))",
              })));
}

TEST(MailBackup, TheSendersListChoosesTheServer) {
    struct Case {
        int index;
        std::string_view smtp;
    };
    const Case cases[] = {
        {0, "smtp.qq.com"}, {1, "smtp.163.com"}, {2, "smtp.126.com"}, {-1, "smtp.126.com"}, {7, "smtp.126.com"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.index);
        MailBackupFields f = mail_defaults();
        f.sender_index = c.index;
        f.sender_domain = c.index == 1 ? "@163.com" : "@126.com";
        f.recipient_domain = "@163.com";  // the recipient's domain plays no part
        const std::string stored = stored_script(generate_mail_backup(f).script, 1, "source=");
        EXPECT_EQ(test::value_after(stored, ":local smtps "), c.smtp);
        EXPECT_EQ(test::value_after(stored, ":local Collection "), "10000" + f.sender_domain);
        EXPECT_EQ(test::value_after(stored, ":local recipient "), "10000@163.com");
    }
    for (const MailProvider& p : mail_providers()) {
        EXPECT_TRUE(p.domain.starts_with('@')) << p.domain;
        EXPECT_TRUE(p.smtp.starts_with("smtp.")) << p.smtp;
        EXPECT_EQ(p.port, 465) << p.smtp;  // the script asks for TLS from the first byte
    }
}

TEST(MailBackup, TypedValuesSurviveBothReadings) {
    const std::string_view hostile[] = {"a\"b", "pa$word", "x?y", "two words", "c:\\d", "中文", ""};
    struct Where {
        std::string_view local;
        std::string MailBackupFields::*field;
        std::string_view after;  // what the script adds to the typed value
    };
    const Where wheres[] = {
        {":local Mailings ", &MailBackupFields::sender_prefix, ""},
        {":local pass ", &MailBackupFields::password, ""},
        {":local recipient ", &MailBackupFields::recipient_prefix, "@qq.com"},
        {":local ddnsinterface ", &MailBackupFields::interface, ""},
    };
    for (const Where& w : wheres) {
        for (const std::string_view value : hostile) {
            SCOPED_TRACE(std::string(w.local) + std::string(value));
            MailBackupFields f = mail_defaults();
            f.*w.field = value;
            const std::string stored = stored_script(generate_mail_backup(f).script, 1, "source=");
            EXPECT_EQ(test::value_after(stored, w.local), utf8_to_gbk(std::string(value) + std::string(w.after)));
        }
    }
}

TEST(FixedScripts, LineCountsAndEnds) {
    const std::string pcc = generate_pcc_rebalance().script;
    const std::vector<std::string> pcc_lines = lines_of(pcc);
    ASSERT_EQ(pcc_lines.size(), 67u);
    EXPECT_EQ(pcc_lines[0],
              "/system script add name=Mavek_PCC policy=ftp,reboot,read,write,policy,test,password,sniff,sensitive "
              "source=\"\\");
    EXPECT_EQ(pcc_lines[66],
              "/system scheduler add name=Mavek_PCC interval=00:01:00 start-time=startup on-event=Mavek_PCC "
              "policy=ftp,reboot,read,write,policy,test,password,sniff,sensitive");
    const std::vector<std::string> pcc_source = lines_of(gbk_to_utf8(stored_script(pcc, 0, "source=")));
    ASSERT_EQ(pcc_source.size(), 65u);
    EXPECT_EQ(pcc_source.front(), "#PPPoE线路掉线后重新分配PCC:新连接只分给在线的线路,线路恢复后还原");
    EXPECT_EQ(pcc_source.back(), "}");

    const std::string reminder = generate_expiry_reminder().script;
    const std::vector<std::string> lines = lines_of(reminder);
    ASSERT_EQ(lines.size(), 58u);
    EXPECT_EQ(lines[0], "/ip firewall mangle");
    EXPECT_EQ(lines[1],
              "add action=add-src-to-address-list address-list=notyet address-list-timeout=1s chain=prerouting "
              "comment=Push disabled=no dst-port=80 protocol=tcp src-address-list=!already ");
    EXPECT_EQ(lines[7], "    ftp,reboot,read,write,policy,test,winbox,password,sniff,sensitive source=\"\\");
    EXPECT_EQ(lines[8], "    #\\BD\\C5\\B1\\BE\\BF\\AA\\CA\\BC#\\r\\");
    EXPECT_EQ(lines[51], "    \\n#\\BD\\C5\\B1\\BE\\BD\\E1\\CA\\F8#\"");
    EXPECT_EQ(lines[52], "");
    // The start date is one value: with a blank after "=" the scheduler line is rejected.
    EXPECT_EQ(
        lines[53],
        "/system scheduler add disabled=no interval=1d name=ExpAuto on-event=Exp_Auto  "
        "policy=reboot,read,write,policy,test,password,sniff,sensitive start-date=jan/01/1970 start-time=03:00:00");
    EXPECT_EQ(lines[57], "/ip proxy access add action=deny comment=\"push to error\" disabled=no dst-port=80");
    const std::vector<std::string> source = lines_of(gbk_to_utf8(stored_script(reminder, 6, "source=")));
    ASSERT_EQ(source.size(), 44u);
    EXPECT_EQ(source.front(), "#脚本开始#");
    EXPECT_EQ(source.back(), "#脚本结束#");
    EXPECT_NE(std::find(source.begin(), source.end(), ":global ip 120.85.13.10"), source.end());
}

TEST(RouterScripts, EveryOutputIsPlainAscii) {
    // Chinese goes out as escapes of its GBK bytes, so the router gets the same bytes whichever
    // encoding the terminal or the saved file uses.
    MailBackupFields mail = mail_defaults();
    mail.password = "中文";
    const std::string outputs[] = {
        generate_online_count({"192.168.1.0/24", "00:10:00"}).script,
        generate_scheduled_backup({"02:00:00", "1d 00:00:00"}).script,
        generate_mail_backup(mail).script,
        generate_pcc_rebalance().script,
        generate_expiry_reminder().script,
    };
    for (const std::string& out : outputs) {
        const auto high =
            std::find_if(out.begin(), out.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
        EXPECT_EQ(high, out.end()) << out.substr(0, 80);
    }
}

// The re-balancing script finds its rules by what the "多线PPPoE负载" page writes. Its lookups:
//   the PCC rule of bucket ii:   find per-connection-classifier~("/" . $ii . "\$")
//   its routing-mark rules:      find action="mark-routing" connection-mark=<its new-connection-mark>
//   rules it must restore:       find action="mark-connection" disabled=yes chain=prerouting
//   the lines:                   /interface pppoe-client find (running=yes)
using Rule = std::map<std::string, std::string>;

Rule parse_rule(std::string_view line) {
    Rule rule;
    std::size_t pos = 0;
    while (pos < line.size()) {
        const std::size_t eq = line.find('=', pos), blank = line.find(' ', pos);
        if (eq == std::string_view::npos) break;
        if (blank != std::string_view::npos && blank < eq) {
            pos = blank + 1;  // a word without a value: "add"
            continue;
        }
        const std::string key(line.substr(pos, eq - pos));
        std::size_t end = eq + 1;
        if (end < line.size() && line[end] == '"') {
            rule[key] = test::read_quoted(line, end).value_or("<bad>");
        } else {
            end = std::min(line.find(' ', end), line.size());
            rule[key] = std::string(line.substr(eq + 1, end - eq - 1));
        }
        pos = end + 1;
    }
    return rule;
}

TEST(PccRebalance, FindsEveryRuleThePppoeLoadPageWrites) {
    const std::string source = gbk_to_utf8(stored_script(generate_pcc_rebalance().script, 0, "source="));
    for (const std::string_view lookup : {
             R"([/ip firewall mangle find per-connection-classifier~("/" . $ii . "\$")])",
             R"([/ip firewall mangle get $pcc new-connection-mark])",
             R"([/ip firewall mangle find action="mark-routing" connection-mark=$mark])",
             R"([/ip firewall mangle find action="mark-connection" disabled=yes chain=prerouting])",
             "[/interface pppoe-client find ]",
             "[/interface pppoe-client find running=yes]",
         })
        EXPECT_NE(source.find(lookup), std::string::npos) << lookup;

    for (std::size_t n = 2; n <= 4; ++n) {
        for (int classifier = 0; classifier < 9; ++classifier) {
            SCOPED_TRACE(testing::Message() << n << " lines, classifier " << classifier);
            LoadBalanceFields f{.lan = "ether1",
                                .lan_address = "192.168.0.254",
                                .lan_prefix = "24",
                                .mss = "1440",
                                .classifier = classifier};
            for (std::size_t i = 1; i <= n; ++i)
                f.lines.push_back({"adsl0" + std::to_string(i), "pw", "ether" + std::to_string(i + 1)});
            const std::string script = generate_pppoe_load(f, Balancing::pcc).script;

            // As many PPPoE clients as buckets: the script spreads over running/total of them.
            const std::vector<std::string> lines = lines_of(script);
            EXPECT_EQ(std::count_if(lines.begin(), lines.end(),
                                    [](const std::string& l) { return l.starts_with("/interface pppoe-client add "); }),
                      static_cast<std::ptrdiff_t>(n));

            std::vector<Rule> mangle;
            for (const std::string& line : test::section(script, "/ip firewall mangle"))
                if (line.starts_with("add ")) mangle.push_back(parse_rule(line));
            for (std::size_t ii = 0; ii < n; ++ii) {
                const std::regex ends_in_bucket("/" + std::to_string(ii) + "$");
                std::vector<const Rule*> pcc;
                for (const Rule& r : mangle)
                    if (r.contains("per-connection-classifier") &&
                        std::regex_search(r.at("per-connection-classifier"), ends_in_bucket))
                        pcc.push_back(&r);
                ASSERT_EQ(pcc.size(), 1u) << "bucket " << ii;
                const Rule& rule = *pcc.front();
                // The restore step counts these as disabled prerouting mark-connection rules.
                EXPECT_EQ(rule.at("chain"), "prerouting");
                EXPECT_EQ(rule.at("action"), "mark-connection");
                // The classifier keeps its kind before the ":" that the script splits at.
                EXPECT_EQ(rule.at("per-connection-classifier"), std::string(pcc_classifier_keyword(classifier)) + ":" +
                                                                    std::to_string(n) + "/" + std::to_string(ii));
                const std::string mark = rule.at("new-connection-mark");
                EXPECT_TRUE(std::any_of(mangle.begin(), mangle.end(), [&](const Rule& r) {
                    return r.contains("action") && r.at("action") == "mark-routing" && r.contains("connection-mark") &&
                           r.at("connection-mark") == mark && r.contains("chain") && r.at("chain") == "prerouting";
                })) << mark;
            }
        }
    }
}

}  // namespace
}  // namespace vorlix
