// vorlix-cli presses the built-in rule-set buttons of page 封锁软件类 and prints each set byte for byte.
#include <gtest/gtest.h>

#include "cli_runner.hpp"

#include <string>

#include "generators/firewall/FixedRuleSets.hpp"
#include "script/encoding.hpp"

namespace {

using vorlix::test::cli;
using vorlix::test::CliRun;

TEST(FirewallCli, EachRuleSetButtonPrintsItsSet) {
    const CliRun list = cli({"list"});
    ASSERT_EQ(list.code, 0) << list.err;
    int on_page = 0;
    for (const vorlix::FixedRuleSet& set : vorlix::fixed_rule_sets()) {
        const std::string button(set.button);
        if (button == vorlix::name::recommended_firewall) continue;  // on the keyword page
        SCOPED_TRACE(button);
        ++on_page;
        EXPECT_NE(list.out.find(button + "\t封锁软件类\t"), std::string::npos) << list.out;
        const CliRun r = cli({"generate", button});
        EXPECT_EQ(r.code, 0) << r.err;
        EXPECT_EQ(r.out, vorlix::fixed_rule_set_script(set.button));
    }
    EXPECT_EQ(on_page, 8);
}

TEST(FirewallCli, GbkOutputCarriesTheChineseGroupLines) {
    const CliRun r = cli({"generate", std::string(vorlix::name::block_p2p_tools), "--encoding", "gbk"});
    EXPECT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out, vorlix::utf8_to_gbk(vorlix::fixed_rule_set_script(vorlix::name::block_p2p_tools)));
    EXPECT_NE(r.out.find("# " + vorlix::utf8_to_gbk("比特精灵") + "\r\n"), std::string::npos);
}

}  // namespace
