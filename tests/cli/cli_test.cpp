// End-to-end runs of the built vorlix-cli: exit codes, byte-exact output, usage errors.
#include <gtest/gtest.h>

#include "cli_runner.hpp"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace {

using vorlix::test::cli;
using vorlix::test::CliRun;
using vorlix::test::read_file;

TEST(Cli, GeneratesTheScriptByteForByte) {
    const CliRun r = cli({"generate", "按钮_01生成", "--set", "编辑框_01密码=pa$word", "--set", "组合框_01权限=#2"});
    EXPECT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out,
              "/user add name=\"MAVEK\" password=\"pa\\$word\" group=\"read\" address=\"0.0.0.0/0\" "
              "comment=\"ADMIN-MAVEK\"");
}

TEST(Cli, RefusalExitsOneWithTheMessage) {
    const CliRun r = cli({"generate", "按钮_01生成", "--set", "编辑框_01用户名="});
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "请输入要添加的管理员名称!\n");
}

TEST(Cli, UsageErrorsExitTwoAndSayWhatWasWrong) {
    struct Case {
        std::initializer_list<std::string> args;
        std::string_view mentions;
    };
    const Case cases[] = {
        {{"generate", "按钮_不存在"}, "按钮_不存在"},
        {{"generate", "按钮_01生成", "--set", "编辑框_无此控件=1"}, "编辑框_无此控件"},
        {{"generate", "按钮_01生成", "--set", "组合框_01权限=管理员"}, "超级管理员"},
        {{"generate", "按钮_01生成", "--set", "组合框_01权限=#3"}, "#3"},
        {{"generate", "按钮_01生成", "--now", "2015-13-01T00:00:00"}, "--now"},
        {{"generate", "按钮_01生成", "--encoding", "latin1"}, "encoding"},
        {{"show", "nothing"}, "nothing"},
        {{"generate", "按钮_15添加账号", "--set", "编辑框_15配置账号=\xff"}, "UTF-8"},  // not text: no crash
        {{"frobnicate"}, "frobnicate"},
    };
    for (const Case& c : cases) {
        const CliRun r = cli(c.args);
        SCOPED_TRACE(*c.args.begin());
        EXPECT_EQ(r.code, 2) << r.err;
        EXPECT_NE(r.err.find(c.mentions), std::string::npos) << r.err;
        EXPECT_EQ(r.out, "");
    }
}

TEST(Cli, FormFileAndSetAndGbkOutput) {
    const auto dir = std::filesystem::temp_directory_path() / ("vorlix-cli-form-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    std::ofstream(dir / "form.json") << R"({"编辑框_02re备注": "每天重启", "编辑框_02re开始": "2020/4/1"})";
    const CliRun r = cli({"generate", "按钮_02重启生成", "--form", (dir / "form.json").string(), "--set",
                          "编辑框_02re开始=2021/5/6", "--encoding", "gbk", "-o", (dir / "out.rsc").string()});
    EXPECT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(
        read_file(dir / "out.rsc"),
        "/system scheduler add name=\"Timing Reboot\" on-event=\"/system reboot\" start-date=\"May/6/2021\" "
        "start-time=\"05:30:00\" interval=\"1d 00:00:00\" comment=\"\\C3\\BF\\CC\\EC\\D6\\D8\\C6\\F4\" disabled=no");
    std::filesystem::remove_all(dir);
}

TEST(Cli, ListShowAndTextCommands) {
    const CliRun list = cli({"list"});
    EXPECT_EQ(list.code, 0);
    EXPECT_NE(list.out.find("按钮_01生成\t添加管理账户\t5.X/6.X系列脚本生成\n"), std::string::npos);
    EXPECT_NE(list.out.find("按钮_02关机生成\t定时重启/关机\t"), std::string::npos);

    const CliRun show = cli({"show", "按钮_01生成"});
    EXPECT_EQ(show.code, 0);
    EXPECT_NE(show.out.find("编辑框_01用户名\tedit\tMAVEK\n"), std::string::npos);
    EXPECT_NE(show.out.find("组合框_01权限\tdrop-down\t超级管理员\n"), std::string::npos);

    EXPECT_EQ(cli({"escape", "中文"}).out, "\\D6\\D0\\CE\\C4\n");
    EXPECT_EQ(cli({"escape", "--utf8", "无线"}).out, "\\E6\\97\\A0\\E7\\BA\\BF\n");
    EXPECT_EQ(cli({"unescape", "\\d6\\d0\\ce\\c4"}).out, "中文\n");
    EXPECT_EQ(cli({"unescape", "--utf8", "\\E6\\97\\A0"}).out, "无\n");
    EXPECT_EQ(cli({"ros-date", "2015/01/01"}).out, "Jan/01/2015\n");
}

}  // namespace
