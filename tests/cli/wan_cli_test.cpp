// End-to-end runs of the built vorlix-cli on the multi-line WAN pages: rows given with --row or in a
// --form file give the same bytes as the generators.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "generators/wan/LoadBalance.hpp"
#include "generators/wan/SplitRouting.hpp"

namespace {

struct CliRun {
    int code = -1;
    std::string out, err;
};

std::string read_file(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string shell_quote(const std::string& s) {
    std::string out = "'";
    for (const char c : s) out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return out + "'";
}

std::filesystem::path scratch_dir() {
    const auto dir = std::filesystem::temp_directory_path() / ("vorlix-wan-cli-test-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    return dir;
}

CliRun cli(std::initializer_list<std::string> args) {
    const auto dir = scratch_dir();
    std::string cmd = shell_quote(VORLIX_CLI_PATH);
    for (const std::string& a : args) cmd += " " + shell_quote(a);
    cmd += " 2>" + shell_quote((dir / "err").string());
    CliRun r;
    FILE* p = ::popen(cmd.c_str(), "r");
    std::array<char, 4096> buf{};
    std::size_t n;
    while ((n = std::fread(buf.data(), 1, buf.size(), p)) > 0) r.out.append(buf.data(), n);
    const int status = ::pclose(p);
    r.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    r.err = read_file(dir / "err");
    return r;
}

vorlix::LoadBalanceFields load_defaults(vorlix::Rows rows) {
    return {.lan = "ether1",
            .lan_address = "192.168.0.254",
            .lan_prefix = "24",
            .dns1 = "218.85.152.99",
            .dns2 = "218.85.157.99",
            .mss = "1440",
            .classifier = 0,
            .lines = std::move(rows)};
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
}

TEST(WanCli, RowsFromAFormFileWithHostileCells) {
    const auto dir = scratch_dir();
    std::ofstream(dir / "pppoe.json")
        << R"({"超级列表框_16": [["my adsl", "pa$word", "ether2", "192.168.0.1-192.168.0.9"],
                                                             ["a\"b", "", "ether3", "192.168.0.10"]],
                                            "编辑框_16首选DNS": ""})";
    const CliRun r = cli({"generate", "按钮_16生成", "--form", (dir / "pppoe.json").string()});
    EXPECT_EQ(r.code, 0) << r.err;
    vorlix::SplitRoutingFields f{
        .lan = "ether1",
        .lan_address = "192.168.0.254",
        .lan_prefix = "24",
        .network = "192.168.0.0",
        .network_prefix = "24",
        .dns1 = "",
        .dns2 = "218.85.157.99",
        .mss = "1440",
        .lines = {{"my adsl", "pa$word", "ether2", "192.168.0.1-192.168.0.9"}, {"a\"b", "", "ether3", "192.168.0.10"}}};
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
