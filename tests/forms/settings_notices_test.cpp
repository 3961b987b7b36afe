#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <vector>

#include "forms/notices.hpp"
#include "forms/settings.hpp"
#include "script/encoding.hpp"
#include "script/files.hpp"

namespace vorlix {
namespace {

namespace fs = std::filesystem;

class SettingsDir : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() /
              ("vorlix-settings-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(dir);
    }
    void TearDown() override { fs::remove_all(dir); }
    std::string path() const { return dir.string(); }
    std::string file() const { return read_whole_file(settings_path(path())).bytes; }

    fs::path dir;
};

TEST_F(SettingsDir, KeysRoundTripInAGbkFileThatKeepsOtherKeys) {
    EXPECT_EQ(read_setting(path(), setting::language), "");  // no directory, no file
    EXPECT_FALSE(traditional_chosen(path()));
    ASSERT_EQ(write_setting(path(), setting::language, "1"), std::nullopt);  // creates both
    ASSERT_EQ(write_setting(path(), setting::date, "2015年1月1日"), std::nullopt);
    EXPECT_TRUE(traditional_chosen(path()));
    EXPECT_EQ(read_setting(path(), setting::date), "2015年1月1日");
    EXPECT_EQ(file(), "[log]\r\nlanguage=1\r\ndate=" + utf8_to_gbk("2015年1月1日") + "\r\n");
}

TEST_F(SettingsDir, OnlyExactlyOneMeansTraditional) {
    for (const char* value : {"0", "2", "yes", "11", ""}) {
        SCOPED_TRACE(value);
        ASSERT_EQ(write_setting(path(), setting::language, value), std::nullopt);
        EXPECT_FALSE(traditional_chosen(path()));
    }
}

TEST_F(SettingsDir, AFileThatCannotBeWrittenIsReportedAndReadsAsEmpty) {
    // The data directory's name is taken by a plain file.
    fs::create_directories(dir.parent_path());
    std::ofstream(dir) << "not a directory";
    EXPECT_NE(write_setting(path(), setting::language, "1"), std::nullopt);
    EXPECT_EQ(read_setting(path(), setting::language), "");
    EXPECT_NE(write_setting("", setting::language, "1"), std::nullopt);
    fs::remove(dir);
}

TEST(NoticeAnswer, OnlyExactlyTrueIsAccepted) {
    struct Case {
        std::string_view why, body;
        bool want;
    };
    const Case cases[] = {
        {"the plain answer", "true", true},
        {"a leading UTF-8 byte-order mark is dropped", "\xEF\xBB\xBFtrue", true},
        {"text after a zero byte is not read", std::string_view("true\0junk", 9), true},
        {"case matters", "TRUE", false},
        {"a line end is not dropped", "true\n", false},
        {"blanks are not dropped", " true", false},
        {"a mark elsewhere is not dropped", "tr\xEF\xBB\xBFue", false},
        {"an empty answer", "", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_EQ(notice_accepted(c.body), c.want);
    }
}

// A statistics page that answers from a list, and the pauses asked for.
struct FakePage {
    std::vector<std::optional<std::string>> answers;  // one per request; the last repeats
    std::vector<std::string> urls;
    std::vector<std::chrono::milliseconds> pauses;
    bool keep_going = true;

    NoticeLink link() {
        return {
            .endpoint = "http://127.0.0.1:9/tongji.php",
            .get =
                [this](const std::string& url) {
                    urls.push_back(url);
                    return answers[std::min(urls.size(), answers.size()) - 1];
                },
            .pause =
                [this](std::chrono::milliseconds span) {
                    pauses.push_back(span);
                    return keep_going;
                },
        };
    }
};

TEST(NoticeRetry, FourAttemptsTenSecondsApartUntilAccepted) {
    using std::chrono::milliseconds;
    struct Case {
        std::string_view why;
        std::vector<std::optional<std::string>> answers;
        bool accepted;
        std::size_t attempts;
    };
    const Case cases[] = {
        {"accepted at once: no pause", {"true"}, true, 1},
        {"no answer, then accepted", {std::nullopt, "true"}, true, 2},
        {"never accepted: four attempts in all", {"TRUE"}, false, 4},
        // An accepted report is an accepted report, also on the last attempt.
        {"accepted on the fourth attempt", {"false", "false", "false", "true"}, true, 4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        FakePage page{.answers = c.answers};
        EXPECT_EQ(send_notice(page.link(), "?var=times"), c.accepted);
        EXPECT_EQ(page.urls.size(), c.attempts);
        EXPECT_EQ(page.pauses, std::vector<milliseconds>(c.attempts - 1, milliseconds(10000)));
        for (const std::string& url : page.urls) EXPECT_EQ(url, "http://127.0.0.1:9/tongji.php?var=times");
    }
    FakePage stopped{.answers = {std::nullopt}, .keep_going = false};
    EXPECT_FALSE(send_notice(stopped.link(), "?var=times"));
    EXPECT_EQ(stopped.urls.size(), 1u) << "the program ending stops the attempts";

    FakePage unset{.answers = {"true"}};
    NoticeLink none = unset.link();
    none.endpoint.clear();
    EXPECT_FALSE(send_notice(none, "?var=times"));
    EXPECT_TRUE(unset.urls.empty()) << "nothing is sent without a statistics page";
}

TEST_F(SettingsDir, DailyReportOncePerDateEveryStartCounted) {
    FakePage page{.answers = {"true"}};
    usage_report(page.link(), path(), {2015, 1, 1});
    usage_report(page.link(), path(), {2015, 1, 1});
    ASSERT_EQ(page.urls.size(), 3u);
    EXPECT_TRUE(page.urls[0].ends_with("?var=pcs"));
    EXPECT_TRUE(page.urls[1].ends_with("?var=times"));
    EXPECT_TRUE(page.urls[2].ends_with("?var=times"));
    EXPECT_EQ(read_setting(path(), setting::date), "2015年1月1日");

    // Stored before sending: a daily report that is never accepted is not tried again that day.
    FakePage down{.answers = {std::nullopt}};
    usage_report(down.link(), path(), {2015, 12, 31});
    EXPECT_EQ(read_setting(path(), setting::date), "2015年12月31日");
    down.urls.clear();
    usage_report(down.link(), path(), {2015, 12, 31});
    EXPECT_EQ(down.urls.size(), 4u);
    EXPECT_TRUE(down.urls[0].ends_with("?var=times"));
}

TEST_F(SettingsDir, OnlineCountIsCarriedUntilAnOfflineReportIsAccepted) {
    ASSERT_EQ(write_setting(path(), setting::offfalse, "2"), std::nullopt);
    FakePage page{.answers = {"true"}};
    EXPECT_EQ(online_report(page.link(), path()), 3);
    EXPECT_EQ(read_setting(path(), setting::offfalse), "3");

    FakePage refusing{.answers = {"false"}};
    EXPECT_FALSE(offline_report(refusing.link(), path(), 3));
    EXPECT_EQ(refusing.urls, std::vector<std::string>{"http://127.0.0.1:9/tongji.php?onoffline=3"}) << "no retry";
    EXPECT_EQ(read_setting(path(), setting::offfalse), "3");

    EXPECT_TRUE(offline_report(page.link(), path(), 3));
    EXPECT_EQ(read_setting(path(), setting::offfalse), "0");

    // A report that is not accepted counts nothing; a damaged count starts again from 0.
    EXPECT_EQ(online_report(refusing.link(), path()), std::nullopt);
    EXPECT_EQ(read_setting(path(), setting::offfalse), "0");
    ASSERT_EQ(write_setting(path(), setting::offfalse, "abc"), std::nullopt);
    EXPECT_EQ(online_report(page.link(), path()), 1);
    // An absurdly long count stops growing instead of starting again.
    ASSERT_EQ(write_setting(path(), setting::offfalse, "99999999999999999999999"), std::nullopt);
    EXPECT_EQ(online_report(page.link(), path()), 1LL << 53);
}

}  // namespace
}  // namespace vorlix
