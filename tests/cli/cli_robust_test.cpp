// vorlix-cli where things go wrong around it: texts that look like options, a full disk, a closed output,
// a file size limit, hostile input files and arguments.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "cli_runner.hpp"

namespace {

using vorlix::test::cli;
using vorlix::test::CliRun;
using vorlix::test::read_file;
namespace fs = std::filesystem;

fs::path scratch() {
    const fs::path dir = fs::temp_directory_path() / ("vorlix-cli-robust-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    return dir;
}

TEST(CliRobust, TextsThatStartWithADashAreTexts) {
    EXPECT_EQ(cli({"escape", "-abc"}).out, "-abc\n");
    EXPECT_EQ(cli({"escape", "--utf8", "-无"}).out, "-\\E6\\97\\A0\n");
    EXPECT_EQ(cli({"escape", "--", "--utf8"}).out, "--utf8\n");
    EXPECT_EQ(cli({"unescape", "-\\41"}).out, "-A\n");
    const CliRun date = cli({"ros-date", "-2015/1/1"});
    EXPECT_EQ(date.code, 0) << date.err;
}

// Standard output that cannot take the script is an error, not success.
TEST(CliRobust, AFailedWriteToStandardOutputExitsOne) {
    for (const std::string& redirect : {std::string(">/dev/full"), std::string(">&-")}) {
        SCOPED_TRACE(redirect);
        const CliRun gen = cli({"generate", "按钮_01生成"}, {}, {}, redirect);
        EXPECT_EQ(gen.code, 1);
        EXPECT_NE(gen.err.find("cannot write to standard output"), std::string::npos) << gen.err;
        EXPECT_EQ(cli({"list"}, {}, {}, redirect).code, 1);
    }
}

// Under a file size limit (a full disk behaves alike) the old file stays as it was and nothing is left
// beside it.
TEST(CliRobust, OutputFileIsReplacedWholeOrNotAtAll) {
    const fs::path dir = scratch();
    const fs::path out = dir / "routes.rsc";
    std::ofstream(out) << "old script";
    const CliRun big = cli({"generate", "路由表生成器/按钮_生成", "--set", "单选框_中国ip=1", "-o", out.string()}, {},
                           "ulimit -f 8");  // 4 KB, far less than the list
    EXPECT_EQ(big.code, 1);
    EXPECT_NE(big.err.find("cannot write"), std::string::npos) << big.err;
    EXPECT_EQ(read_file(out), "old script");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);

    const CliRun ok = cli({"generate", "按钮_01生成", "-o", out.string()});
    EXPECT_EQ(ok.code, 0) << ok.err;
    EXPECT_TRUE(read_file(out).starts_with("/user add name=\"MAVEK\""));
    fs::remove_all(dir);
}

TEST(CliRobust, BadFilesAndArgumentsAreUsageErrors) {
    const fs::path dir = scratch();
    std::string deep(20000, '[');
    deep += std::string(20000, ']');
    struct Case {
        std::string_view why;
        std::initializer_list<std::string> args;
        std::string_view mentions;
    };
    const Case cases[] = {
        {"a directory as form file", {"generate", "按钮_01生成", "--form", dir.string()}, "目录"},
        {"no such form file", {"generate", "按钮_01生成", "--form", (dir / "none.json").string()}, "none.json"},
        {"an empty seed", {"generate", "按钮_01生成", "--seed", ""}, "--seed"},
        {"a seed with a sign", {"generate", "按钮_01生成", "--seed", "-1"}, "--seed"},
        {"a seed too large", {"generate", "按钮_01生成", "--seed", "4294967296"}, "--seed"},
        {"no 31st of February", {"generate", "按钮_01生成", "--now", "2024-02-31T00:00:00"}, "--now"},
        {"no year 0", {"generate", "按钮_01生成", "--now", "0000-01-01T00:00:00"}, "--now"},
        {"a sign is no digit", {"generate", "按钮_01生成", "--now", "+024-01-01T00:00:00"}, "--now"},
        {"a blank is no digit", {"generate", "按钮_01生成", "--now", "2024-01-01T 1:00:00"}, "--now"},
        {"a negative field", {"generate", "按钮_01生成", "--now", "2024--1-01T00:00:00"}, "--now"},
        {"a row nested 20000 deep", {"generate", "按钮_13PCC生成", "--row", "超级列表框_13=" + deep}, "levels"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        // A 1 MiB stack, the size of a Windows main thread: deep nesting must not recurse through it.
        const CliRun r = cli(c.args, {}, "ulimit -s 1024");
        EXPECT_EQ(r.code, 2) << r.err;
        EXPECT_NE(r.err.find(c.mentions), std::string::npos) << r.err;
    }
    EXPECT_EQ(cli({"generate", "按钮_01生成", "--now", "2024-02-29T23:59:59", "--seed", "4294967295"}).code, 0);
    fs::remove_all(dir);
}

// A value that cannot reach the router, or that would make the script huge, is a refusal (exit 1).
TEST(CliRobust, BoundsAndCharactersAreRefusals) {
    const CliRun emoji = cli({"generate", "按钮_01生成", "--set", "编辑框_01用户名=😀"});
    EXPECT_EQ(emoji.code, 1);
    EXPECT_EQ(emoji.err, "「用户名」中的「😀」无法用GBK表示\n");
    const CliRun longName = cli({"generate", "按钮_01生成", "--set", "编辑框_01用户名=" + std::string(65, 'a')});
    EXPECT_EQ(longName.code, 1);
    EXPECT_NE(longName.err.find("「用户名」最长64字节,当前65字节"), std::string::npos) << longName.err;
    const CliRun address = cli({"generate", "按钮_01生成", "--set", "编辑框_01IP地址=999.1.1.1"});
    EXPECT_EQ(address.code, 0);
    EXPECT_NE(address.err.find("999.1.1.1"), std::string::npos) << address.err;
}

}  // namespace
