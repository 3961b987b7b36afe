// End-to-end runs of vorlix-cli on the system maintenance and PPPoE account pages: a seed repeats a
// batch, --now names the dated backups, and saving the accounts goes to the data directory.
#include <gtest/gtest.h>

#include "cli_runner.hpp"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace {

using vorlix::test::CliRun;
using vorlix::test::read_file;

std::filesystem::path scratch() {
    return std::filesystem::temp_directory_path() / ("vorlix-cli-pages3-" + std::to_string(::getpid()));
}

// Runs vorlix-cli with its data directory at `data_dir`.
CliRun cli(std::initializer_list<std::string> args, const std::filesystem::path& data_dir = scratch() / "data") {
    std::filesystem::create_directories(scratch());
    return vorlix::test::cli(args, data_dir);
}

class CliPages : public ::testing::Test {
protected:
    void SetUp() override { std::filesystem::remove_all(scratch()); }
    void TearDown() override { std::filesystem::remove_all(scratch()); }
};

TEST_F(CliPages, SeedRepeatsTheBatch) {
    const std::initializer_list<std::string> args = {
        "generate", "按钮_22生成2", "--seed", "5", "--set", "选择框_22账号字母=1", "--set", "编辑框_22账号数量=3"};
    const CliRun first = cli(args);
    EXPECT_EQ(first.code, 0) << first.err;
    // std::mt19937 is the same everywhere, so a seed gives these accounts on every machine.
    EXPECT_EQ(first.out,
              "/ppp secret add name=\"MAVEKcRqL4Oc8@mavek\" password=\"307997\" service=pppoe profile=pppoe_profile\r\n"
              "/ppp secret add name=\"MAVEK9nRc4mFO@mavek\" password=\"596347\" service=pppoe profile=pppoe_profile\r\n"
              "/ppp secret add name=\"MAVEKusO2tdYk@mavek\" password=\"179053\" service=pppoe profile=pppoe_profile");
    EXPECT_EQ(cli(args).out, first.out);
    EXPECT_NE(
        cli({"generate", "按钮_22生成2", "--seed", "6", "--set", "选择框_22账号字母=1", "--set", "编辑框_22账号数量=3"})
            .out,
        first.out);
    EXPECT_FALSE(std::filesystem::exists(scratch() / "data"));
}

TEST_F(CliPages, NowNamesTheDatedBackups) {
    const CliRun save = cli({"generate", "按钮_03备份日期", "--now", "2015-01-01T23:59:59", "--set", "选择框_03=1"});
    EXPECT_EQ(save.code, 0) << save.err;
    EXPECT_EQ(save.out, "/file remove [find name=\"20150101.backup\"]\r\n/system backup save name=\"20150101\"");
    const CliRun load = cli({"generate", "按钮_03还原日期", "--now", "2016-03-05T00:00:00"});
    EXPECT_EQ(load.out, "/system backup load name=\"20160305.backup\"");
}

TEST_F(CliPages, AutoSaveWritesUnderTheDataDirectoryAndReportsAFailure) {
    const CliRun saved = cli({"generate", "按钮_22生成2", "--seed", "1", "--now", "2016-03-05T07:08:09", "--set",
                              "选择框_22自动保存=1", "--set", "编辑框_22账号数量=2"});
    EXPECT_EQ(saved.code, 0) << saved.err;
    EXPECT_EQ(saved.err, "");
    const std::string log = read_file(scratch() / "data" / "log" / "pppoe_20160305.txt");
    EXPECT_TRUE(log.starts_with("# 2016-03-05 07:08:09 ")) << log;
    // The accounts in the file are the ones in the script.
    const std::string first_name = saved.out.substr(22, saved.out.find('"', 22) - 22);
    EXPECT_NE(log.find("\r\n" + first_name + "\t"), std::string::npos) << log;

    std::ofstream(scratch() / "not-a-dir") << "x";
    const CliRun failed = cli({"generate", "按钮_22生成2", "--set", "选择框_22自动保存=1"}, scratch() / "not-a-dir");
    EXPECT_EQ(failed.code, 0);
    EXPECT_EQ(std::count(failed.out.begin(), failed.out.end(), '\n'), 5);
    EXPECT_NE(failed.err.find("自动保存帐号及密码失败"), std::string::npos) << failed.err;
}

TEST_F(CliPages, CapsRefuseAndTheCaseListFollowsTheBoxes) {
    const CliRun refused = cli({"generate", "按钮_22生成2", "--set", "编辑框_22账号数量=999999999"});
    EXPECT_EQ(refused.code, 1);
    EXPECT_EQ(refused.out, "");
    EXPECT_EQ(refused.err, "生成账号数量不能大于100000个!\n");

    const CliRun coupled = cli({"generate", "选择框_22密码字母", "--set", "选择框_22密码字母=1"});
    EXPECT_EQ(coupled.code, 0) << coupled.err;
    EXPECT_EQ(coupled.out, "组合框_22密码大小写字母\t大小写字母\tdisabled\n");
}

}  // namespace
