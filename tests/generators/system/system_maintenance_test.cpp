#include <gtest/gtest.h>

#include <string_view>
#include <vector>

#include "generators/all_pages.hpp"
#include "generators/system/SystemMaintenance.hpp"
#include "support/press.hpp"

namespace vorlix {
namespace {

using test::press;
using test::Sets;

TEST(SystemMaintenance, ScheduleAndTimeButtonsWriteTheirWholeText) {
    EXPECT_EQ(press("按钮_03删除连接"),
              "/system scheduler add name=\"del_close\" on-event=\"/ip firewall connection remove [/ip firewall "
              "connection find tcp-state=close]\" start-date=\"Jan/01/1990\" start-time=\"00:00:00\" "
              "interval=\"00:01:00\" disabled=no");
    EXPECT_EQ(press("按钮_03时间同步"),
              "/system ntp client set mode=unicast primary-ntp=\"203.107.6.88\" secondary-ntp=\"114.118.7.161\" "
              "enabled=yes\r\n"
              "/system clock set time-zone-name=\"Asia/Shanghai\"\r\n"
              "/system clock manual set dst-delta=\"+00:00\" dst-end=\"Sep/10/2011 00:00:00\" "
              "dst-start=\"Sep/10/2011 00:00:00\" time-zone=\"+08:00\"");
    EXPECT_EQ(press("按钮_03定时清理DDNS"),
              "/system scheduler add comment=\"\\B6\\A8\\C6\\DA\\C7\\E5\\C0\\EDDNS\\BB\\BA\\B4\\E6\" disabled=no "
              "interval=\"1d\" name=\"Del-DNS-Cache\" on-event=\"/ip dns cache flush\" "
              "policy=\"ftp,reboot,read,write,policy,test,winbox,password,sniff,sensitive,api\" "
              "start-date=\"jan/01/1990\" start-time=\"05:00:00\"");
}

TEST(SystemMaintenance, TypedNamesAndIntervalsCannotBreakTheLine) {
    struct Case {
        std::string_view why, button, control, in, want;
    };
    const Case cases[] = {
        {"default identity", "按钮_03生成", "编辑框_03计算机名", "MavekRouter",
         "/system identity set name=\"MavekRouter\""},
        {"Chinese identity is escaped", "按钮_03生成", "编辑框_03计算机名", "中文 路由",
         "/system identity set name=\"\\D6\\D0\\CE\\C4\\20\\C2\\B7\\D3\\C9\""},
        {"quote and dollar in identity", "按钮_03生成", "编辑框_03计算机名", "a\"$b",
         "/system identity set name=\"a\\22\\24b\""},
        {"empty identity", "按钮_03生成", "编辑框_03计算机名", "", "/system identity set name=\"\""},
        {"interval with a quote", "按钮_03删除连接", "编辑框_03删除连接间隔时间", "1\"m$x?",
         "/system scheduler add name=\"del_close\" on-event=\"/ip firewall connection remove [/ip firewall "
         "connection find tcp-state=close]\" start-date=\"Jan/01/1990\" start-time=\"00:00:00\" "
         "interval=\"1\\\"m\\$x\\?\" disabled=no"},
        {"empty interval", "按钮_03删除连接", "编辑框_03删除连接间隔时间", "",
         "/system scheduler add name=\"del_close\" on-event=\"/ip firewall connection remove [/ip firewall "
         "connection find tcp-state=close]\" start-date=\"Jan/01/1990\" start-time=\"00:00:00\" interval=\"\" "
         "disabled=no"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_EQ(press(std::string(c.button), {{std::string(c.control), std::string(c.in)}}), c.want);
    }
}

TEST(SystemMaintenance, BackupAndRestoreByNameOrDate) {
    struct Case {
        std::string_view why, button;
        Sets sets;
        std::string_view want;
    };
    const Case cases[] = {
        {"default save only", "按钮_03备份名称", {}, "/system backup save name=\"MavekBak\""},
        {"remove first, and only when the file is there",
         "按钮_03备份名称",
         {{"选择框_03", "1"}},
         "/file remove [find name=\"MavekBak.backup\"]\r\n/system backup save name=\"MavekBak\""},
        {"a Chinese name is escaped the same in both lines",
         "按钮_03备份名称",
         {{"选择框_03", "1"}, {"编辑框_03备份", "备份 1"}},
         "/file remove [find name=\"\\B1\\B8\\B7\\DD\\201.backup\"]\r\n"
         "/system backup save name=\"\\B1\\B8\\B7\\DD\\201\""},
        {"empty name",
         "按钮_03备份名称",
         {{"选择框_03", "1"}, {"编辑框_03备份", ""}},
         "/file remove [find name=\".backup\"]\r\n/system backup save name=\"\""},
        {"by date ignores the name",
         "按钮_03备份日期",
         {{"编辑框_03备份", "x"}},
         "/system backup save name=\"20160305\""},
        {"by date removes the day's older file",
         "按钮_03备份日期",
         {{"选择框_03", "1"}},
         "/file remove [find name=\"20160305.backup\"]\r\n/system backup save name=\"20160305\""},
        {"restore by name",
         "按钮_03还原名称",
         {{"编辑框_03还原", "a\"b"}},
         "/system backup load name=\"a\\22b.backup\""},
        {"restore by date ignores the name",
         "按钮_03还原日期",
         {{"编辑框_03还原", "x"}},
         "/system backup load name=\"20160305.backup\""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_EQ(press(std::string(c.button), c.sets), c.want);
    }
    EXPECT_EQ(date_base({1999, 12, 31, 23, 59, 59}), "19991231");
}

TEST(SystemMaintenance, EveryFixedCommandIsAButtonOfItsGroup) {
    const PageEntry* page = registry().page_at(0, 3);
    ASSERT_NE(page, nullptr);
    std::vector<std::string_view> destructive;
    for (const FixedCommand& c : fixed_commands()) {
        SCOPED_TRACE(c.button);
        const ControlSpec* spec = page->spec->find(c.button);
        ASSERT_NE(spec, nullptr);
        EXPECT_EQ(spec->text, c.caption);
        // Inside 分组框12, the commands that only look apart from those that change or stop the router,
        // which are shown with a warning.
        const ControlSpec* box = page->spec->find(spec->group);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->group, "分组框12");
        EXPECT_EQ(box->text, c.destructive ? "操作" : "查看");
        EXPECT_EQ(spec->destructive, c.destructive);
        if (c.destructive) destructive.push_back(c.button);
        EXPECT_EQ(press(std::string(c.button)), c.text);
        EXPECT_EQ(c.text.find('\r'), std::string::npos);
    }
    EXPECT_EQ(destructive, (std::vector<std::string_view>{"按钮_03路由重启", "按钮_03路由关机", "按钮_03恢复初始化",
                                                          "按钮_03关闭ssh", "按钮_03关闭telnet", "按钮_03关闭ftp"}));
    EXPECT_EQ(press("按钮_03关闭ssh"), "/ip service set [find name=\"ssh\"] disabled=yes");
    EXPECT_EQ(press("按钮_03关闭telnet"), "/ip service set [find name=\"telnet\"] disabled=yes");
    EXPECT_EQ(press("按钮_03关闭ftp"), "/ip service set [find name=\"ftp\"] disabled=yes");
    EXPECT_EQ(press("按钮_03恢复初始化"), "/system reset");
}

}  // namespace
}  // namespace vorlix
