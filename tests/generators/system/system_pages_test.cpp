#include <gtest/gtest.h>

#include "generators/all_pages.hpp"
#include "generators/system/AdminAccount.hpp"
#include "generators/system/ScheduledReboot.hpp"
#include "support/press.hpp"

namespace vorlix {
namespace {

Outcome press(const std::string& button, const test::Sets& sets = {}) {
    return test::press_outcome(button, sets);
}

TEST(AdminAccount, DefaultsGiveOneLine) {
    const Outcome o = press("按钮_01生成");
    ASSERT_TRUE(o.script);
    EXPECT_EQ(*o.script,
              "/user add name=\"MAVEK\" password=\"Mavek@2015\" group=\"full\" address=\"0.0.0.0/0\" "
              "comment=\"ADMIN-MAVEK\"");
}

TEST(AdminAccount, LevelsMaskAndComment) {
    AdminAccountFields f{"u", "p", 1, "10.0.0.0", "", "中文 备注"};
    EXPECT_EQ(generate_admin_account(f).script,
              "/user add name=\"u\" password=\"p\" group=\"write\" address=\"10.0.0.0/\" "
              "comment=\"\\D6\\D0\\CE\\C4\\20\\B1\\B8\\D7\\A2\"");
    f.level = 2;
    EXPECT_NE(generate_admin_account(f).script.find(" group=\"read\" "), std::string::npos);
    f.level = -1;  // no selection
    EXPECT_NE(generate_admin_account(f).script.find(" group=\"\" "), std::string::npos);
}

TEST(AdminAccount, TypedValuesAreEscaped) {
    const AdminAccountFields f{"a\"b", "pa$word?", 0, "1.2.3.4\\", "x\ny", "c"};
    EXPECT_EQ(generate_admin_account(f).script,
              "/user add name=\"a\\\"b\" password=\"pa\\$word\\?\" group=\"full\" address=\"1.2.3.4\\\\/x\\ny\" "
              "comment=\"c\"");
}

TEST(AdminAccount, EmptyNameOrPasswordIsRefusedAndFocused) {
    Outcome o = press("按钮_01生成", {{"编辑框_01用户名", ""}, {"编辑框_01密码", ""}});
    EXPECT_FALSE(o.script);
    ASSERT_TRUE(o.message);
    EXPECT_EQ(o.message->text, "请输入要添加的管理员名称!");
    EXPECT_EQ(o.message->icon, kIconInformation);
    EXPECT_EQ(o.message->focus, "编辑框_01用户名");

    o = press("按钮_01生成", {{"编辑框_01密码", ""}});
    ASSERT_TRUE(o.message);
    EXPECT_EQ(o.message->text, "请输入管理员的密码!");
    EXPECT_EQ(o.message->focus, "编辑框_01密码");

    // Blanks are not empty.
    EXPECT_TRUE(press("按钮_01生成", {{"编辑框_01用户名", " "}, {"编辑框_01密码", " "}}).script);
}

TEST(ScheduledReboot, EachButtonReadsOnlyItsOwnGroup) {
    const Outcome shutdown = press("按钮_02关机生成", {{"编辑框_02re备注", "ignored"}, {"编辑框_02rename", "x"}});
    ASSERT_TRUE(shutdown.script);
    EXPECT_EQ(*shutdown.script,
              "/system scheduler add name=\"Timing Shutdown\" on-event=\"/system shutdown\" start-date=\"Jan/01/2015\" "
              "start-time=\"05:30:00\" interval=\"1d 00:00:00\" comment=\"\\B6\\A8\\CA\\B1\\B9\\D8\\BB\\FA\" "
              "disabled=no");
    const Outcome reboot = press("按钮_02重启生成", {{"编辑框_02sdname", "x"}});
    ASSERT_TRUE(reboot.script);
    EXPECT_EQ(*reboot.script,
              "/system scheduler add name=\"Timing Reboot\" on-event=\"/system reboot\" start-date=\"Jan/01/2015\" "
              "start-time=\"05:30:00\" interval=\"1d 00:00:00\" comment=\"\\B6\\A8\\CA\\B1\\D6\\D8\\C6\\F4\" "
              "disabled=no");
}

TEST(ScheduledReboot, DatesFallBackAndValuesAreCopiedOrEscaped) {
    ScheduleFields f{"", "1969/1/1", " 5:30 ", "1d$x", "", "/system reboot"};
    EXPECT_EQ(generate_schedule(f).script,
              "/system scheduler add name=\"\" on-event=\"/system reboot\" start-date=\"Jan/1/1970\" "
              "start-time=\" 5:30 \" interval=\"1d\\$x\" comment=\"\" disabled=no");
    f.start_date = "2015-01-01";
    EXPECT_NE(generate_schedule(f).script.find("start-date=\"Jan/1/2015\""), std::string::npos);
    f.start_date = "2015/1/1\"";  // the day is copied as typed, so it must be escaped too
    EXPECT_NE(generate_schedule(f).script.find("start-date=\"Jan/1\\\"/2015\""), std::string::npos);
}

}  // namespace
}  // namespace vorlix
