#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "generators/all_pages.hpp"
#include "generators/pppoe/PppoeAccounts.hpp"
#include "script/encoding.hpp"

namespace vorlix {
namespace {

using Sets = std::vector<std::pair<std::string, std::string>>;

Form form_with(const Sets& sets) {
    const PageSpec& page = pppoe_accounts_page_spec();
    Form form = Form::defaults(page);
    for (const auto& [name, value] : sets) EXPECT_FALSE(set_control(page, form, name, value)) << name;
    return form;
}

Outcome press(const std::string& button, const Sets& sets, RandomSource& random, const std::string& data_dir = "") {
    const ButtonRef ref = registry().find(button);
    EXPECT_NE(ref.binding, nullptr) << button;
    if (ref.binding == nullptr) return {};
    const Form form = form_with(sets);
    Env env{random, {2016, 3, 5, 7, 8, 9}, data_dir};
    Outcome o = ref.binding->run(form, env);
    EXPECT_TRUE(form.unknown_reads().empty());
    return o;
}

std::string read_file(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(PppoeAccount, OneTypedAccount) {
    struct Case {
        std::string_view why;
        Sets sets;
        std::string_view want;
    };
    const Case cases[] = {
        {"defaults", {}, "/ppp secret add name=\"MAVEK\" password=\"mavek2015\" service=pppoe profile=pppoe_profile"},
        {"the caller id stands before the profile",
         {{"选择框_22绑定mac", "1"}},
         "/ppp secret add name=\"MAVEK\" password=\"mavek2015\" service=pppoe caller-id=00:00:00:00:00:00 "
         "profile=pppoe_profile"},
        {"hostile name, password and profile",
         {{"编辑框_22用户名", "a\"b"}, {"编辑框_22密码", "pa$word?"}, {"编辑框_22策略模板1", "my profile"}},
         "/ppp secret add name=\"a\\\"b\" password=\"pa\\$word\\?\" service=pppoe profile=\"my profile\""},
        {"empty values",
         {{"编辑框_22用户名", ""}, {"编辑框_22密码", ""}, {"编辑框_22策略模板1", ""}},
         "/ppp secret add name=\"\" password=\"\" service=pppoe profile=\"\""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        SeededRandom random(1);
        EXPECT_EQ(press("按钮_22生成1", c.sets, random).script, std::string(c.want));
    }
}

TEST(PppoeAccount, RandomTextDrawsOneValuePerCharacterAndKind) {
    struct Case {
        std::string_view why;
        RandomTextRule rule;
        std::vector<std::uint32_t> draws;
        long long length;
        std::string_view want;
    };
    const Case cases[] = {
        {"digits: the draw modulo 10", {true, false, 0}, {0, 9, 10, 4294967295u}, 4, "0905"},
        {"lower case", {false, true, 0}, {0, 25, 26}, 3, "aza"},
        {"upper case", {false, true, 1}, {0, 25, 27}, 3, "AZB"},
        {"both cases: an even kind draw is lower", {false, true, 2}, {0, 1, 1, 2}, 2, "bC"},
        {"digits and letters: digit, upper, lower; the case list is ignored",
         {true, true, 1},
         {0, 7, 1, 0, 2, 25},
         3,
         "7Az"},
        {"length 0", {true, false, 0}, {5}, 0, ""},
        {"negative length", {true, false, 0}, {5}, -4, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        ScriptedRandom random(c.draws);
        EXPECT_EQ(random_text(random, c.length, c.rule), c.want);
    }
}

TEST(PppoeAccount, BatchWithScriptedDraws) {
    struct Case {
        std::string_view why;
        Sets sets;
        std::vector<std::uint32_t> draws;
        std::string_view want;
    };
    const Case cases[] = {
        {"name drawn before password, CR LF between lines only",
         {{"编辑框_22账号数量", "2"}, {"编辑框_22账号长度", "3"}, {"编辑框_22密码长度", "2"}},
         {1, 2, 3, 4, 5, 6, 7, 8, 9},
         "/ppp secret add name=\"MAVEK123@mavek\" password=\"45\" service=pppoe profile=pppoe_profile\r\n"
         "/ppp secret add name=\"MAVEK678@mavek\" password=\"91\" service=pppoe profile=pppoe_profile"},
        {"mixed names, letter passwords, no prefix, hostile suffix and profile",
         {{"编辑框_22账号数量", "1"},
          {"编辑框_22账号长度", "3"},
          {"编辑框_22密码长度", "2"},
          {"选择框_22账号前缀", "0"},
          {"编辑框_22账号后缀", "@\"$"},
          {"编辑框_22策略模板2", "p 1"},
          {"选择框_22账号字母", "1"},
          {"选择框_22密码数字", "0"},
          {"选择框_22密码字母", "1"},
          {"组合框_22密码大小写字母", "大小写字母"}},
         {0, 7, 1, 0, 2, 25, 0, 1, 1, 2},
         "/ppp secret add name=\"7Az@\\\"\\$\" password=\"bC\" service=pppoe profile=\"p 1\""},
        {"a name length of 0 leaves prefix and suffix",
         {{"编辑框_22账号数量", "2"}, {"编辑框_22账号长度", "0"}, {"编辑框_22密码长度", "1"}},
         {3, 4},
         "/ppp secret add name=\"MAVEK@mavek\" password=\"3\" service=pppoe profile=pppoe_profile\r\n"
         "/ppp secret add name=\"MAVEK@mavek\" password=\"4\" service=pppoe profile=pppoe_profile"},
        {"password is the name's random part, nothing drawn for it",
         {{"编辑框_22账号数量", "2"}, {"编辑框_22账号长度", "2"}, {"选择框21", "1"}, {"选择框_22账号后缀", "0"}},
         {1, 2, 3, 4},
         "/ppp secret add name=\"MAVEK12\" password=\"12\" service=pppoe profile=pppoe_profile\r\n"
         "/ppp secret add name=\"MAVEK34\" password=\"34\" service=pppoe profile=pppoe_profile"},
        {"leading digits of the count",
         {{"编辑框_22账号数量", "1 个"}, {"编辑框_22账号长度", "1"}},
         {5},
         "/ppp secret add name=\"MAVEK5@mavek\" password=\"555555\" service=pppoe profile=pppoe_profile"},
        {"count 0 empties the script", {{"编辑框_22账号数量", "0"}}, {1}, ""},
        {"negative count", {{"编辑框_22账号数量", "-3"}}, {1}, ""},
        {"count that is not a number", {{"编辑框_22账号数量", "abc"}}, {1}, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        ScriptedRandom random(c.draws);
        const Outcome o = press("按钮_22生成2", c.sets, random);
        EXPECT_FALSE(o.message);
        EXPECT_EQ(o.script, std::string(c.want));
    }
}

TEST(PppoeAccount, BatchCapsAndEmptySidesAreRefused) {
    struct Case {
        std::string_view why;
        Sets sets;
        std::string_view message, focus;  // message "" means accepted
    };
    const Case cases[] = {
        {"a typed 999999999 must not exhaust memory",
         {{"编辑框_22账号数量", "999999999"}},
         "生成账号数量不能大于100000个!",
         "编辑框_22账号数量"},
        {"a count past long long saturates",
         {{"编辑框_22账号数量", "99999999999999999999999"}},
         "生成账号数量不能大于100000个!",
         "编辑框_22账号数量"},
        {"one more than the cap",
         {{"编辑框_22账号数量", "100001"}},
         "生成账号数量不能大于100000个!",
         "编辑框_22账号数量"},
        {"the cap itself",
         {{"编辑框_22账号数量", "100000"}, {"编辑框_22账号长度", "0"}, {"编辑框_22密码长度", "0"}},
         "",
         ""},
        {"name length", {{"编辑框_22账号长度", "65"}}, "随机账号长度不能大于64位!", "编辑框_22账号长度"},
        {"name length 64", {{"编辑框_22账号长度", "64"}}, "", ""},
        {"password length", {{"编辑框_22密码长度", "100000000000"}}, "随机密码长度不能大于64位!", "编辑框_22密码长度"},
        {"password length is not read when the password is the name part",
         {{"编辑框_22密码长度", "65"}, {"选择框21", "1"}},
         "",
         ""},
        {"no content for names", {{"选择框_22账号数字", "0"}}, "帐号中请至少选择数字或字母!", "选择框_22账号数字"},
        {"no content for passwords", {{"选择框_22密码数字", "0"}}, "密码中请至少选择数字或字母!", "选择框_22密码数字"},
        {"no content for passwords, but they are the name part",
         {{"选择框_22密码数字", "0"}, {"选择框21", "1"}},
         "",
         ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        SeededRandom random(1);
        const Outcome o = press("按钮_22生成2", c.sets, random);
        if (c.message.empty()) {
            EXPECT_FALSE(o.message);
            EXPECT_TRUE(o.script);
            continue;
        }
        EXPECT_FALSE(o.script);
        ASSERT_TRUE(o.message);
        EXPECT_EQ(o.message->text, c.message);
        EXPECT_EQ(o.message->focus, c.focus);
    }
}

TEST(PppoeAccount, SameSeedSameBatch) {
    SeededRandom a(42), b(42), c(43);
    const Sets sets{{"选择框_22账号字母", "1"}, {"编辑框_22账号数量", "50"}};
    const auto first = press("按钮_22生成2", sets, a).script;
    EXPECT_EQ(first, press("按钮_22生成2", sets, b).script);
    EXPECT_NE(first, press("按钮_22生成2", sets, c).script);
}

class AutoSave : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ =
            std::filesystem::temp_directory_path() / ("vorlix-autosave-" + std::to_string(::getpid()) + "-" +
                                                      ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(dir_);
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }
    std::filesystem::path dir_;
};

TEST_F(AutoSave, AppendsTheAccountsToADatedFileOnlyTheUserCanRead) {
    const Sets sets{{"选择框_22自动保存", "1"},
                    {"编辑框_22账号数量", "2"},
                    {"编辑框_22账号长度", "2"},
                    {"编辑框_22密码长度", "1"},
                    {"编辑框_22账号前缀", "用户"}};
    ScriptedRandom random({1, 2, 3, 4, 5, 6});
    const Outcome first = press("按钮_22生成2", sets, random, dir_.string());
    EXPECT_FALSE(first.message);
    EXPECT_EQ(first.script,
              "/ppp secret add name=\"\\D3\\C3\\BB\\A712@mavek\" password=\"3\" service=pppoe profile=pppoe_profile\r\n"
              "/ppp secret add name=\"\\D3\\C3\\BB\\A745@mavek\" password=\"6\" service=pppoe profile=pppoe_profile");
    const std::filesystem::path file = dir_ / "log" / "pppoe_20160305.txt";
    EXPECT_EQ(account_log_path(dir_.string(), {2016, 3, 5, 7, 8, 9}), file.string());
    const std::string day_one =
        utf8_to_gbk("# 2016-03-05 07:08:09 策略配置=pppoe_profile\r\n用户12@mavek\t3\r\n用户45@mavek\t6\r\n");
    EXPECT_EQ(read_file(file), day_one);
    struct stat st {};
    ASSERT_EQ(::stat(file.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);

    // A second press appends, and tightens a file that was left readable by others.
    std::filesystem::permissions(file, std::filesystem::perms::others_read, std::filesystem::perm_options::add);
    press("按钮_22生成2", sets, random, dir_.string());
    EXPECT_EQ(read_file(file), day_one + day_one);
    ASSERT_EQ(::stat(file.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
}

TEST_F(AutoSave, NothingIsWrittenUnlessAskedOrWithoutADataDirectory) {
    SeededRandom random(1);
    EXPECT_FALSE(press("按钮_22生成2", {}, random, dir_.string()).message);
    EXPECT_FALSE(std::filesystem::exists(dir_));
    const Outcome refused =
        press("按钮_22生成2", {{"选择框_22自动保存", "1"}, {"选择框_22账号数字", "0"}}, random, dir_.string());
    EXPECT_FALSE(refused.script);
    EXPECT_FALSE(std::filesystem::exists(dir_));
    const Outcome no_dir = press("按钮_22生成2", {{"选择框_22自动保存", "1"}}, random, "");
    EXPECT_TRUE(no_dir.script);
    EXPECT_FALSE(no_dir.message);
}

TEST_F(AutoSave, AFailedWriteIsReportedAndTheScriptStillShown) {
    std::ofstream(dir_.string()) << "a file where the data directory should be";
    SeededRandom random(1);
    const Outcome o = press("按钮_22生成2", {{"选择框_22自动保存", "1"}}, random, dir_.string());
    ASSERT_TRUE(o.script);
    EXPECT_EQ(std::count(o.script->begin(), o.script->end(), '\n'), 5);
    ASSERT_TRUE(o.message);
    EXPECT_EQ(o.message->icon, kIconWarning);
    EXPECT_TRUE(o.message->text.starts_with("自动保存帐号及密码失败:")) << o.message->text;
    EXPECT_NE(o.message->text.find("pppoe_20160305.txt"), std::string::npos) << o.message->text;
    std::filesystem::remove(dir_);
}

TEST(PppoeAccount, DigitsAndLettersTogetherFixTheCaseList) {
    struct Case {
        std::string_view why;
        Sets sets;
        std::string_view button;
        int index;
        std::string_view text;
        bool enabled;
    };
    const Case cases[] = {
        {"letters checked beside digits",
         {{"选择框_22账号字母", "1"}, {"组合框_22账号大小写字母", "大写字母"}},
         "选择框_22账号字母",
         2,
         "大小写字母",
         false},
        {"digits cleared again: usable, keeps the selection",
         {{"选择框_22账号字母", "1"}, {"选择框_22账号数字", "0"}, {"组合框_22账号大小写字母", "大小写字母"}},
         "选择框_22账号数字",
         2,
         "大小写字母",
         true},
        {"letters only keeps upper case",
         {{"选择框_22账号字母", "1"}, {"选择框_22账号数字", "0"}, {"组合框_22账号大小写字母", "大写字母"}},
         "选择框_22账号字母",
         1,
         "大写字母",
         true},
        {"password side", {{"选择框_22密码字母", "1"}}, "选择框_22密码字母", 2, "大小写字母", false},
        {"password digits clicked", {{"选择框_22密码字母", "1"}}, "选择框_22密码数字", 2, "大小写字母", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        SeededRandom random(1);
        const Outcome o = press(std::string(c.button), c.sets, random);
        EXPECT_FALSE(o.script);
        ASSERT_EQ(o.updates.size(), 1u);
        const ControlUpdate& u = o.updates[0];
        EXPECT_EQ(u.name, c.button.find("密码") != std::string_view::npos ? "组合框_22密码大小写字母"
                                                                          : "组合框_22账号大小写字母");
        EXPECT_EQ(u.value.index, c.index);
        EXPECT_EQ(u.value.text, c.text);
        EXPECT_EQ(u.enabled, c.enabled);
    }
}

}  // namespace
}  // namespace vorlix
