// End-to-end runs of the built vorlix-cli for the subnet calculator and the script editor's buttons.
#include <gtest/gtest.h>

#include <string>

#include "cli_runner.hpp"

namespace vorlix {
namespace {

using test::cli;
using test::CliRun;

TEST(SideWindowsCli, SubnetPrintsTheHostTab) {
    const CliRun r = cli({"subnet", "10.0.0.255/32"});
    EXPECT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out,
              "主机地址: 10.0.0.255/32\n"
              "网络掩码: 255.255.255.255\n"
              "子网地址: 10.0.0.255\n"
              "广播地址: 10.0.0.255\n"
              "子网可用IP地址: 从 10.0.0.255 到 10.0.0.255\n"
              "主机地址: 00001010 00000000 00000000 11111111\n"
              "网络掩码: 11111111 11111111 11111111 11111111\n"
              "子网地址: 00001010 00000000 00000000 11111111\n"
              "广播地址: 00001010 00000000 00000000 11111111\n");
    for (const std::string bad : {"10.0.0.1/0", "10.0.0.256/24", "10.0.0.1", "300/8"}) {
        SCOPED_TRACE(bad);
        const CliRun e = cli({"subnet", bad});
        EXPECT_EQ(e.code, 2);
        EXPECT_EQ(e.out, "");
        EXPECT_NE(e.err.find(bad), std::string::npos) << e.err;
    }
}

TEST(SideWindowsCli, SubnetSplitPrintsMaskHostsAndRanges) {
    const CliRun r = cli({"subnet-split", "10", "4"});
    EXPECT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out,
              "子网掩码: 255.192.0.0\n"
              "每网段主机数: 4194302\n"
              "你输入的网络地址为：10.0.0.0，各子网IP范围如下所示：\n"
              "1)  10.0.0.1 -- 10.63.255.254\n"
              "2)  10.64.0.1 -- 10.127.255.254\n"
              "3)  10.128.0.1 -- 10.191.255.254\n"
              "4)  10.192.0.1 -- 10.255.255.254\n");
    const CliRun all = cli({"subnet-split", "10", "256"});
    EXPECT_TRUE(all.out.ends_with("\n256)  10.255.0.1 -- 10.255.255.254\n"));
    for (const auto& [octet, count] : {std::pair{"abc", "4"}, {"256", "4"}, {"10", "3"}, {"10", "512"}}) {
        SCOPED_TRACE(std::string(octet) + " " + count);
        const CliRun e = cli({"subnet-split", octet, count});
        EXPECT_EQ(e.code, 2);
        EXPECT_EQ(e.out, "");
    }
}

// A snippet button prints the editor's text after its press: an empty editor unless one is given.
TEST(SideWindowsCli, SnippetButtonsInsertIntoTheEditor) {
    struct Case {
        std::initializer_list<std::string> args;
        std::string out;
    };
    const Case cases[] = {
        {{"generate", "按钮_屏幕输出"}, "\r\n:put []"},
        {{"generate", "按钮_log", "--set", "组合框_log=warning "}, "\r\n:log warning  \"\""},
        {{"generate", "按钮_逻辑与", "--set", "编辑框_代码=:if (a"}, ":if (a && "},
        {{"generate", "按钮_delay", "--set", "编辑框_代码=:put \"中文\"", "--encoding", "gbk"},
         ":put \"\xD6\xD0\xCE\xC4\"\r\n:delay 500ms"},
    };
    for (const Case& c : cases) {
        const CliRun r = cli(c.args);
        EXPECT_EQ(r.code, 0) << r.err;
        EXPECT_EQ(r.out, c.out);
    }
    const CliRun list = cli({"list"});
    EXPECT_NE(list.out.find("按钮_逻辑与\tRouterOS官方脚本编辑器\t&& 逻辑与\n"), std::string::npos);
    EXPECT_NE(list.out.find("按钮_截取变量组\tRouterOS官方脚本编辑器\t截取变量组\n"), std::string::npos);
    const CliRun show = cli({"show", "按钮_for"});
    EXPECT_NE(show.out.find("组合框_log\teditable-combo\tinfo\n"), std::string::npos) << show.out;
}

}  // namespace
}  // namespace vorlix
