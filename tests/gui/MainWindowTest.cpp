#include <gtest/gtest.h>

#include <QCommandLinkButton>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSplitter>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

#include "GuiTestSupport.hpp"
#include "app/AreaIndex.hpp"
#include "app/MainWindow.hpp"
#include "app/PageView.hpp"
#include "app/QtText.hpp"
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

TEST_F(MainWindowTest, AfterAPressThePaneSaysWhatItGot) {
    test::MessageRecorder messages;
    window.selectTreeItem(2);
    QTest::mouseClick(find<QPushButton>("按钮_02重启生成"), Qt::LeftButton);
    EXPECT_EQ(window.scriptPane()->statusText(), QStringLiteral("已生成 %1 行").arg(window.scriptPane()->lineCount()));

    // A refusal leaves the script and says why, in one line.
    window.selectTreeItem(1);
    find<QLineEdit>("编辑框_01用户名")->clear();
    QTest::mouseClick(find<QPushButton>("按钮_01生成"), Qt::LeftButton);
    EXPECT_EQ(window.scriptPane()->statusText(), QStringLiteral("请输入要添加的管理员名称!"));
}

// Every area whose first page is not a page of its own lists its other pages there, each with its tree
// text and what it is for; a click shows the page, and the tree follows where the page has an item.
TEST_F(MainWindowTest, AreaIndexesListAndOpenTheirPages) {
    const std::vector<Area>& areas = registry().areas();
    int indexes = 0;
    for (int o = 0; o < static_cast<int>(areas.size()); ++o) {
        if (!isAreaIndex(o, 0)) continue;
        ++indexes;
        const std::vector<PageEntry>& pages = areas[static_cast<std::size_t>(o)].pages;
        for (int i = 1; i < static_cast<int>(pages.size()); ++i) {
            const PageSpec& spec = *pages[static_cast<std::size_t>(i)].spec;
            SCOPED_TRACE(spec.caption);
            window.showPage(o, 0);
            ASSERT_EQ(outerTabs()->currentIndex(), o);
            ASSERT_EQ(innerTabs(o)->currentIndex(), 0);
            auto* index = innerTabs(o)->widget(0)->findChild<AreaIndex*>();
            ASSERT_NE(index, nullptr);
            QCommandLinkButton* entry = index->entry(i);
            ASSERT_NE(entry, nullptr);
            EXPECT_EQ(entry->text(), qs(spec.tree_text()));
            EXPECT_FALSE(spec.summary.empty());
            EXPECT_TRUE(entry->description().endsWith(qs(spec.summary)));
            QTest::mouseClick(entry, Qt::LeftButton);
            EXPECT_EQ(outerTabs()->currentIndex(), o);
            EXPECT_EQ(innerTabs(o)->currentIndex(), i);
            if (spec.in_tree) {
                EXPECT_EQ(frameCaption(), qs(spec.tree_text()));
            }
        }
    }
    EXPECT_EQ(indexes, 7);
}

TEST_F(MainWindowTest, APageStillToComeSaysSo) {
    // "44444" of the rate-limiting tab is listed but not built yet.
    const std::vector<PageEntry>& pages = registry().areas()[3].pages;
    const int inner = static_cast<int>(pages.size()) - 1;
    ASSERT_TRUE(isUnbuilt(3, inner));
    window.showPage(3, inner);
    auto* notice = innerTabs(3)->widget(inner)->findChild<QLabel*>(QStringLiteral("标签_尚未完成"));
    ASSERT_NE(notice, nullptr);
    EXPECT_TRUE(notice->isVisible());
    EXPECT_EQ(notice->alignment(), Qt::AlignCenter);
    EXPECT_EQ(window.currentPageView(), nullptr);
}

// The window cannot be made smaller than it starts, and the pages get the height the pane does not need.
TEST_F(MainWindowTest, DefaultSizeIsTheSmallestAndThePagesGetTheHeight) {
    const QSize available = window.screen()->availableSize();
    EXPECT_EQ(window.minimumSize(), QSize(965, 740).boundedTo(available));
    window.resize(300, 200);
    EXPECT_EQ(window.size(), window.minimumSize());

    window.resize(965, 740);
    QCoreApplication::processEvents();
    const QList<int> sizes = window.splitter()->sizes();
    ASSERT_EQ(sizes.size(), 2);
    EXPECT_GT(sizes[0], 2 * sizes[1]);
    // The pane still shows the five lines of the welcome text.
    EXPECT_GE(window.scriptPane()->viewport()->height(), 5 * window.scriptPane()->fontMetrics().lineSpacing());
    // Taller, the window gives the new height to the pages.
    window.resize(965, 900);
    QCoreApplication::processEvents();
    EXPECT_EQ(window.splitter()->sizes()[1], sizes[1]);
}

TEST(MainWindowState, PlaceAndSplitAreKeptAcrossRuns) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString file = dir.filePath(QStringLiteral("sub/window.state"));
    QList<int> split;
    QPoint place;
    {
        MainWindow first;
        first.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&first));
        first.move(40, 30);
        const QList<int> sizes = first.splitter()->sizes();
        first.splitter()->setSizes({sizes[0] - 100, sizes[1] + 100});
        QCoreApplication::processEvents();
        split = first.splitter()->sizes();
        place = first.pos();
        EXPECT_EQ(first.saveState(file), QString());
    }
    MainWindow second;
    ASSERT_TRUE(second.restoreState(file));
    second.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&second));
    EXPECT_EQ(second.pos(), place);
    EXPECT_EQ(second.splitter()->sizes(), split);
}

// A damaged or foreign file costs only the remembered place: the window starts as it always does.
TEST(MainWindowState, ADamagedFileIsPassedOver) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    MainWindow fresh;
    const QSize size = fresh.size();
    const QList<int> split = fresh.splitter()->sizes();
    // A good file of a smaller window, then altered where Qt would not notice.
    const QString good = dir.filePath(QStringLiteral("good"));
    fresh.setMinimumSize(0, 0);
    fresh.resize(700, 500);
    ASSERT_EQ(fresh.saveState(good), QString());
    QFile goodFile(good);
    ASSERT_TRUE(goodFile.open(QIODevice::ReadOnly));
    const QByteArray saved = goodFile.readAll();
    QByteArray altered = saved;
    altered[12] = altered[12] == 'A' ? 'B' : 'A';
    struct Case {
        const char* why;
        QByteArray bytes;
    };
    const Case cases[] = {
        {"empty", ""},
        {"not base64", "geometry=@@@@\nsplitter=!!!\n"},
        {"base64 of nonsense", "geometry=" + QByteArray("nonsense").toBase64() + "\nsplitter=AAAA\n"},
        {"cut short", saved.left(saved.indexOf("check=") - 30)},
        {"altered", altered},
        {"no checksum", saved.left(saved.indexOf("check="))},
        {"binary", QByteArray(300, '\xff')},
        {"huge", QByteArray(1 << 20, 'g')},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        const QString file = dir.filePath(QString::fromUtf8(c.why));
        QFile out(file);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(c.bytes);
        out.close();
        MainWindow window;
        EXPECT_FALSE(window.restoreState(file));
        EXPECT_EQ(window.size(), size);
        EXPECT_EQ(window.splitter()->sizes(), split);
    }
    MainWindow window;
    EXPECT_FALSE(window.restoreState(dir.filePath(QStringLiteral("missing"))));
    // A place that cannot be written says why and leaves nothing behind.
    const QString blocked = dir.filePath(QStringLiteral("empty/window.state"));
    ASSERT_TRUE(QFile(dir.filePath(QStringLiteral("empty"))).open(QIODevice::WriteOnly));  // a file, not a folder
    EXPECT_NE(window.saveState(blocked), QString());
}

}  // namespace
}  // namespace vorlix
