// vorlix-cli and form files: `form` prints a page's defaults as one, `generate --form` reads it back.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "cli_runner.hpp"
#include "forms/form_file.hpp"
#include "generators/all_pages.hpp"
#include "version.hpp"

namespace {

using vorlix::test::cli;
using vorlix::test::CliRun;

struct FormFileCli : ::testing::Test {
    std::filesystem::path dir =
        std::filesystem::temp_directory_path() / ("vorlix-form-cli-" + std::to_string(::getpid()));
    void SetUp() override { std::filesystem::create_directories(dir); }
    void TearDown() override { std::filesystem::remove_all(dir); }
    std::string write(const std::string& name, const std::string& text) {
        std::ofstream(dir / name, std::ios::binary) << text;
        return (dir / name).string();
    }
};

// The file `form` prints is the page's defaults: pressing a button with it gives what the defaults
// give (a script, or the same refusal). A page is named by its caption, its tree text or any of its buttons.
TEST_F(FormFileCli, FormPrintsTheDefaultsThatGenerateReadsBack) {
    struct Case {
        std::string name, button;
    };
    const Case cases[] = {
        {"添加管理账户", "按钮_01生成"},
        {"按钮_13NTH生成", "按钮_13PCC生成"},             // a button names its page
        {"多线固定IP叠加NTH+PCC负载", "按钮_13NTH生成"},  // the page's tree text
        {"PPPoE服务器设置", "按钮_21生成"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const CliRun form = cli({"form", c.name});
        ASSERT_EQ(form.code, 0) << form.err;
        const vorlix::PageSpec& page = *vorlix::registry().find(c.button).page->spec;
        EXPECT_EQ(form.out, vorlix::form_file_text(page, vorlix::Form::defaults(page), vorlix::kVersion));
        const std::string file = write("defaults.json", form.out);
        const CliRun with = cli({"generate", c.button, "--form", file, "--seed", "3"});
        const CliRun without = cli({"generate", c.button, "--seed", "3"});
        EXPECT_EQ(with.code, without.code) << with.err;
        EXPECT_EQ(with.err, without.err);  // the same refusal where the defaults are refused
        EXPECT_EQ(with.out, without.out);
    }
}

TEST_F(FormFileCli, ReadsHeadedFilesAndSaysWhatItRefusesOrLeavesOut) {
    const std::string admin = R"({"vorlix-form": 1, "page": "添加管理账户", "values": {)";
    // Values apply, and controls the page lacks are named on standard error and left out.
    const CliRun ok =
        cli({"generate", "按钮_01生成", "--form",
             write("a.json", admin + R"("编辑框_01用户名": "noc", "编辑框_旧": "x", "选择框_旧": true}})")});
    EXPECT_EQ(ok.code, 0) << ok.err;
    EXPECT_NE(ok.out.find("name=\"noc\""), std::string::npos) << ok.out;
    EXPECT_NE(ok.err.find("编辑框_旧 选择框_旧"), std::string::npos) << ok.err;

    struct Case {
        const char* why;
        std::string json, mentions;
    };
    const Case cases[] = {
        {"another page's file", R"({"vorlix-form": 1, "page": "多线PPPoE负载", "values": {}})",
         "for page \"多线PPPoE负载\", not for page \"添加管理账户\""},
        {"a value of the wrong type", admin + R"("组合框_01权限": true}})", "组合框_01权限"},
        {"a truncated file", admin + R"("编辑框_01用户名": "no)", "not valid JSON"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        const CliRun r = cli({"generate", "按钮_01生成", "--form", write("bad.json", c.json)});
        EXPECT_EQ(r.code, 2);
        EXPECT_EQ(r.out, "");
        EXPECT_NE(r.err.find(c.mentions), std::string::npos) << r.err;
    }
}

TEST_F(FormFileCli, FormRefusesWhatNamesNoPage) {
    for (const char* name : {"没有这一页", "按钮_不存在"}) {
        const CliRun r = cli({"form", name});
        EXPECT_EQ(r.code, 2);
        EXPECT_NE(r.err.find(name), std::string::npos) << r.err;
        EXPECT_EQ(r.out, "");
    }
}

}  // namespace
