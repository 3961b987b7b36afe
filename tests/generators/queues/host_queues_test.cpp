#include <gtest/gtest.h>

#include "generators/queues/HostQueues.hpp"
#include "script/quote.hpp"
#include "support/press.hpp"

namespace vorlix {
namespace {

using test::press;
using test::press_outcome;
using test::Sets;

constexpr const char* kLoop =
    ":for mavek from=1 to=200 do={/queue simple add name=(\"PC\".$mavek) target=(\"192.168.1.\" . $mavek) "
    "limit-at=0/0 max-limit=0/0";
constexpr const char* kBurst = " burst-limit=0/0 burst-threshold=0/0 burst-time=3s/3s priority=8";
constexpr const char* kAllWeek = " time=00h00m00s-1d00h00m00s,sun,mon,tue,wed,thu,fri,sat";

TEST(SimpleQueues, DefaultsGiveTheCreatingAndTheRemovingLoop) {
    EXPECT_EQ(press("按钮_31生成"), std::string(kLoop) + " disabled=no}");
    // With its leading "/" the removing loop works from whatever menu the terminal is in.
    EXPECT_EQ(press("按钮_31删除脚本"), ":for mavek from=1 to=200 do={/queue simple remove (\"PC\" . $mavek)}");
}

TEST(SimpleQueues, BurstComesBeforeTheTimeWindowAndBothBeforeTheEnd) {
    struct Case {
        std::string_view why;
        Sets sets;
        std::string want_tail;  // after max-limit
    };
    const Case cases[] = {
        {"burst with its priority", {{"选择框_31开启Burst功能", "1"}}, std::string(kBurst) + " disabled=no}"},
        {"the default window, written without blanks",
         {{"选择框_31开启Time功能", "1"}},
         std::string(kAllWeek) + " disabled=no}"},
        {"some weekdays only",
         {{"选择框_31开启Time功能", "1"},
          {"选择框_31sun", "0"},
          {"选择框_31tue", "0"},
          {"选择框_31wed", "0"},
          {"选择框_31thu", "0"},
          {"选择框_31sat", "0"},
          {"编辑框_31Time左", "8:30:00"},
          {"编辑框_31Time右", " 18 : 00 : 00"}},
         " time=8h30m00s-18h00m00s,mon,fri disabled=no}"},
        {"both, with typed rates and priority",
         {{"选择框_31开启Burst功能", "1"},
          {"选择框_31开启Time功能", "1"},
          {"组合框_31upBurstLimit", "2M"},
          {"组合框_31downBurstThre", "768k"},
          {"编辑框_31downBurstTime", "10"},
          {"组合框_31Priority", "1"}},
         " burst-limit=2M/0 burst-threshold=0/768k burst-time=3s/10s priority=1" + std::string(kAllWeek) +
             " disabled=no}"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_EQ(press("按钮_31生成", c.sets), kLoop + c.want_tail);
    }
}

TEST(QueueTime, TypedTimesBecomeRouterOsTimesOrNothing) {
    struct Case {
        std::string_view why, in;
        std::optional<std::string> want;
    };
    const Case cases[] = {
        {"plain", "12:10:10", "12h10m10s"},
        {"a day count, blank dropped", "1d 00:00:00", "1d00h00m00s"},
        {"blanks around the parts", " 1 : 2 : 3 ", "1h2m3s"},
        {"two parts", "12:10", std::nullopt},
        {"four parts", "1:2:3:4", std::nullopt},
        // An empty part would give 12hm10s, which RouterOS rejects.
        {"empty minutes", "12::10", std::nullopt},
        {"empty seconds after a final colon", "12:10:", std::nullopt},
        {"nothing", "", std::nullopt},
        {"a day count without hours", "1d:00:00", std::nullopt},
        {"letters", "ab:10:10", std::nullopt},
        {"a tab is no blank", "12:10:\t10", std::nullopt},
        {"a quote cannot reach the script", "12:10:1\"", std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_EQ(queue_time(c.in), c.want);
    }
}

// Both pages check the window alike, each focusing its own boxes.
TEST(HostQueues, TimeWindowIsCheckedDayFirstThenStartThenEnd) {
    struct Page {
        std::string button, on, start, end;
        std::vector<std::string> days;
    };
    const Page pages[] = {
        {"按钮_31生成",
         "选择框_31开启Time功能",
         "编辑框_31Time左",
         "编辑框_31Time右",
         {"选择框_31sun", "选择框_31mon", "选择框_31tue", "选择框_31wed", "选择框_31thu", "选择框_31fri",
          "选择框_31sat"}},
        {"按钮_33生成",
         "选择框_33开启Time功能",
         "编辑框_33Time左",
         "编辑框_33Time右",
         {"选择框_33sun", "选择框_33mon", "选择框_33tue", "选择框_33wed", "选择框_33thu", "选择框_33fri",
          "选择框_33sat"}},
    };
    const std::string bad_format = "您填写的Time时间段格式有误,格式: 12:10:10";
    for (const Page& p : pages) {
        SCOPED_TRACE(p.button);
        Sets no_day = {{p.on, "1"}, {p.start, "12:10"}, {p.end, "1:2:3:4"}};
        for (const std::string& day : p.days) no_day.emplace_back(day, "0");
        struct Case {
            std::string_view why;
            Sets sets;
            std::string text, focus;
            int icon;
        };
        const Case cases[] = {
            {"no weekday wins over malformed times", no_day, "请选择要限速的哪一天!", "", kIconError},
            {"two parts in the start",
             {{p.on, "1"}, {p.start, "12:10"}, {p.end, "x"}},
             bad_format,
             p.start,
             kIconError},
            {"an empty part in the start", {{p.on, "1"}, {p.start, "12::10"}}, bad_format, p.start, kIconError},
            // The end's message comes without an icon.
            {"four parts in the end", {{p.on, "1"}, {p.end, "1:2:3:4"}}, bad_format, p.end, 0},
        };
        for (const Case& c : cases) {
            SCOPED_TRACE(c.why);
            const Outcome o = press_outcome(p.button, c.sets);
            EXPECT_FALSE(o.script);
            ASSERT_TRUE(o.message);
            EXPECT_EQ(o.message->text, c.text);
            EXPECT_EQ(o.message->focus, c.focus);
            EXPECT_EQ(o.message->icon, c.icon);
            EXPECT_FALSE(o.message->caption);
        }
        // With the window off, its boxes are not read at all.
        EXPECT_TRUE(press_outcome(p.button, {{p.start, "bad"}, {p.end, ""}}).script);
    }
}

TEST(SimpleQueues, TypedValuesCannotBreakTheLoop) {
    const std::string created = press("按钮_31生成", {{"编辑框_31name前缀", "a\"b"},
                                                      {"编辑框_31ip前缀", "pa$word"},
                                                      {"编辑框_31数量左", ""},
                                                      {"编辑框_31数量右", "2 0"},
                                                      {"组合框_31upLimitAt", "x?y"},
                                                      {"组合框_31downMaxLimit", "1 M"}});
    EXPECT_EQ(created,
              ":for mavek from=\"\" to=\"2 0\" do={/queue simple add name=(\"a\\\"b\".$mavek) "
              "target=(\"pa\\$word.\" . $mavek) limit-at=\"x\\?y/0\" max-limit=\"0/1 M\" disabled=no}");
    EXPECT_EQ(press("按钮_31删除脚本", {{"编辑框_31name前缀", "a\"b"}}),
              ":for mavek from=1 to=200 do={/queue simple remove (\"a\\\"b\" . $mavek)}");
    // Burst times are typed too.
    EXPECT_NE(press("按钮_31生成", {{"选择框_31开启Burst功能", "1"}, {"编辑框_31upBurstTime", "3 $x"}})
                  .find(" burst-time=\"3 \\$xs/3s\" "),
              std::string::npos);
}

TEST(PcqAdvanced, DefaultsGiveTheTypesTheLineQueueAndTheLoop) {
    EXPECT_EQ(press("按钮_33生成"),
              "/queue type add name=up kind=pcq pcq-rate=2M pcq-limit=50 pcq-classifier=src-address "
              "pcq-total-limit=10000\r\n"
              "/queue type add name=down kind=pcq pcq-rate=4M pcq-limit=50 pcq-classifier=dst-address "
              "pcq-total-limit=10000\r\n"
              "/queue simple add name=PCQ dst-address=0.0.0.0/0 parent=none priority=8 queue=up/down "
              "limit-at=2M/4M max-limit=2M/4M total-queue=down\r\n" +
                  std::string(kLoop) + " disabled=no}");
}

// The n-th line (from 0) of a script.
std::string line_of(const std::string& script, int n) {
    std::size_t begin = 0;
    for (int i = 0; i < n; ++i) begin = script.find("\r\n", begin) + 2;
    return script.substr(begin, script.find("\r\n", begin) - begin);
}

TEST(PcqAdvanced, TotalLimitCountsTheHostsWhicheverEndIsLarger) {
    struct Case {
        std::string_view why, first, last, total, loop_range;
    };
    const Case cases[] = {
        {"one host", "10", "10", "50", "from=10 to=10"},
        {"reversed range: counted and looped upwards", "200", "1", "10000", "from=1 to=200"},
        {"text counts as 0 but is written as typed", "x", "200", "10050", "from=x to=200"},
        {"leading digits count", "5a", "9", "250", "from=5a to=9"},
        {"absurd numbers saturate instead of overflowing", "-9223372036854775808", "9223372036854775807",
         "18446744073709551615", "from=-9223372036854775808 to=9223372036854775807"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        const std::string script =
            press("按钮_33生成", {{"编辑框_33数量左", std::string(c.first)}, {"编辑框_33数量右", std::string(c.last)}});
        EXPECT_TRUE(line_of(script, 0).ends_with(" pcq-total-limit=" + std::string(c.total))) << script;
        EXPECT_TRUE(line_of(script, 1).ends_with(" pcq-total-limit=" + std::string(c.total))) << script;
        EXPECT_TRUE(line_of(script, 3).starts_with(":for mavek " + std::string(c.loop_range) + " do={")) << script;
    }
}

TEST(PcqAdvanced, ExemptHostsGetTheirLimitsLifted) {
    const std::string lifted = " limit-at=0/0 max-limit=0/0 burst-limit=0/0 burst-threshold=0/0 burst-time=0/0";
    const std::string head = press("按钮_33生成");  // the four lines without exemptions
    struct Case {
        std::string_view why;
        std::string list;
        std::vector<std::string> hosts;  // the queue names written, in order
    };
    const Case cases[] = {
        {"three hosts", "5|12|37", {"PC5", "PC12", "PC37"}},
        {"blanks trimmed, empty pieces skipped", " 5 | |12", {"PC5", "PC12"}},
        // The last line ends without a line end, and an empty list adds none.
        {"empty list", "", {}},
        {"only separators", "| |", {}},
        // Splitting never cuts a character, whatever its bytes in GBK; a name that needs quotes is
        // found by name.
        {"Chinese piece", "億|5", {"[find name=" + quote_value("PC億") + "]", "PC5"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        std::string want = head;
        for (const std::string& host : c.hosts) want += "\r\n/queue simple set " + host + lifted;
        EXPECT_EQ(press("按钮_33生成", {{"选择框_33免限速", "1"}, {"编辑框_33免限速名称", c.list}}), want);
    }
    EXPECT_EQ(press("按钮_33生成", {{"编辑框_33免限速名称", "5"}}), head);  // exemption off
    struct Named {
        std::string_view why, prefix, want;
    };
    const Named named[] = {
        {"a blank in the name", "a b", "[find name=\"a b5\"]"},
        {"a quote in the name", "a\"b", "[find name=\"a\\\"b5\"]"},
        // A bare number would be the queue's position in the last listing, not its name.
        {"no prefix leaves digits only", "", "[find name=\"5\"]"},
    };
    for (const Named& n : named) {
        SCOPED_TRACE(n.why);
        EXPECT_TRUE(press("按钮_33生成", {{"选择框_33免限速", "1"},
                                          {"编辑框_33免限速名称", "5"},
                                          {"编辑框_33name前缀", std::string(n.prefix)}})
                        .ends_with("\r\n/queue simple set " + std::string(n.want) + lifted));
    }
}

TEST(PcqAdvanced, TypedNamesAndRatesReachEveryLineTheyBelongTo) {
    const std::string script = press("按钮_33生成", {{"编辑框_33下载标记名", "dl"},
                                                     {"编辑框_33上传标记名", "my up"},
                                                     {"编辑框_33主通道名称", "x?y"},
                                                     {"组合框_33总上传带宽", "100M"},
                                                     {"组合框_33总下载带宽", "1 G"},
                                                     {"选择框_33开启Burst功能", "1"},
                                                     {"选择框_33开启Time功能", "1"}});
    EXPECT_EQ(line_of(script, 0),
              "/queue type add name=\"my up\" kind=pcq pcq-rate=100M pcq-limit=50 pcq-classifier=src-address "
              "pcq-total-limit=10000");
    EXPECT_EQ(line_of(script, 1),
              "/queue type add name=dl kind=pcq pcq-rate=\"1 G\" pcq-limit=50 pcq-classifier=dst-address "
              "pcq-total-limit=10000");
    // The line's total queue is the download type the user named.
    EXPECT_EQ(line_of(script, 2),
              "/queue simple add name=\"x\\?y\" dst-address=0.0.0.0/0 parent=none priority=8 queue=\"my up/dl\" "
              "limit-at=\"100M/1 G\" max-limit=\"100M/1 G\" total-queue=dl");
    EXPECT_EQ(line_of(script, 3), kLoop + std::string(kBurst) + kAllWeek + " disabled=no}");
}

TEST(PcqAdvanced, CopyPutsTheSeparatorOnTheClipboardOnly) {
    const Outcome o = press_outcome("按钮_33复制");
    EXPECT_EQ(o.clipboard, "|");
    EXPECT_FALSE(o.script);
    EXPECT_FALSE(o.message);
    EXPECT_TRUE(o.updates.empty());
}

}  // namespace
}  // namespace vorlix
