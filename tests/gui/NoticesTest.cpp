// The usage notices against a real HTTP server on 127.0.0.1; nothing here reaches further.
#include <gtest/gtest.h>
#include <httplib.h>

#include <QTemporaryDir>
#include <chrono>
#include <mutex>
#include <thread>
#include <vector>

#include "app/HttpGet.hpp"
#include "app/Notices.hpp"
#include "forms/settings.hpp"

namespace vorlix {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

// A statistics page on a free loopback port: answers every request with `answer` and HTTP `status`,
// or holds it unanswered for `hold`, and keeps what it was asked and when.
class StatsServer {
public:
    StatsServer() {
        server.Get("/tongji.php", [this](const httplib::Request& request, httplib::Response& response) {
            std::string answer;
            int status = 200;
            std::chrono::milliseconds hold{};
            {
                const std::lock_guard<std::mutex> guard(lock);
                queries.push_back(request.target.substr(request.target.find('?')));
                times.push_back(Clock::now());
                answer = this->answer;
                status = this->status;
                hold = this->hold;
            }
            if (hold > 0ms) std::this_thread::sleep_for(hold);
            response.status = status;
            response.set_content(answer, "text/html");
        });
        port = server.bind_to_any_port("127.0.0.1");
        thread = std::thread([this] { server.listen_after_bind(); });
        while (!server.is_running()) std::this_thread::sleep_for(1ms);
    }
    ~StatsServer() {
        server.stop();
        thread.join();
    }
    std::string endpoint() const { return "http://127.0.0.1:" + std::to_string(port) + "/tongji.php"; }
    void set(std::string a, int s = 200, std::chrono::milliseconds h = 0ms) {
        const std::lock_guard<std::mutex> guard(lock);
        answer = std::move(a);
        status = s;
        hold = h;
    }
    std::vector<std::string> asked() {
        const std::lock_guard<std::mutex> guard(lock);
        return queries;
    }
    std::vector<Clock::time_point> askedAt() {
        const std::lock_guard<std::mutex> guard(lock);
        return times;
    }

private:
    httplib::Server server;
    std::thread thread;
    int port = 0;
    std::mutex lock;
    std::string answer = "true";
    int status = 200;
    std::chrono::milliseconds hold{};
    std::vector<std::string> queries;
    std::vector<Clock::time_point> times;
};

class NoticesTest : public ::testing::Test {
protected:
    std::string dir() const { return scratch.path().toStdString(); }
    QTemporaryDir scratch;
    StatsServer stats;
};

TEST_F(NoticesTest, AnswersAcceptedOrNotWithFourAttemptsSpacedApart) {
    struct Case {
        const char* why;
        std::string answer;
        int status;
        bool online;
        std::size_t attempts;
    };
    const Case cases[] = {
        {"true", "true", 200, true, 1},
        {"a byte-order mark before true", "\xEF\xBB\xBFtrue", 200, true, 1},
        {"upper case", "TRUE", 200, false, 4},
        {"a line end after true", "true\n", 200, false, 4},
        {"a server error, even saying true", "true", 500, false, 4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        StatsServer server;
        server.set(c.answer, c.status);
        {
            Notices notices(dir(), server.endpoint(), 40ms);
            notices.start({2015, 1, 1});
            auto onlineAsked = [&] {
                std::size_t n = 0;
                for (const std::string& q : server.asked()) n += q == "?onoffline=on";
                return n;
            };
            for (int i = 0; i < 200 && onlineAsked() < c.attempts; ++i) std::this_thread::sleep_for(10ms);
            std::this_thread::sleep_for(100ms);  // time for an attempt too many to show
            EXPECT_EQ(notices.online(), c.online);
        }
        std::size_t online = 0;
        for (const std::string& q : server.asked()) online += q == "?onoffline=on";
        EXPECT_EQ(online, c.attempts);
    }
}

TEST_F(NoticesTest, RetriesKeepTheirSpacing) {
    stats.set("false");
    {
        Notices notices(dir(), stats.endpoint(), 60ms);
        ASSERT_EQ(write_setting(dir(), setting::date, "2015年1月1日"), std::nullopt);  // no daily report
        notices.start({2015, 1, 1});
        for (int i = 0; i < 300 && stats.asked().size() < 8; ++i) std::this_thread::sleep_for(10ms);
    }
    std::vector<Clock::time_point> times;
    const std::vector<std::string> asked = stats.asked();
    const std::vector<Clock::time_point> at = stats.askedAt();
    for (std::size_t i = 0; i < asked.size(); ++i)
        if (asked[i] == "?var=times") times.push_back(at[i]);
    ASSERT_EQ(times.size(), 4u);
    for (std::size_t i = 1; i < times.size(); ++i) EXPECT_GE(times[i] - times[i - 1], 55ms) << i;
}

TEST_F(NoticesTest, OfflineReportBalancesTheCountKeptInTheSettings) {
    ASSERT_EQ(write_setting(dir(), setting::offfalse, "2"), std::nullopt);
    Notices notices(dir(), stats.endpoint(), 10ms);
    notices.start({2015, 1, 1});
    for (int i = 0; i < 200 && !notices.online(); ++i) std::this_thread::sleep_for(10ms);
    ASSERT_TRUE(notices.online());
    EXPECT_EQ(read_setting(dir(), setting::offfalse), "3");
    notices.stop();
    EXPECT_TRUE(notices.sendOffline());
    EXPECT_EQ(stats.asked().back(), "?onoffline=3");
    EXPECT_EQ(read_setting(dir(), setting::offfalse), "0");
    EXPECT_FALSE(notices.sendOffline()) << "once balanced, nothing more to report";
}

TEST_F(NoticesTest, ClosingWaitsBoundedTimeForAServerThatNeverAnswers) {
    Notices notices(dir(), stats.endpoint(), 10ms);
    notices.start({2015, 1, 1});
    for (int i = 0; i < 200 && !notices.online(); ++i) std::this_thread::sleep_for(10ms);
    ASSERT_TRUE(notices.online());
    stats.set("true", 200, 1500ms);
    notices.stop();
    const Clock::time_point before = Clock::now();
    EXPECT_FALSE(notices.sendOffline(300ms));
    EXPECT_LT(Clock::now() - before, 1s);
    EXPECT_EQ(read_setting(dir(), setting::offfalse), "1") << "the count waits for the next run";
}

TEST_F(NoticesTest, StoppingEndsARetryLoopAtOnce) {
    stats.set("false");
    auto notices = std::make_unique<Notices>(dir(), stats.endpoint(), 10s);
    notices->start({2015, 1, 1});
    for (int i = 0; i < 200 && stats.asked().size() < 3; ++i) std::this_thread::sleep_for(10ms);
    const Clock::time_point before = Clock::now();
    notices.reset();  // stops and joins both threads, which are in their ten-second pauses
    EXPECT_LT(Clock::now() - before, 2s);
    EXPECT_FALSE(read_setting(dir(), setting::date).empty());
}

TEST_F(NoticesTest, NothingIsSentWithoutAStatisticsPage) {
    {
        Notices notices(dir(), "", 10ms);
        notices.start({2015, 1, 1});
        notices.stop();
        EXPECT_FALSE(notices.sendOffline());
    }
    EXPECT_TRUE(stats.asked().empty());
    const QByteArray saved = qgetenv("VORLIX_STATS_URL");
    qunsetenv("VORLIX_STATS_URL");
    EXPECT_EQ(stats_endpoint(dir()), "");
    ASSERT_EQ(write_setting(dir(), setting::stats_url, stats.endpoint()), std::nullopt);
    EXPECT_EQ(stats_endpoint(dir()), stats.endpoint());
    qputenv("VORLIX_STATS_URL", "http://127.0.0.1:1/tongji.php");
    EXPECT_EQ(stats_endpoint(dir()), "http://127.0.0.1:1/tongji.php");
    if (saved.isNull())
        qunsetenv("VORLIX_STATS_URL");
    else
        qputenv("VORLIX_STATS_URL", saved);
}

TEST(HttpGet, OnlyHttpAndNoAnswerFromAClosedPort) {
    EXPECT_EQ(httpGet("file:///etc/hostname"), std::nullopt);
    EXPECT_EQ(httpGet("http://127.0.0.1:1/tongji.php", {.connect = 500ms, .total = 500ms}), std::nullopt);
}

}  // namespace
}  // namespace vorlix
