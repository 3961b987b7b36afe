// vorlix-cli on the firewall pages: a list box filled with --row, multi-line boxes with --set, and the
// presses that change only the page.
#include <gtest/gtest.h>

#include "cli_runner.hpp"

namespace {

using vorlix::test::cli;
using vorlix::test::CliRun;

TEST(FirewallCli, ListBoxRowsAndTheirErrors) {
    const CliRun two = cli({"generate", "按钮_45生成2", "--row", "列表框_45外网网卡=[\"ether1\"]", "--row",
                            "列表框_45外网网卡=[\"pppoe-out1\"]"});
    EXPECT_EQ(two.code, 0) << two.err;
    EXPECT_EQ(two.out,
              "/ip upnp set allow-disable-external-interface=no enabled=yes show-dummy-rule=yes\r\n"
              "/ip upnp interfaces\r\n"
              "add disabled=no interface=lan type=internal\r\n"
              "add disabled=no interface=ether1 type=external\r\n"
              "add disabled=no interface=pppoe-out1 type=external");

    const CliRun none = cli({"generate", "按钮_45生成2"});
    EXPECT_EQ(none.code, 1);
    EXPECT_EQ(none.out, "");
    EXPECT_EQ(none.err, "请先添加您要端口映射功能外网网卡接口!\n");

    const CliRun wide = cli({"generate", "按钮_45生成2", "--row", "列表框_45外网网卡=[\"a\",\"b\"]"});
    EXPECT_EQ(wide.code, 2);
    EXPECT_NE(wide.err.find("a row of list box 列表框_45外网网卡 has 2 cells; it takes 1"), std::string::npos)
        << wide.err;

    const CliRun shown = cli({"show", "按钮_45生成2"});
    EXPECT_NE(shown.out.find("列表框_45外网网卡\tlist-box\t[]\n"), std::string::npos) << shown.out;

    // The add button prints the list it leaves, in the form --set takes.
    const CliRun added = cli({"generate", "按钮_45增加外网接口", "--set", "列表框_45外网网卡=[[\"ether1\"]]", "--set",
                              "组合框_45外网网卡接口=ether2"});
    EXPECT_EQ(added.code, 0) << added.err;
    EXPECT_EQ(added.out, "列表框_45外网网卡\t[[\"ether1\"],[\"ether2\"]]\n");
}

TEST(FirewallCli, MultiLineBoxesTakeTheirLinesFromSet) {
    const CliRun batch =
        cli({"generate", "按钮_46生成脚本", "--set", "编辑框_46ip地址列表=1.1.1.1\r\n\r\n2.2.2.0/24\r\n"});
    EXPECT_EQ(batch.code, 0) << batch.err;
    EXPECT_EQ(batch.out,
              "/ip firewall address-list add address=1.1.1.1 list=\"MavekList\" disabled=no\r\n"
              "/ip firewall address-list add address=2.2.2.0/24 list=\"MavekList\" disabled=no");

    // An empty box: nothing to write and nothing changed.
    const CliRun empty = cli({"generate", "按钮_46生成脚本"});
    EXPECT_EQ(empty.code, 0) << empty.err;
    EXPECT_EQ(empty.out, "");

    const CliRun cleared = cli({"generate", "按钮_46清空ip", "--set", "编辑框_46ip地址列表=1.1.1.1"});
    EXPECT_EQ(cleared.code, 0) << cleared.err;
    EXPECT_EQ(cleared.out, "编辑框_46ip地址列表\t\n");

    const CliRun keywords =
        cli({"generate", "按钮_47允许关键词", "--set", "编辑框_47关键词=abc", "--set", "选择框_47封锁ip=1"});
    EXPECT_EQ(keywords.code, 0) << keywords.err;
    EXPECT_EQ(keywords.out,
              "/ip firewall filter add chain=forward src-address=192.168.0.0/24 protocol=tcp dst-port=80 "
              "content=\"abc\" action=accept comment=\"abc\" disabled=no\r\n"
              "/ip firewall filter add chain=forward src-address=192.168.0.0/24 protocol=tcp dst-port=80 "
              "content=\"Host:\" action=drop comment=\"LanJieAll 80\" disabled=no");
}

}  // namespace
