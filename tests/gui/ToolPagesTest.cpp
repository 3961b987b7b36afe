// Pages MAC随机生成 and 中文SSID生成器 in the window: the lookup fills its labels from the registry the
// tests point VORLIX_IEEE_DATA at, the copy buttons copy what the labels show, refusals move the focus.
#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>

#include "GuiTestSupport.hpp"
#include "app/PageView.hpp"
#include "generators/tools/ChineseSsid.hpp"
#include "generators/tools/MacTools.hpp"

namespace vorlix {
namespace {

class ToolPageTest : public ::testing::Test {
protected:
    void open(PageEntry entry) {
        view = std::make_unique<PageView>(std::move(entry));
        view->resize(800, 700);
        view->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(view.get()));
    }
    template <typename T = QWidget>
    T* find(const char* name) {
        return qobject_cast<T*>(view->control(name));
    }
    void type(const char* name, const QString& text) { find<QLineEdit>(name)->setText(text); }
    void click(const char* name) { QTest::mouseClick(find(name), Qt::LeftButton); }
    QString label(const char* name) { return find<QLabel>(name)->text(); }

    std::unique_ptr<PageView> view;
};

TEST_F(ToolPageTest, LookupFillsTheLabelsAndTheCopyButtonsCopyThem) {
    open(mac_tools_page());
    ASSERT_FALSE(qEnvironmentVariableIsEmpty("VORLIX_IEEE_DATA"));
    type("编辑框_81查询mac", QStringLiteral("e4-8d-8c-00-00-01"));
    click("按钮_81查询");
    EXPECT_EQ(label("标签_81mac"), QStringLiteral("E4:8D:8C:00:00:01"));
    EXPECT_EQ(label("标签_81厂商"), QStringLiteral("Quoted, Comma \"QC\" Ltd"));
    EXPECT_EQ(label("标签_81厂址"), QStringLiteral("Dock 2, Harbour Road Riga LV LV1009"));

    QGuiApplication::clipboard()->clear();
    click("按钮_81复制厂商");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), label("标签_81厂商"));
    click("按钮_81复制厂址");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), label("标签_81厂址"));

    // A malformed address is refused; the labels keep the last answer.
    test::MessageRecorder messages;
    type("编辑框_81查询mac", QStringLiteral("E4-8D-8C-00-00"));
    click("按钮_81查询");
    ASSERT_EQ(messages.seen.size(), 1u);
    EXPECT_EQ(view->focusWidget(), find("编辑框_81查询mac"));
    EXPECT_EQ(label("标签_81mac"), QStringLiteral("E4:8D:8C:00:00:01"));
}

TEST_F(ToolPageTest, SeparatorOptionsSitOnTheirTabAndShapeTheList) {
    open(mac_tools_page());
    auto* tabs = view->findChild<QTabWidget*>(QStringLiteral("选择夹11"));
    ASSERT_NE(tabs, nullptr);
    EXPECT_TRUE(tabs->isAncestorOf(find("单选框_81连接符2")));
    EXPECT_TRUE(tabs->isAncestorOf(find("编辑框_81生成个数")));

    QSignalSpy scripts(view.get(), &PageView::scriptReady);
    click("单选框_81固定mac1");
    test::clickIndicator(find("单选框_81连接符2"));
    type("编辑框_81生成个数", QStringLiteral("3"));
    click("按钮_81生成1");
    ASSERT_EQ(scripts.count(), 1);
    const QStringList lines =
        QString::fromStdString(scripts.at(0).at(0).value<std::string>()).split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 3);
    // Six pairs joined by "-", the first octet's two low bits 1 0 (unicast, locally administered).
    const QRegularExpression mac(QStringLiteral("^[0-9A-F][26AE](-[0-9A-F]{2}){5}$"));
    for (const QString& line : lines) EXPECT_TRUE(mac.match(line).hasMatch()) << line.toStdString();
}

TEST_F(ToolPageTest, SsidOverThirtyTwoBytesIsRefusedWithItsLength) {
    open(chinese_ssid_page());
    test::MessageRecorder messages;
    QSignalSpy scripts(view.get(), &PageView::scriptReady);
    type("编辑框_82中文名", QStringLiteral("一二三四五六七八九十百"));
    click("按钮_82生成");
    ASSERT_EQ(messages.seen.size(), 1u);
    EXPECT_EQ(messages.seen[0].text, "SSID最长32字节,当前33字节");
    EXPECT_EQ(view->focusWidget(), find("编辑框_82中文名"));
    EXPECT_EQ(scripts.count(), 0);

    type("编辑框_82中文名", QStringLiteral("咖啡"));
    click("按钮_82生成");
    ASSERT_EQ(scripts.count(), 1);
    EXPECT_EQ(scripts.at(0).at(0).value<std::string>(), R"(/interface wireless set wlan1 ssid="\E5\92\96\E5\95\A1")");
}

}  // namespace
}  // namespace vorlix
