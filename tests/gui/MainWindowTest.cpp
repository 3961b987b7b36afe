#include <gtest/gtest.h>

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTreeWidget>

#include "GuiTestSupport.hpp"
#include "app/MainWindow.hpp"
#include "app/PageView.hpp"
#include "app/ScriptPane.hpp"
#include "generators/all_pages.hpp"

namespace vorlix {
namespace {

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    template <typename T = QWidget>
    T* find(const char* name) {
        return window.findChild<T*>(QString::fromUtf8(name));
    }
    QTabWidget* outerTabs() { return find<QTabWidget>("选择夹1"); }
    QTabWidget* innerTabs(int outer) { return qobject_cast<QTabWidget*>(outerTabs()->widget(outer)); }
    QString frameCaption() { return find<QGroupBox>("分组框1")->title(); }

    MainWindow window;
};

TEST_F(MainWindowTest, EveryTreeItemShowsItsPageAndSetsTheFrameCaption) {
    const std::vector<TreeItem>& items = registry().tree();
    for (int i = 0; i < static_cast<int>(items.size()); ++i) {
        const TreeItem& item = items[static_cast<std::size_t>(i)];
        SCOPED_TRACE(i);
        window.selectTreeItem(i);
        EXPECT_EQ(frameCaption(), QString::fromUtf8(item.text.data(), static_cast<qsizetype>(item.text.size())));
        EXPECT_EQ(outerTabs()->currentIndex(), item.outer);
        EXPECT_EQ(innerTabs(item.outer)->currentIndex(), item.inner);
    }

    window.selectTreeItem(25);
    EXPECT_EQ(innerTabs(4)->tabText(innerTabs(4)->currentIndex()), QStringLiteral("限制线程(TCP连接数)"));
    EXPECT_EQ(frameCaption(), QStringLiteral("限制(TCP/UDP连接数)"));
    window.selectTreeItem(33);  // a heading that is a page of its own
    EXPECT_EQ(outerTabs()->currentIndex(), 6);
    EXPECT_EQ(innerTabs(6)->currentIndex(), 0);
}

TEST_F(MainWindowTest, TreeHoldsTwoLevels) {
    auto* tree = find<QTreeWidget>("树型框1");
    ASSERT_NE(tree, nullptr);
    int headings = 0, pages = 0;
    for (int i = 0; i < tree->topLevelItemCount(); ++i) {
        ++headings;
        pages += tree->topLevelItem(i)->childCount();
    }
    EXPECT_EQ(headings, 9);
    EXPECT_EQ(headings + pages, 43);
    EXPECT_EQ(tree->topLevelItem(1)->child(2)->text(0), QStringLiteral("多线固定IP叠加NTH+PCC负载"));
}

TEST_F(MainWindowTest, TabClicksLeaveTreeAndCaptionAlone) {
    window.selectTreeItem(1);
    QTabBar* bar = outerTabs()->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(3).center());
    EXPECT_EQ(outerTabs()->currentIndex(), 3);
    EXPECT_EQ(frameCaption(), QStringLiteral("添加管理员账户"));
    EXPECT_EQ(find<QTreeWidget>("树型框1")->currentItem()->text(0), QStringLiteral("添加管理员账户"));
}

TEST_F(MainWindowTest, PagesAreBuiltWhenFirstShown) {
    EXPECT_NE(window.pageView(0, 0), nullptr);  // the start page
    EXPECT_EQ(window.pageView(0, 2), nullptr);
    EXPECT_EQ(find("按钮_02重启生成"), nullptr);
    window.selectTreeItem(2);
    ASSERT_NE(window.pageView(0, 2), nullptr);
    EXPECT_NE(find("按钮_02重启生成"), nullptr);
    // A tab click builds the page just as well.
    innerTabs(0)->setCurrentIndex(1);
    EXPECT_NE(window.pageView(0, 1), nullptr);
}

TEST_F(MainWindowTest, GenerateButtonFillsThePaneAndGutter) {
    window.selectTreeItem(1);
    QTest::mouseClick(find<QPushButton>("按钮_01生成"), Qt::LeftButton);
    EXPECT_EQ(window.scriptPane()->script(),
              "/user add name=\"MAVEK\" password=\"Mavek@2015\" group=\"full\" address=\"0.0.0.0/0\" "
              "comment=\"ADMIN-MAVEK\"");
    EXPECT_EQ(window.scriptPane()->gutterText(), QStringLiteral("1"));

    window.selectTreeItem(2);
    QTest::mouseClick(find<QPushButton>("按钮_02重启生成"), Qt::LeftButton);
    EXPECT_EQ(window.scriptPane()->script(),
              "/system scheduler add name=\"Timing Reboot\" on-event=\"/system reboot\" start-date=\"Jan/01/2015\" "
              "start-time=\"05:30:00\" interval=\"1d 00:00:00\" comment=\"\\B6\\A8\\CA\\B1\\D6\\D8\\C6\\F4\" "
              "disabled=no");
}

TEST_F(MainWindowTest, EmptyUserNameIsReportedAndFocused) {
    test::MessageRecorder messages;
    window.selectTreeItem(1);
    const std::string before = window.scriptPane()->script();
    find<QLineEdit>("编辑框_01用户名")->clear();
    QTest::mouseClick(find<QPushButton>("按钮_01生成"), Qt::LeftButton);
    ASSERT_EQ(messages.seen.size(), 1u);
    EXPECT_EQ(messages.seen[0].text, "请输入要添加的管理员名称!");
    EXPECT_EQ(messages.seen[0].icon, kIconInformation);
    EXPECT_FALSE(messages.seen[0].caption);
    EXPECT_EQ(window.focusWidget(), find("编辑框_01用户名"));
    EXPECT_EQ(window.scriptPane()->script(), before);
}

TEST_F(MainWindowTest, AnsweringNoToTheExitQuestionKeepsEverything) {
    test::MessageRecorder messages(QMessageBox::No);
    window.selectTreeItem(1);
    find<QLineEdit>("编辑框_01用户名")->setText(QStringLiteral("typed"));
    window.scriptPane()->setScript("kept");

    EXPECT_FALSE(window.close());
    EXPECT_TRUE(window.isVisible());
    ASSERT_EQ(messages.seen.size(), 1u);
    EXPECT_EQ(messages.seen[0].text, "是否退出https://vorlix.org网站提供的Vorlix?");
    EXPECT_EQ(messages.seen[0].icon, kIconYesNo);
    EXPECT_EQ(messages.seen[0].caption, "提示");
    EXPECT_EQ(find<QLineEdit>("编辑框_01用户名")->text(), QStringLiteral("typed"));
    EXPECT_EQ(window.scriptPane()->script(), "kept");

    messages.answer(QMessageBox::Yes);
    EXPECT_TRUE(window.close());
    EXPECT_FALSE(window.isVisible());
}

TEST_F(MainWindowTest, LaterFeaturesAreDisabledAndPeripheryAbsent) {
    for (const char* name : {"按钮_子网计算工具", "按钮_路由表", "按钮_脚本编辑器"}) {
        SCOPED_TRACE(name);
        auto* button = find<QPushButton>(name);
        ASSERT_NE(button, nullptr);
        EXPECT_TRUE(button->isEnabled());
    }
    ASSERT_NE(find<QPushButton>("按钮_语言"), nullptr);
    EXPECT_TRUE(find<QPushButton>("按钮_语言")->isEnabled());
    EXPECT_EQ(find<QPushButton>("按钮_语言")->text(), QStringLiteral("切换为繁体"));
    EXPECT_EQ(find("按钮_迅雷会员"), nullptr);
    EXPECT_EQ(find("按钮_登录"), nullptr);
    EXPECT_TRUE(window.windowTitle().startsWith(QStringLiteral("Vorlix 5.X/6.X")));
}

TEST_F(MainWindowTest, ReplaceBarActsOnThePane) {
    window.scriptPane()->setScript("/interface ethernet set ether1\r\n/ip address add interface=ether10");
    find<QLineEdit>("编辑框_待替换")->setText(QStringLiteral("ether1"));
    find<QLineEdit>("编辑框_替换为")->setText(QStringLiteral("ether9"));
    QTest::mouseClick(find<QPushButton>("按钮_替换"), Qt::LeftButton);
    EXPECT_EQ(window.scriptPane()->script(), "/interface ethernet set ether9\r\n/ip address add interface=ether90");
}

}  // namespace
}  // namespace vorlix
