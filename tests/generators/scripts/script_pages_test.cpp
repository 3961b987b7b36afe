// The DDNS and router-script pages as a user drives them: radio clicks, the fields each button reads.
#include <gtest/gtest.h>

#include "generators/scripts/Ddns.hpp"
#include "generators/scripts/RouterScripts.hpp"
#include "script/encoding.hpp"
#include "support/press.hpp"
#include "support/ros_reader.hpp"

namespace vorlix {
namespace {

using test::press_outcome;

// The update script a press of 按钮_60生成 hands to the router, as the router stores it.
std::optional<std::string> stored_ddns(const test::Sets& sets) {
    const Outcome o = press_outcome("按钮_60生成", sets);
    EXPECT_FALSE(o.message);
    if (!o.script) return std::nullopt;
    return test::value_after(test::logical_lines(*o.script).at(0), "on-event=");
}

TEST(DdnsPage, EachProviderClickSetsItsSuffixAndChoosesItsScript) {
    struct Case {
        std::string_view radio, host, marker, signup;
    };
    const Case cases[] = {
        {"单选框_60f3322", "username.f3322.net", "/tool dns-update", "https://www.pubyun.com/"},
        {"单选框_60花生壳", "username.oicp.net", "/tool fetch", "https://hsk.oray.com/"},
        {"单选框_60changeip", "username.changeip.net", "/tool dns-update", "https://www.changeip.com/"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.radio);
        // From another provider first, so the suffix really changes.
        const std::string other = c.radio == "单选框_60花生壳" ? "单选框_60changeip" : "单选框_60花生壳";
        const std::optional<std::string> stored = stored_ddns({{other, "1"}, {std::string(c.radio), "1"}});
        ASSERT_TRUE(stored);
        EXPECT_NE(stored->find(c.marker), std::string::npos);
        const std::string_view key = c.radio == "单选框_60花生壳" ? ":local domain " : ":local host ";
        EXPECT_EQ(test::value_after(*stored, key), c.host);

        const Outcome signup = press_outcome("按钮_60申请域名", {{std::string(c.radio), "1"}});
        EXPECT_FALSE(signup.script);
        EXPECT_EQ(signup.web_page, c.signup);
    }
}

TEST(DdnsPage, ASuffixTypedAfterTheClickIsUsedAsTyped) {
    const std::optional<std::string> stored =
        stored_ddns({{"单选框_60花生壳", "1"}, {"组合框_60域名后缀", ".example.org"}, {"编辑框_60域名前缀", "home"}});
    ASSERT_TRUE(stored);
    EXPECT_EQ(test::value_after(*stored, ":local domain "), "home.example.org");
}

TEST(DdnsPage, MeibuIsGreyedOutAndWritesNothing) {
    const ControlSpec* meibu = ddns_page_spec().find("单选框_60每步");
    ASSERT_NE(meibu, nullptr);
    EXPECT_TRUE(meibu->disabled);
    // Checked all the same (from a form file): the editor keeps what it shows, and no message.
    const Outcome o = press_outcome("按钮_60生成", {{"单选框_60每步", "1"}});
    EXPECT_FALSE(o.script);
    EXPECT_FALSE(o.message);
}

TEST(DdnsPage, FieldsGoWhereTheyBelong) {
    const std::optional<std::string> stored = stored_ddns({{"编辑框_60用户账号", "acc"},
                                                           {"编辑框_60用户密码", "pa$word"},
                                                           {"编辑框_60域名前缀", "pre"},
                                                           {"编辑框_60外网网卡", "ether1"}});
    ASSERT_TRUE(stored);
    EXPECT_EQ(test::value_after(*stored, ":local user "), "acc");
    EXPECT_EQ(test::value_after(*stored, ":local pass "), "pa$word");
    EXPECT_EQ(test::value_after(*stored, ":local host "), "pre.f3322.net");
    EXPECT_EQ(test::value_after(*stored, ":local ether "), "ether1");
}

TEST(ScriptPages, EachButtonReadsItsOwnFields) {
    EXPECT_TRUE(test::press("按钮_71生成", {{"编辑框_71内网网段", "10.0.0.0/8"}, {"编辑框_71执行周期", "00:05:00"}})
                    .starts_with("/ip firewall address-list add address=10.0.0.0/8 disabled=no list=lan\r\n"));
    const std::string online = test::press("按钮_71生成", {{"编辑框_71执行周期", "00:05:00"}});
    EXPECT_NE(online.find("/system schedule add interval=00:05:00 "), std::string::npos);

    const std::string backup =
        test::press("按钮_72生成", {{"编辑框_72执行时间", "03:30:00"}, {"编辑框_72执行周期", "2d"}});
    EXPECT_TRUE(backup.starts_with("/system schedule add interval=2d name=")) << backup.substr(0, 60);
    EXPECT_TRUE(backup.ends_with(" start-time=03:30:00"));

    // The second sender domain sends through its own server, whatever the recipient's domain.
    const std::string mail = test::press("按钮_73生成", {{"组合框_73寄件邮箱后缀", "#1"},
                                                         {"组合框_73收件邮箱后缀", "@example.org"},
                                                         {"编辑框_73收件邮箱前缀", "to"},
                                                         {"编辑框_73寄件邮箱前缀", "from"},
                                                         {"编辑框_73邮箱密码", "secret"},
                                                         {"编辑框_73ip接口", "ether1"}});
    const std::string stored = test::value_after(test::logical_lines(mail).at(1), "source=").value_or("");
    EXPECT_EQ(test::value_after(stored, ":local smtps "), "smtp.163.com");
    EXPECT_EQ(test::value_after(stored, ":local Mailings "), "from");
    EXPECT_EQ(test::value_after(stored, ":local Collection "), "from@163.com");
    EXPECT_EQ(test::value_after(stored, ":local recipient "), "to@example.org");
    EXPECT_EQ(test::value_after(stored, ":local pass "), "secret");
    EXPECT_EQ(test::value_after(stored, ":local ddnsinterface "), "ether1");

    EXPECT_EQ(test::press("按钮_73生成1"), generate_pcc_rebalance().script);
    EXPECT_EQ(test::press("按钮_75生成"), generate_expiry_reminder().script);
}

}  // namespace
}  // namespace vorlix
