#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "generators/firewall/FixedRuleSets.hpp"
#include "script/encoding.hpp"
#include "script/ros_escape.hpp"
#include "script/text.hpp"
#include "support/ros_export.hpp"

namespace vorlix {
namespace {

using test::find_arg;
using test::logical_lines;
using test::ros_args;

TEST(FixedRuleSets, EachButtonGivesItsWholeScript) {
    struct Case {
        std::string_view button;
        std::size_t lines;
        std::string_view first, last;
    };
    const Case cases[] = {
        {name::layer7_catalogue, 189, "/ip firewall layer7-protocol",
         "add comment=\"\" name=Htm regexp=\"^(get|head) [^ ]*\\\\.html\\?[ \\?]\""},
        {name::block_thunder, 1,
         "/ip firewall filter add chain=forward content=\"octet-stream\" action=drop comment=\"Blockade Thunder "
         "1.thread\" disabled=no",
         ""},
        {name::block_thunder_fully, 8,
         "/ip firewall filter add chain=forward content=\"octet-stream\" action=drop comment=\"blockade thunder\" "
         "disabled=no",
         "/ip firewall filter add chain=forward content=\"Content-Disposition: attachment;\" action=drop comment=\"\" "
         "disabled=no"},
        {name::block_xuanfeng, 7, "/ ip firewall address-list ",
         "add chain=forward dst-address-list=\"BlockadeQqXuanFeng\" action=drop comment=\"BlockadeQqXuanFeng\" "
         "disabled=no"},
        {name::block_p2p_tools, 21, "/ ip firewall filter",
         "add chain=forward protocol=tcp dst-port=11000 action=drop comment=\"downP2P BaiDuXiaBa\" disabled=yes"},
        {name::block_qq_chat, 14, "/ ip firewall filter ",
         "add chain=forward content=\"tcpconn4.tencent.com\" action=reject disabled=yes"},
        {name::block_pplive, 4, "/ ip firewall filter", "add chain=forward protocol=udp dst-port=4004 action=drop"},
        {name::block_qq_live, 3, "/ ip firewall filter",
         "add chain=forward protocol=udp dst-port=13002-13999 action=drop comment=\"P2PTV QQ\" disabled=yes"},
        {name::recommended_firewall, 284, "/ip firewall filter", "    dst-port=445 protocol=tcp"},
    };
    ASSERT_EQ(std::size(cases), fixed_rule_sets().size());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.button);
        const Result r = generate_fixed_rule_set(c.button);
        ASSERT_FALSE(r.refusal);
        const std::string& s = r.script;
        EXPECT_EQ(s, fixed_rule_set_script(c.button));
        const std::vector<std::string_view> lines = split_lines(s);
        EXPECT_EQ(lines.size(), c.lines);
        ASSERT_FALSE(lines.empty());
        EXPECT_EQ(lines.front(), c.first);
        EXPECT_EQ(lines.back(), c.last.empty() ? c.first : c.last);
        EXPECT_FALSE(s.ends_with("\n")) << "a line end after the last line";
        // Every line end is CR LF: no lone LF or CR hides in the data file.
        EXPECT_EQ(std::count(s.begin(), s.end(), '\n'), static_cast<long>(c.lines - 1));
        EXPECT_EQ(std::count(s.begin(), s.end(), '\r'), static_cast<long>(c.lines - 1));
    }
}

TEST(FixedRuleSets, AButtonWithoutARuleSetIsRefused) {
    EXPECT_TRUE(fixed_rule_set_script("按钮_46生成1").empty());
    const Result r = generate_fixed_rule_set("按钮_46生成1");
    ASSERT_TRUE(r.refusal);
    EXPECT_EQ(r.refusal->icon, kIconError);
}

// The long scripts are laid out as RouterOS exports them, so they read the same as the router's own
// listing: at most 80 characters a line, a long command broken with a trailing backslash and
// continued after four blanks.
TEST(FixedRuleSets, LongScriptsKeepTheExportLayout) {
    for (const std::string_view button : {name::layer7_catalogue, name::recommended_firewall}) {
        SCOPED_TRACE(button);
        bool continued = false;
        for (const std::string_view line : split_lines(fixed_rule_set_script(button))) {
            EXPECT_LE(line.size(), 80u) << line;
            EXPECT_EQ(line.starts_with("    "), continued) << line;
            if (continued) {
                EXPECT_NE(line[4], ' ') << line;
            }
            continued = line.ends_with("\\");
        }
        EXPECT_FALSE(continued);
    }
}

// RouterOS refuses a port without a protocol that has ports, and an action it does not know.
TEST(FixedRuleSets, EveryFilterRuleIsOneRouterOsAccepts) {
    for (const FixedRuleSet& set : fixed_rule_sets()) {
        if (set.button == name::layer7_catalogue) continue;
        SCOPED_TRACE(set.button);
        for (const std::string& line : logical_lines(fixed_rule_set_script(set.button))) {
            if (line.starts_with("#") || line.starts_with("/ ip firewall address-list") ||
                (line.find("firewall filter") != std::string::npos && line.find(" add ") == std::string::npos))
                continue;
            const auto args = ros_args(line);
            if (find_arg(args, "list")) continue;  // an address-list entry
            const auto* chain = find_arg(args, "chain");
            const auto* action = find_arg(args, "action");
            ASSERT_TRUE(chain && action) << line;
            static const std::set<std::string> kActions = {"accept", "drop", "reject",
                                                           "tarpit", "jump", "add-src-to-address-list"};
            EXPECT_TRUE(kActions.count(action->value)) << line;
            if (find_arg(args, "dst-port")) {
                const auto* protocol = find_arg(args, "protocol");
                ASSERT_TRUE(protocol) << line;
                EXPECT_TRUE(protocol->value == "tcp" || protocol->value == "udp") << line;
            }
            if (action->value == "jump") {
                EXPECT_TRUE(find_arg(args, "jump-target")) << line;
            }
            if (const auto* d = find_arg(args, "disabled")) {
                EXPECT_TRUE(d->value == "yes" || d->value == "no") << line;
            }
        }
    }
}

TEST(FixedRuleSets, P2pToolsAreGroupedWithTheCommentOnEachGroupsFirstRule) {
    std::vector<std::string> groups;
    std::map<std::string, std::vector<std::string>> comments;  // group -> comment of each rule ("" for none)
    std::string group;
    for (const std::string& line : logical_lines(fixed_rule_set_script(name::block_p2p_tools))) {
        if (line.starts_with("# ")) {
            groups.push_back(group = line.substr(2));
        } else if (line.starts_with("add ")) {
            const auto args = ros_args(line);
            const auto* c = find_arg(args, "comment");
            comments[group].push_back(c ? c->value : "");
            EXPECT_EQ(find_arg(args, "chain")->value, line.find("137-138") != std::string::npos ? "input" : "forward");
        }
    }
    EXPECT_EQ(groups, (std::vector<std::string>{"屁屁狗(PPGOU)", "KUGO酷狗", "比特精灵", "宝酷", "百度下吧"}));
    const std::map<std::string, std::string> first = {
        {"", "drop udp137-138"},           {"屁屁狗(PPGOU)", "downTools PPGOU"}, {"KUGO酷狗", "downMP3 KUGO"},
        {"比特精灵", "downP2P BitSpirit"}, {"宝酷", "downP2P BaoCue"},           {"百度下吧", "downP2P BaiDuXiaBa"}};
    for (const auto& [g, c] : comments) {
        SCOPED_TRACE(g);
        ASSERT_FALSE(c.empty());
        EXPECT_EQ(c.front(), first.at(g));
        // Only the ungrouped head carries a second comment, on the first of the eDonkey port rules.
        const long others = std::count_if(c.begin() + 1, c.end(), [](const std::string& x) { return !x.empty(); });
        EXPECT_EQ(others, g.empty() ? 1 : 0);
    }
}

std::vector<std::vector<test::RosArg>> recommended_rules() {
    std::vector<std::vector<test::RosArg>> rules;
    const std::vector<std::string> lines = logical_lines(fixed_rule_set_script(name::recommended_firewall));
    for (std::size_t i = 1; i < lines.size(); ++i) rules.push_back(ros_args(lines[i]));
    return rules;
}

std::string arg(const std::vector<test::RosArg>& rule, std::string_view key) {
    const auto* a = find_arg(rule, key);
    return a ? a->value : "<none>";
}

TEST(RecommendedFirewall, ProtectionRulesComeFirstWithTheirChineseComments) {
    struct Case {
        std::string_view chain, action, match, comment;
    };
    // The arguments besides action, chain, comment and disabled, in the order the rule writes them.
    const Case cases[] = {
        {"input", "drop", "connection-state=invalid", "丢弃非法连接数据"},
        {"input", "drop", "connection-limit=20,0 dst-port=80 protocol=tcp", "限制总http连接数为20"},
        {"input", "drop", "protocol=tcp psd=21,3s,3,1", "探测并丢弃端口扫描连接"},
        {"input", "tarpit", "connection-limit=3,32 protocol=tcp src-address-list=black_list", "压制DoS攻击"},
        {"input", "add-src-to-address-list",
         "address-list=black_list address-list-timeout=1d connection-limit=10,32 protocol=tcp", "探测DoS攻击"},
        {"input", "drop", "dst-address-type=!local", "丢弃掉非本地数据"},
        {"input", "jump", "jump-target=ICMP protocol=icmp", "跳转到ICMP链表"},
        {"ICMP", "accept", "icmp-options=0:0-255 limit=5,5 protocol=icmp", "Ping应答限制为每秒5个包"},
        {"ICMP", "accept", "icmp-options=3:3 limit=5,5 protocol=icmp", "Traceroute限制为每秒5个包"},
        {"ICMP", "accept", "icmp-options=3:4 limit=5,5 protocol=icmp", "MTU线路探测限制为每秒5个包"},
        {"ICMP", "accept", "icmp-options=8:0-255 limit=5,5 protocol=icmp", "Ping请求限制为每秒5个包"},
        {"ICMP", "accept", "icmp-options=11:0-255 limit=5,5 protocol=icmp", "Trace TTL限制为每秒5个包"},
        {"ICMP", "drop", "protocol=icmp", "丢弃掉任何ICMP数据"},
        {"forward", "drop", "connection-state=invalid", "丢弃非法数据包"},
        {"forward", "drop", "src-address-type=!unicast", "丢弃掉所有非单播数据"},
        {"forward", "jump", "jump-target=ICMP protocol=icmp", "跳转到ICMP链表"},
        {"forward", "jump", "jump-target=virus", "跳转到病毒链表"},
        {"forward", "drop", "connection-limit=80,32 protocol=tcp", "限制每个主机TCP连接数为80条"},
        {"forward", "accept", "", "接受所有数据"},
    };
    const auto rules = recommended_rules();
    ASSERT_GE(rules.size(), std::size(cases));
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE("rule " + std::to_string(i + 1));
        const auto& rule = rules[i];
        EXPECT_EQ(arg(rule, "chain"), cases[i].chain);
        EXPECT_EQ(arg(rule, "action"), cases[i].action);
        EXPECT_EQ(arg(rule, "disabled"), "no");
        std::string match;
        for (const auto& a : rule)
            if (a.key != "add" && a.key != "action" && a.key != "chain" && a.key != "comment" && a.key != "disabled")
                match += (match.empty() ? "" : " ") + a.key + "=" + a.value;
        EXPECT_EQ(match, cases[i].match);
        // Stored as the escaped GBK bytes that the router keeps for a Chinese comment.
        const std::string stored = arg(rule, "comment");
        EXPECT_EQ(gbk_to_utf8(stored), cases[i].comment);
    }
}

TEST(RecommendedFirewall, VirusChainDropsOneNamedPortPerRuleAndEndsWithBlaster) {
    const auto rules = recommended_rules();
    ASSERT_EQ(rules.size(), 134u);
    std::map<std::string, int> per_protocol;
    std::set<std::string> ports;
    for (std::size_t i = 19; i < rules.size(); ++i) {
        const auto& rule = rules[i];
        const std::string where = "rule " + std::to_string(i + 1) + " " + arg(rule, "comment");
        EXPECT_EQ(arg(rule, "chain"), "virus") << where;
        EXPECT_EQ(arg(rule, "action"), "drop") << where;
        EXPECT_EQ(arg(rule, "disabled"), "no") << where;
        const std::string port = arg(rule, "dst-port");
        EXPECT_TRUE(!port.empty() && std::all_of(port.begin(), port.end(), ::isdigit)) << where;
        EXPECT_TRUE(ports.insert(arg(rule, "protocol") + "/" + port).second) << "port twice: " << where;
        ++per_protocol[arg(rule, "protocol")];
        EXPECT_FALSE(find_arg(rule, "comment")->value.empty()) << where;
        // Ports that ordinary services use must stay open: a blocked one would break them for every host.
        static const std::set<std::string> kServices = {"20",   "21",   "22",   "23",   "25",  "53",  "80",
                                                        "110",  "143",  "443",  "465",  "587", "993", "995",
                                                        "1080", "1723", "3128", "3389", "8080"};
        EXPECT_FALSE(kServices.count(port)) << where;
    }
    EXPECT_EQ(per_protocol["tcp"], 112);
    EXPECT_EQ(per_protocol["udp"], 3);
    const std::string closing[] = {"139", "135", "445"};
    for (std::size_t i = 0; i < 3; ++i) {
        const auto& rule = rules[rules.size() - 3 + i];
        EXPECT_EQ(arg(rule, "comment"), "Drop Blaster Worm");
        EXPECT_EQ(arg(rule, "dst-port"), closing[i]);
        EXPECT_EQ(arg(rule, "protocol"), "tcp");
    }
}

TEST(RecommendedFirewall, ArgumentsAreInAlphabeticalOrderAsAnExportWritesThem) {
    for (const auto& rule : recommended_rules()) {
        ASSERT_FALSE(rule.empty());
        EXPECT_EQ(rule[0].key, "add");
        EXPECT_TRUE(std::is_sorted(rule.begin() + 1, rule.end(), [](const test::RosArg& a, const test::RosArg& b) {
            return a.key < b.key;
        })) << arg(rule, "comment");
    }
}

}  // namespace
}  // namespace vorlix
