#include <gtest/gtest.h>

#include "support/press.hpp"

namespace vorlix {
namespace {

using test::press;
using test::press_outcome;
using test::Sets;

constexpr const char* kLoopHead =
    ":for mavek from=1 to=200 do={/queue simple add name=(\"MAVEK\".$mavek) target=(\"192.168.5.\" . $mavek) ";

TEST(OtherQueues, SimpleQueueDefaultsWriteUnlimitedAsZero) {
    EXPECT_EQ(press("按钮63"), std::string(kLoopHead) + "limit-at=0/0 max-limit=0/0 disabled=no}");
}

TEST(OtherQueues, SimpleQueueRatesAndBurstLandInTheirArguments) {
    const std::string script = press("按钮63", {{"组合框14", "4M"},
                                                {"组合框15", "8M"},
                                                {"组合框16", "1M"},
                                                {"组合框17", "2M"},
                                                {"选择框33", "1"},
                                                {"组合框18", "6M"},
                                                {"组合框19", "unlimited"},
                                                {"组合框21", "512k"},
                                                {"编辑框139", "10"},
                                                {"编辑框144", "1"},
                                                {"编辑框187", "10.0.0"},
                                                {"编辑框186", "pc-"},
                                                {"编辑框185", "20"},
                                                {"编辑框184", "30"}});
    EXPECT_EQ(script,
              ":for mavek from=20 to=30 do={/queue simple add name=(\"pc-\".$mavek) target=(\"10.0.0.\" . $mavek) "
              "limit-at=1M/2M max-limit=4M/8M burst-limit=6M/0 burst-threshold=0/512k burst-time=10s/3s priority=1 "
              "disabled=no}");
}

TEST(OtherQueues, PriorityMustBeOneToEightWhenBurstIsOn) {
    for (const std::string bad : {"0", "9", "x", "", " 8", "-1"}) {
        SCOPED_TRACE(bad);
        const Outcome o = press_outcome("按钮63", {{"选择框33", "1"}, {"编辑框144", bad}});
        EXPECT_FALSE(o.script);
        ASSERT_TRUE(o.message);
        EXPECT_EQ(o.message->text, "优先级请填写1至8之间的数字!");
        EXPECT_EQ(o.message->focus, "编辑框144");
    }
    // Without burst no priority is written, so none is checked.
    EXPECT_EQ(press("按钮63", {{"编辑框144", "9"}}), press("按钮63"));
}

constexpr const char* kTypeScript =
    "/queue type add name=up kind=pcq pcq-rate=0 pcq-limit=50 pcq-classifier=src-address pcq-total-limit=2000\r\n"
    "/queue type add name=down kind=pcq pcq-rate=0 pcq-limit=50 pcq-classifier=dst-address pcq-total-limit=2000\r\n"
    "/ip firewall mangle add chain=forward out-interface=ether1 action=mark-packet new-packet-mark=Mavek_up "
    "passthrough=yes\r\n"
    "/ip firewall mangle add chain=forward in-interface=ether1 action=mark-packet new-packet-mark=Mavek_down "
    "passthrough=yes\r\n"
    "/queue tree add name=Mavek_up parent=global queue=up packet-mark=Mavek_up\r\n"
    "/queue tree add name=Mavek_down parent=global queue=down packet-mark=Mavek_down";

TEST(OtherQueues, TheRadioButtonChoosesWhatTheButtonWrites) {
    EXPECT_EQ(press("按钮63", {{"单选框4", "1"}}), kTypeScript);
    // Checking the other radio button clears this one again.
    EXPECT_EQ(press("按钮63", {{"单选框4", "1"}, {"单选框5", "1"}}), press("按钮63"));
}

TEST(OtherQueues, QueueTypeValuesAreConvertedOrRefused) {
    const std::string typed = press("按钮63", {{"单选框4", "1"},
                                               {"编辑框162", "pppoe-out1"},
                                               {"编辑框_上传Type名", "u p"},
                                               {"编辑框_下载Rate", "128"},
                                               {"编辑框_上传Limit", "20"},
                                               {"编辑框_下载TotalLimit", "4000"}});
    EXPECT_EQ(typed,
              "/queue type add name=\"u p\" kind=pcq pcq-rate=0 pcq-limit=20 pcq-classifier=src-address "
              "pcq-total-limit=2000\r\n"
              // 128 KByte/s is 1024 kbit/s.
              "/queue type add name=down kind=pcq pcq-rate=1024k pcq-limit=50 pcq-classifier=dst-address "
              "pcq-total-limit=4000\r\n"
              "/ip firewall mangle add chain=forward out-interface=pppoe-out1 action=mark-packet "
              "new-packet-mark=Mavek_up passthrough=yes\r\n"
              "/ip firewall mangle add chain=forward in-interface=pppoe-out1 action=mark-packet "
              "new-packet-mark=Mavek_down passthrough=yes\r\n"
              "/queue tree add name=Mavek_up parent=global queue=\"u p\" packet-mark=Mavek_up\r\n"
              "/queue tree add name=Mavek_down parent=global queue=down packet-mark=Mavek_down");

    struct Case {
        std::string_view why;
        Sets sets;
        std::string text, focus;
    };
    const Case cases[] = {
        {"no interface", {{"编辑框162", ""}}, "请填写限速的网卡名称!", "编辑框162"},
        {"no type name", {{"编辑框_下载Type名", ""}}, "请填写Type名称!", "编辑框_下载Type名"},
        {"one name for both types",
         {{"编辑框_上传Type名", "down"}},
         "上传和下载的Type名称不能相同!",
         "编辑框_下载Type名"},
        {"a rate with a unit", {{"编辑框_上传Rate", "1M"}}, "PCQ-Rate请填写以KByte/s为单位的数字!", "编辑框_上传Rate"},
        {"a rate beyond 32 bits",
         {{"编辑框_下载Rate", "4294967296"}},
         "PCQ-Rate请填写以KByte/s为单位的数字!",
         "编辑框_下载Rate"},
        {"a limit that is no number", {{"编辑框_下载Limit", "5$"}}, "PCQ-Limit请填写数字!", "编辑框_下载Limit"},
        {"a negative total", {{"编辑框_上传TotalLimit", "-1"}}, "PCQ-Total Limit请填写数字!", "编辑框_上传TotalLimit"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        Sets sets = c.sets;
        sets.emplace_back("单选框4", "1");
        const Outcome o = press_outcome("按钮63", sets);
        EXPECT_FALSE(o.script);
        ASSERT_TRUE(o.message);
        EXPECT_EQ(o.message->text, c.text);
        EXPECT_EQ(o.message->focus, c.focus);
    }
}

}  // namespace
}  // namespace vorlix
