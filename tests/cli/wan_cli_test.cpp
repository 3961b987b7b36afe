// End-to-end runs of the built vorlix-cli on the multi-line WAN pages: rows given with --row or in a
// --form file give the same bytes as the generators.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "cli_runner.hpp"
#include "generators/wan/LoadBalance.hpp"
#include "generators/wan/SplitRouting.hpp"

namespace {

using vorlix::test::cli;
using vorlix::test::CliRun;
using vorlix::test::read_file;

std::filesystem::path scratch_dir() {
    const auto dir = std::filesystem::temp_directory_path() / ("vorlix-wan-cli-test-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    return dir;
}

// What the page's form holds at start, with these rows in its list.
vorlix::LoadBalanceFields load_defaults(vorlix::Rows rows) {
    vorlix::LoadBalanceFields f = vorlix::fixed_load_fields(vorlix::Form::defaults(vorlix::fixed_load_page_spec()));
    f.lines = std::move(rows);
    return f;
}

TEST(WanCli, RowsGivenOnTheCommandLine) {
    const CliRun r =
        cli({"generate", "按钮_13PCC生成", "--row", R"(超级列表框_13=["218.85.167.150/24","218.85.150.1","ether2"])",
             "--row", R"(超级列表框_13=["218.85.167.151/24","218.85.150.1","ether3"])", "--set",
             "组合框_13pcc叠加类型=src address and port"});
    EXPECT_EQ(r.code, 0) << r.err;
    vorlix::LoadBalanceFields f = load_defaults(
        {{"218.85.167.150/24", "218.85.150.1", "ether2"}, {"218.85.167.151/24", "218.85.150.1", "ether3"}});
    f.classifier = 7;
    EXPECT_EQ(r.out, vorlix::generate_fixed_load(f, vorlix::Balancing::pcc).script);
    EXPECT_NE(r.out.find("per-connection-classifier=src-address-and-port:2/1 "), std::string::npos);
    // The gateways lie off their lines' networks: the script still comes, the warning goes to stderr.
    EXPECT_NE(r.err.find("第1条线路: 网关 218.85.150.1 不在 218.85.167.150/24 的网段内\n第2条线路:"), std::string::npos)
        << r.err;
}

TEST(WanCli, RowsFromAFormFileWithHostileCells) {
    const auto dir = scratch_dir();
    std::ofstream(dir / "pppoe.json")
        << R"({"超级列表框_16": [["my adsl", "pa$word", "ether2", "192.168.0.1-192.168.0.9"],
                                                             ["a\"b", "", "ether3", "192.168.0.10"]],
                                            "编辑框_16首选DNS": ""})";
    const CliRun r = cli({"generate", "按钮_16生成", "--form", (dir / "pppoe.json").string()});
    EXPECT_EQ(r.code, 0) << r.err;
    vorlix::SplitRoutingFields f = vorlix::pppoe_split_fields(vorlix::Form::defaults(vorlix::pppoe_split_page_spec()));
    f.dns1 = "";
    f.lines = {{"my adsl", "pa$word", "ether2", "192.168.0.1-192.168.0.9"}, {"a\"b", "", "ether3", "192.168.0.10"}};
    EXPECT_EQ(r.out, vorlix::generate_pppoe_split(f).script);
    EXPECT_NE(r.out.find(R"( user="my adsl" password="pa\$word" )"), std::string::npos);
    EXPECT_NE(r.out.find(R"( user="a\"b" password="" )"), std::string::npos);
    std::filesystem::remove_all(dir);
}

TEST(WanCli, RefusalsAndBadRows) {
    const CliRun one = cli({"generate", "按钮_15NTH生成", "--row", R"(超级列表框_15=["a","p","ether2"])"});
    EXPECT_EQ(one.code, 1);
    EXPECT_EQ(one.out, "");
    EXPECT_EQ(one.err, "至少需要2条以上的宽带线路,才能启用PCC负载功能!\n");

    const CliRun short_row = cli({"generate", "按钮_14生成", "--row", R"(超级列表框_14=["1.1.1.1/24","g","ether2"])"});
    EXPECT_EQ(short_row.code, 2);
    EXPECT_NE(short_row.err.find("超级列表框_14"), std::string::npos) << short_row.err;
    EXPECT_NE(short_row.err.find("it takes 4"), std::string::npos) << short_row.err;

    // The list buttons answer from the command line too: a duplicate is refused with its message.
    const CliRun dup =
        cli({"generate", "按钮_13添加账号", "--row", R"(超级列表框_13=["218.85.167.150/29","g","ether5"])"});
    EXPECT_EQ(dup.code, 1);
    EXPECT_EQ(dup.err, "IP地址: 218.85.167.150 已经被使用,不能重复添加!\n");
}

TEST(WanCli, ListNamesTheFourGenerateButtonsButNoListButtons) {
    const CliRun list = cli({"list"});
    EXPECT_EQ(list.code, 0);
    for (const char* line :
         {"按钮_13PCC生成\t多线固定IP负载\t5.X/6.X系列 PCC 叠加脚本\n", "按钮_13NTH生成\t多线固定IP负载\t",
          "按钮_14生成\t多线固定IP分流\t5.X/6.X系列脚本生成\n", "按钮15PCC生成\t多线PPPoE负载\t",
          "按钮_15NTH生成\t多线PPPoE负载\t", "按钮_16生成\t多线PPPoE分流\t"})
        EXPECT_NE(list.out.find(line), std::string::npos) << line;
    EXPECT_EQ(list.out.find("添加账号"), std::string::npos);
}

}  // namespace
