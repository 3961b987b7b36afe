// The DDNS page and the router-script pages in real widgets: a provider click changes the suffix, the
// sign-up button opens the provider's site, every generate button hands its script to the window.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QDesktopServices>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <QUrl>

#include "GuiTestSupport.hpp"
#include "app/PageView.hpp"
#include "generators/scripts/Ddns.hpp"
#include "generators/scripts/RouterScripts.hpp"

namespace vorlix {
namespace {

// Takes the addresses the program asks the desktop to open, instead of a browser.
class UrlCatcher : public QObject {
    Q_OBJECT
public:
    UrlCatcher() {
        QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "open");
        QDesktopServices::setUrlHandler(QStringLiteral("http"), this, "open");
    }
    ~UrlCatcher() override {
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
        QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
    }
    QList<QUrl> opened;

public Q_SLOTS:
    void open(const QUrl& url) { opened.push_back(url); }
};

class DdnsPageTest : public ::testing::Test {
protected:
    DdnsPageTest() : view(ddns_page()) {
        view.resize(900, 700);
        view.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&view));
    }
    template <typename T = QWidget>
    T* find(const char* name) {
        return qobject_cast<T*>(view.control(name));
    }
    // Where a user clicks a radio button: on its indicator.
    void click(const char* name) {
        QWidget* radio = find(name);
        test::clickIndicator(radio);
    }

    PageView view;
};

TEST_F(DdnsPageTest, ProviderClicksSetTheSuffixAndSignUpOpensTheirSite) {
    UrlCatcher urls;
    auto* suffix = find<QComboBox>("组合框_60域名后缀");
    ASSERT_NE(suffix, nullptr);
    EXPECT_EQ(suffix->currentText(), QStringLiteral(".f3322.net"));
    EXPECT_FALSE(find("单选框_60每步")->isEnabled());

    struct Case {
        const char *radio, *suffix, *site;
    };
    const Case cases[] = {
        {"单选框_60花生壳", ".oicp.net", "https://hsk.oray.com/"},
        {"单选框_60changeip", ".changeip.net", "https://www.changeip.com/"},
        {"单选框_60f3322", ".f3322.net", "https://www.pubyun.com/"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.radio);
        click(c.radio);
        ASSERT_TRUE(find<QRadioButton>(c.radio)->isChecked());
        EXPECT_EQ(suffix->currentText(), QString::fromUtf8(c.suffix));
        QTest::mouseClick(find("按钮_60申请域名"), Qt::LeftButton);
        ASSERT_FALSE(urls.opened.isEmpty());
        EXPECT_EQ(urls.opened.back(), QUrl(QString::fromUtf8(c.site)));
    }
    EXPECT_EQ(urls.opened.size(), 3);

    // The greyed-out provider cannot be chosen.
    click("单选框_60每步");
    EXPECT_FALSE(find<QRadioButton>("单选框_60每步")->isChecked());
    EXPECT_EQ(suffix->currentText(), QStringLiteral(".f3322.net"));
}

TEST_F(DdnsPageTest, GenerateUsesTheSuffixAsShown) {
    QSignalSpy scripts(&view, &PageView::scriptReady);
    click("单选框_60花生壳");
    find<QComboBox>("组合框_60域名后缀")->setEditText(QStringLiteral(".example.org"));
    QTest::mouseClick(find("按钮_60生成"), Qt::LeftButton);
    ASSERT_EQ(scripts.count(), 1);
    const std::string script = scripts.at(0).at(0).value<std::string>();
    EXPECT_TRUE(script.starts_with("/system scheduler add name=Mavek_DDNS ")) << script.substr(0, 60);
    EXPECT_NE(script.find(":local domain \\\"username.example.org\\\""), std::string::npos);
    EXPECT_NE(script.find("http://ddns.oray.com"), std::string::npos);
}

TEST(ScriptPagesView, EachGenerateButtonHandsItsScriptToTheWindow) {
    struct Case {
        PageEntry (*page)();
        const char* button;
        std::string_view starts;
    };
    const Case cases[] = {
        {online_count_page, "按钮_71生成", "/ip firewall address-list add address=192.168.1.0/24 "},
        {scheduled_backup_page, "按钮_72生成", "/system schedule add interval=1d00:00:00 "},
        {mail_backup_page, "按钮_73生成", "/system script remove [find name=Mavek_MailBackup]\r\n"},
        {pcc_rebalance_page, "按钮_73生成1", "/system script add name=Mavek_PCC "},
        {expiry_reminder_page, "按钮_75生成", "/ip firewall mangle\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.button);
        PageView view(c.page());
        view.resize(800, 500);
        view.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
        QSignalSpy scripts(&view, &PageView::scriptReady);
        QTest::mouseClick(view.control(c.button), Qt::LeftButton);
        ASSERT_EQ(scripts.count(), 1);
        EXPECT_TRUE(scripts.at(0).at(0).value<std::string>().starts_with(c.starts));
    }
}

}  // namespace
}  // namespace vorlix

#include "ScriptPagesTest.moc"
