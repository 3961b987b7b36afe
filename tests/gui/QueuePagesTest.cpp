// The rate-limiting pages in the main window: the burst and time panels open and close with their
// check boxes and the page closes up behind them; the radio buttons of 其他限速 and its tab headers
// agree; "复制 |" fills the clipboard.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

#include "GuiTestSupport.hpp"
#include "app/MainWindow.hpp"
#include "app/PageView.hpp"
#include "app/ScriptPane.hpp"

namespace vorlix {
namespace {

constexpr int kQueueTab = 3;  // the outer tab "限速"

// A click where a user clicks a check box or radio button: on its indicator.
void clickIndicator(QWidget* button) {
    test::clickIndicator(button);
}

// Lets the layouts move the widgets after a panel opened or closed.
void settle() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    QCoreApplication::processEvents();
}

class QueuePagesTest : public ::testing::Test {
protected:
    void SetUp() override {
        window.resize(1100, 900);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    PageView* open(int treeItem, int inner) {
        window.selectTreeItem(treeItem);
        PageView* view = window.pageView(kQueueTab, inner);
        EXPECT_NE(view, nullptr);
        settle();
        return view;
    }
    static int top(PageView* view, const char* name) {
        QWidget* w = view->control(name);
        return w->mapTo(view, QPoint(0, 0)).y();
    }
    std::string script() { return window.scriptPane()->script(); }

    MainWindow window;
};

TEST_F(QueuePagesTest, PanelsOpenAndCloseAndThePageClosesUp) {
    struct Page {
        int tree_item, inner;
        const char *burst_on, *burst_box, *burst_field, *time_on, *time_box, *time_field, *generate;
    };
    const Page pages[] = {
        {19, 1, "选择框_31开启Burst功能", "分组框_31burst", "组合框_31upBurstLimit", "选择框_31开启Time功能",
         "分组框_31开启time", "编辑框_31Time右", "按钮_31生成"},
        {21, 3, "选择框_33开启Burst功能", "分组框_33burst", "组合框_33upBurstLimit", "选择框_33开启Time功能",
         "分组框_33开启time", "编辑框_33Time右", "按钮_33生成"},
    };
    for (const Page& p : pages) {
        SCOPED_TRACE(p.generate);
        PageView* view = open(p.tree_item, p.inner);
        ASSERT_NE(view, nullptr);
        QWidget* burstBox = view->control(p.burst_box);
        QWidget* timeBox = view->control(p.time_box);
        EXPECT_FALSE(burstBox->isVisible());
        EXPECT_FALSE(view->control(p.burst_field)->isVisible());
        EXPECT_FALSE(timeBox->isVisible());
        EXPECT_FALSE(view->control(p.time_field)->isVisible());
        const int timeOnClosed = top(view, p.time_on), generateClosed = top(view, p.generate);

        clickIndicator(view->control(p.burst_on));
        settle();
        EXPECT_TRUE(burstBox->isVisible());
        EXPECT_TRUE(view->control(p.burst_field)->isVisible());
        // The panel opens below its check box and pushes the rest down by its height.
        EXPECT_GT(burstBox->mapTo(view, QPoint(0, 0)).y(), top(view, p.burst_on));
        EXPECT_GE(top(view, p.time_on) - timeOnClosed, burstBox->height());

        clickIndicator(view->control(p.time_on));
        settle();
        EXPECT_TRUE(timeBox->isVisible());
        EXPECT_GE(top(view, p.generate) - generateClosed, burstBox->height() + timeBox->height());

        QTest::mouseClick(view->control(p.generate), Qt::LeftButton);
        EXPECT_NE(script().find(" burst-time=3s/3s priority=8 time=00h00m00s-1d00h00m00s,sun,"), std::string::npos)
            << script();

        clickIndicator(view->control(p.burst_on));
        clickIndicator(view->control(p.time_on));
        settle();
        EXPECT_FALSE(burstBox->isVisible());
        EXPECT_FALSE(timeBox->isVisible());
        EXPECT_EQ(top(view, p.time_on), timeOnClosed);
        EXPECT_EQ(top(view, p.generate), generateClosed);
        QTest::mouseClick(view->control(p.generate), Qt::LeftButton);
        EXPECT_EQ(script().find("burst"), std::string::npos) << script();
        EXPECT_TRUE(script().ends_with(" limit-at=0/0 max-limit=0/0 disabled=no}")) << script();
    }
}

TEST_F(QueuePagesTest, OtherLimitsRadiosAndTabsAgree) {
    window.selectTreeItem(21);
    auto* pages = window.findChild<QTabWidget*>(QStringLiteral("选择夹5"));
    ASSERT_NE(pages, nullptr);
    pages->setCurrentIndex(4);
    PageView* view = window.pageView(kQueueTab, 4);
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(pages->tabText(4), QStringLiteral("其他限速"));
    auto* tabs = view->findChild<QTabWidget*>(QStringLiteral("选择夹31"));
    ASSERT_NE(tabs, nullptr);
    auto* byHost = qobject_cast<QRadioButton*>(view->control("单选框5"));
    auto* byType = qobject_cast<QRadioButton*>(view->control("单选框4"));
    EXPECT_EQ(tabs->currentWidget(), view->control("分组框_SimpleQueue"));

    clickIndicator(byType);
    EXPECT_EQ(tabs->currentWidget(), view->control("分组框_QueueType"));
    QTest::mouseClick(view->control("按钮63"), Qt::LeftButton);
    EXPECT_TRUE(script().starts_with("/queue type add name=up ")) << script();

    // The tab header chooses too: the radio button follows the page brought forward.
    QTabBar* bar = tabs->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(0).center());
    EXPECT_TRUE(byHost->isChecked());
    EXPECT_FALSE(byType->isChecked());
    settle();
    QWidget* burstBox = view->control("分组框_爆发");
    EXPECT_FALSE(burstBox->isVisible());
    clickIndicator(view->control("选择框33"));
    EXPECT_TRUE(burstBox->isVisible());
    QTest::mouseClick(view->control("按钮63"), Qt::LeftButton);
    EXPECT_TRUE(script().starts_with(":for mavek from=1 to=200 ")) << script();
    EXPECT_NE(script().find(" priority=8 "), std::string::npos) << script();
}

TEST_F(QueuePagesTest, CopyPutsTheSeparatorOnTheClipboard) {
    PageView* view = open(21, 3);
    ASSERT_NE(view, nullptr);
    const std::string before = script();
    QGuiApplication::clipboard()->setText(QStringLiteral("something else"));
    test::MessageRecorder messages;
    QTest::mouseClick(view->control("按钮_33复制"), Qt::LeftButton);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("|"));
    EXPECT_TRUE(messages.seen.empty());
    EXPECT_EQ(script(), before);
}

}  // namespace
}  // namespace vorlix
