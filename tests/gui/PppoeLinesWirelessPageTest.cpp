// The pages VLAN多线PPPoE, VRRP多线PPPoE and 无线网络DHCP as widgets: lines typed into the list give the
// script, the show-password box masks and unmasks the key, and a refused press moves the focus.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include "GuiTestSupport.hpp"
#include "app/PageView.hpp"
#include "generators/wan/VlanPppoe.hpp"
#include "generators/wan/VrrpPppoe.hpp"
#include "generators/wan/WirelessDhcp.hpp"

namespace vorlix {
namespace {

class PppoeLinesWirelessPageTest : public ::testing::Test {
protected:
    void open(const PageEntry& entry) {
        view = std::make_unique<PageView>(entry);
        view->resize(900, 760);
        view->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(view.get()));
    }
    template <typename T = QWidget>
    T* find(const char* name) {
        return qobject_cast<T*>(view->control(name));
    }
    void type(const char* name, const char* text) { find<QLineEdit>(name)->setText(QString::fromUtf8(text)); }
    void press(const char* button) { QTest::mouseClick(find(button), Qt::LeftButton); }
    // Where a user clicks a check box: on its indicator.
    void click(const char* name) {
        QWidget* box = find(name);
        test::clickIndicator(box);
    }
    // The script of one press of `button`, or "" when the press wrote none.
    std::string scriptOf(const char* button) {
        QSignalSpy spy(view.get(), &PageView::scriptReady);
        press(button);
        return spy.isEmpty() ? std::string() : spy.takeFirst().at(0).value<std::string>();
    }

    test::MessageRecorder messages;
    std::unique_ptr<PageView> view;
};

TEST_F(PppoeLinesWirelessPageTest, VrrpLinesTypedIntoTheListGiveTheScript) {
    open(vrrp_pppoe_page());
    EXPECT_EQ(scriptOf("按钮_1a生成"), "");
    ASSERT_EQ(messages.seen.size(), 1u);
    EXPECT_EQ(messages.seen[0].text, "至少需要1个用户!");

    for (const char* account : {"adsl01", "my adsl", "adsl03"}) {
        type("编辑框_1a配置账号", account);
        type("编辑框_1a配置密码", "pa$word");
        press("按钮_1a添加账号");
    }
    find<QComboBox>("组合框_1a内网卡")->setEditText("ether7");
    const std::string script = scriptOf("按钮_1a生成");
    VrrpPppoeFields want = vrrp_pppoe_fields(Form::defaults(vrrp_pppoe_page_spec()));
    want.lan = "ether7";
    want.lines = {{"adsl01", "pa$word"}, {"my adsl", "pa$word"}, {"adsl03", "pa$word"}};
    EXPECT_EQ(script, generate_vrrp_pppoe(want).script);
    EXPECT_NE(script.find("vrid=3\r\n/ip address"), std::string::npos);
    EXPECT_EQ(messages.seen.size(), 1u);
}

TEST_F(PppoeLinesWirelessPageTest, VlanLinesTypedIntoTheListGiveOneBridgeEach) {
    open(vlan_pppoe_page());
    for (const char* id : {"10", "20", "30"}) {
        type("编辑框_18配置账号", (std::string("adsl") + id).c_str());
        type("编辑框_18配置VLANID", id);
        press("按钮_18添加账号");
    }
    const std::string first = scriptOf("按钮_18生成"), second = scriptOf("按钮_18生成");
    EXPECT_NE(first.find("name=vlan3 use-service-tag=no vlan-id=30\r\n/interface bridge\r\n"), std::string::npos);
    EXPECT_NE(first.find(" name=ADSL-3 "), std::string::npos);
    EXPECT_TRUE(
        first.ends_with(R"(interface=ADSL-3 user="adsl30" password="123456" add-default-route=yes disabled=no)"))
        << first;
    EXPECT_NE(first, second);  // new bridge MACs on every press
    EXPECT_TRUE(messages.seen.empty());
}

TEST_F(PppoeLinesWirelessPageTest, ShowPasswordUnmasksTheKeyAndMasksItAgain) {
    open(wireless_dhcp_page());
    auto* key = find<QLineEdit>("编辑框_19无线密码");
    ASSERT_NE(key, nullptr);
    const QString text = key->text();
    EXPECT_EQ(key->echoMode(), QLineEdit::Password);
    click("选择框_19显示密码");
    EXPECT_EQ(key->echoMode(), QLineEdit::Normal);
    click("选择框_19显示密码");
    EXPECT_EQ(key->echoMode(), QLineEdit::Password);
    EXPECT_EQ(key->text(), text);
    EXPECT_TRUE(messages.seen.empty());
}

TEST_F(PppoeLinesWirelessPageTest, ARefusedWirelessPressNamesTheFaultAndMovesTheFocus) {
    open(wireless_dhcp_page());
    for (const char* box : {"选择框_19PSK", "选择框_19PSK2", "选择框_19uaes"}) click(box);
    EXPECT_EQ(scriptOf("按钮_19生成"), "");
    ASSERT_EQ(messages.seen.size(), 1u);
    EXPECT_EQ(messages.seen[0].text, "请选择无线网络的安全方案!");
    EXPECT_EQ(messages.seen[0].icon, kIconError);
    EXPECT_EQ(view->focusWidget(), find("选择框_19PSK"));

    click("选择框_19PSK2");
    click("选择框_19uaes");
    type("编辑框_19无线密码", "short");
    EXPECT_EQ(scriptOf("按钮_19生成"), "");
    ASSERT_EQ(messages.seen.size(), 2u);
    EXPECT_EQ(messages.seen[1].text, "无线网络登录密码必须是8到63个英文字母、数字或符号!");
    EXPECT_EQ(view->focusWidget(), find("编辑框_19无线密码"));

    type("编辑框_19无线密码", "long enough");
    EXPECT_NE(scriptOf("按钮_19生成").find(R"( wpa2-pre-shared-key="long enough")"), std::string::npos);
}

}  // namespace
}  // namespace vorlix
