#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include "GuiTestSupport.hpp"
#include "app/MainWindow.hpp"
#include "app/QtText.hpp"
#include "app/ScriptPane.hpp"
#include "script/isp_lists.hpp"
#include "script/text.hpp"
#include "windows/SideWindow.hpp"
#include "windows/core/RouteTable.hpp"

namespace vorlix {
namespace {

class RouteTableWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        mainWindow.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&mainWindow));
        welcome = mainWindow.scriptPane()->script();
    }

    // Presses the main window's button and returns the window it shows.
    SideWindow* open() {
        QTest::mouseClick(mainWindow.findChild<QPushButton*>(QStringLiteral("按钮_路由表")), Qt::LeftButton);
        auto* w = mainWindow.findChild<SideWindow*>(qs(kRouteTableWindow));
        if (w != nullptr) {
            EXPECT_TRUE(QTest::qWaitForWindowExposed(w));
        }
        return w;
    }
    template <typename T = QWidget>
    T* find(SideWindow* w, const char* name) {
        T* found = w->findChild<T*>(QString::fromUtf8(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    void click(SideWindow* w, const char* name) { QTest::mouseClick(find(w, name), Qt::LeftButton); }
    QString currentTab(SideWindow* w) {
        auto* tabs = find<QTabWidget>(w, "选择夹1");
        return tabs->tabText(tabs->currentIndex());
    }
    static std::vector<std::string> linesOf(const std::string& text) {
        std::vector<std::string> out;
        for (const std::string_view l : split_lines(text)) out.emplace_back(l);
        return out;
    }

    MainWindow mainWindow;
    std::string welcome;  // the main pane's text, which the side window must leave alone
};

TEST_F(RouteTableWindowTest, OpensOnFirstPressAndCloseOnlyHidesIt) {
    EXPECT_EQ(mainWindow.findChild<SideWindow*>(qs(kRouteTableWindow)), nullptr);  // not built at start-up
    SideWindow* w = open();
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->isVisible());
    EXPECT_TRUE(w->isWindow());
    EXPECT_EQ(w->parentWidget(), &mainWindow);
    EXPECT_FALSE(w->isModal());
    EXPECT_EQ(w->windowTitle(), QStringLiteral("路由表生成器"));
    EXPECT_EQ(w->findChild<ScriptPane*>(QStringLiteral("编辑框_代码")), w->editor());
    EXPECT_NE(w->editor(), mainWindow.scriptPane());

    click(w, "单选框_长宽");
    find<QLineEdit>(w, "编辑框_2")->setText(QStringLiteral("10.0.0.1"));
    find<QLineEdit>(w, "编辑框_8")->setText(QStringLiteral("to-cnc"));
    click(w, "按钮_生成1");
    const std::string generated = w->editor()->script();
    ASSERT_NE(generated.find("routing-mark=to-cnc"), std::string::npos);

    EXPECT_TRUE(w->close());
    EXPECT_FALSE(w->isVisible());
    EXPECT_TRUE(mainWindow.isVisible());
    EXPECT_EQ(open(), w);  // the same window, not a new one
    EXPECT_TRUE(w->isVisible());
    EXPECT_TRUE(find<QRadioButton>(w, "单选框_长宽")->isChecked());
    EXPECT_EQ(find<QLineEdit>(w, "编辑框_2")->text(), QStringLiteral("10.0.0.1"));
    EXPECT_EQ(find<QLineEdit>(w, "编辑框_8")->text(), QStringLiteral("to-cnc"));
    EXPECT_EQ(w->editor()->script(), generated);
    EXPECT_EQ(mainWindow.findChildren<SideWindow*>().size(), 1);
}

TEST_F(RouteTableWindowTest, GeneratesIntoItsOwnEditorOnly) {
    SideWindow* w = open();
    ASSERT_NE(w, nullptr);
    click(w, "单选框_长宽");
    find<QLineEdit>(w, "编辑框_2")->setText(QStringLiteral("10.0.0.1"));
    click(w, "按钮_生成1");

    const std::vector<std::string_view> entries = isp_list_entries(IspList::greatwall);
    const std::vector<std::string> lines = linesOf(w->editor()->script());
    ASSERT_EQ(lines.size(), entries.size() + 1);
    EXPECT_EQ(lines.front(), "/ip route");
    EXPECT_EQ(lines[1], "add dst-address=" + std::string(entries.front()) +
                            " gateway=10.0.0.1 type=unicast scope=30 disabled=no");
    EXPECT_EQ(lines.back(),
              "add dst-address=" + std::string(entries.back()) + " gateway=10.0.0.1 type=unicast scope=30 disabled=no");
    EXPECT_EQ(
        w->editor()->script(),
        generate_route_table({.list = IspList::greatwall, .gateway = "10.0.0.1", .type = "unicast", .scope = "30"})
            .script);
    EXPECT_EQ(mainWindow.scriptPane()->script(), welcome);

    // The list button shows the list as stored.
    click(w, "按钮_生成");
    EXPECT_EQ(w->editor()->script(), isp_list_text(IspList::greatwall));
    EXPECT_EQ(mainWindow.scriptPane()->script(), welcome);
}

TEST_F(RouteTableWindowTest, AMissingRequiredFieldIsAskedForAndFocused) {
    struct Case {
        const char* why;
        const char* mode;
        const char* cleared;
        const char* button;
        std::string text;
        int icon;
        const char* focus;
        QString tab;
    };
    const Case cases[] = {
        {"routes need a gateway", "单选框_route", "编辑框_2", "按钮_生成1", "请填写网关地址!", kIconInformation,
         "编辑框_2", QStringLiteral("route")},
        {"rules need a table, whichever page's button is pressed", "单选框_rule", "编辑框_26", "按钮_生成1",
         "请填写必填参数 : table !", 0, "编辑框_26", QStringLiteral("rule")},
        {"address lists need a name", "单选框_address", "编辑框_31", "按钮_生成3", "请填写必填参数 : name !", 0,
         "编辑框_31", QStringLiteral("address list")},
    };
    SideWindow* w = open();
    ASSERT_NE(w, nullptr);
    const std::string before = w->editor()->script();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        test::MessageRecorder messages;
        click(w, c.mode);
        EXPECT_EQ(currentTab(w), c.tab);  // a mode shows its page
        find<QLineEdit>(w, c.cleared)->clear();
        click(w, c.button);
        ASSERT_EQ(messages.seen.size(), 1u);
        EXPECT_EQ(messages.seen[0].text, c.text);
        EXPECT_EQ(messages.seen[0].icon, c.icon);
        EXPECT_FALSE(messages.seen[0].caption);
        EXPECT_EQ(w->focusWidget(), find(w, c.focus));
        EXPECT_EQ(w->editor()->script(), before);
    }
    EXPECT_EQ(mainWindow.scriptPane()->script(), welcome);
}

TEST_F(RouteTableWindowTest, AllOfChinaSwitchesToTheAddressList) {
    SideWindow* w = open();
    ASSERT_NE(w, nullptr);
    click(w, "单选框_rule");
    click(w, "单选框_中国ip");
    EXPECT_FALSE(find<QRadioButton>(w, "单选框_route")->isChecked());
    EXPECT_FALSE(find<QRadioButton>(w, "单选框_rule")->isChecked());
    EXPECT_TRUE(find<QRadioButton>(w, "单选框_address")->isChecked());
    EXPECT_EQ(currentTab(w), QStringLiteral("address list"));

    // Another carrier afterwards keeps the mode.
    click(w, "单选框_电信");
    EXPECT_TRUE(find<QRadioButton>(w, "单选框_address")->isChecked());
    click(w, "按钮_生成1");
    const std::vector<std::string> lines = linesOf(w->editor()->script());
    ASSERT_EQ(lines.size(), isp_list_entries(IspList::telecom).size() + 1);
    EXPECT_EQ(lines[0], "/ip firewall address-list");
    EXPECT_EQ(lines[1],
              "add address=" + std::string(isp_list_entries(IspList::telecom).front()) + " disabled=no list=novpn");
}

TEST_F(RouteTableWindowTest, AnEmptiedScopeBoxShowsTheDefaultWhenLeft) {
    SideWindow* w = open();
    ASSERT_NE(w, nullptr);
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w));
    auto* scope = find<QLineEdit>(w, "编辑框_6");
    scope->setFocus();
    QTest::keyClick(scope, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(scope, Qt::Key_Backspace);
    EXPECT_EQ(scope->text(), QString());
    find(w, "编辑框_7")->setFocus();
    EXPECT_EQ(scope->text(), QStringLiteral("30"));

    // A typed scope stays as it is.
    scope->setFocus();
    QTest::keyClicks(scope, QStringLiteral("0"));
    find(w, "编辑框_7")->setFocus();
    EXPECT_EQ(scope->text(), QStringLiteral("300"));
}

TEST_F(RouteTableWindowTest, DroppedGbkFileIsSavedBackByteForByte) {
    test::MessageRecorder messages;
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    SideWindow* w = open();
    ASSERT_NE(w, nullptr);

    const QByteArray gbk("# \xD6\xD0\xCE\xC4\r\n/ip route add dst-address=1.0.1.0/24 gateway=10.0.0.1");
    const QString dropped = dir.filePath(QStringLiteral("dropped.rsc"));
    {
        QFile f(dropped);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(gbk);
    }
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(dropped)});
    QDragEnterEvent enter(QPoint(40, 20), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(w->editor()->viewport(), &enter);
    ASSERT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(40, 20), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(w->editor()->viewport(), &drop);
    EXPECT_EQ(w->editor()->script(), "# 中文\r\n/ip route add dst-address=1.0.1.0/24 gateway=10.0.0.1");
    EXPECT_EQ(mainWindow.scriptPane()->script(), welcome);

    // The save button asks for a name, starting in the user's documents, and writes GBK bytes. The
    // home directory is a temporary one with a documents folder, so that the dialog can go there.
    const test::EnvOverride home("HOME", dir.path());
    const test::EnvOverride config("XDG_CONFIG_HOME", dir.filePath(QStringLiteral(".config")));
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    ASSERT_TRUE(documents.startsWith(dir.path()));
    ASSERT_TRUE(QDir().mkpath(documents));
    const QString saved = dir.filePath(QStringLiteral("saved.rsc"));
    QString startDir;
    QApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    QTimer::singleShot(0, w, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr) return;
        startDir = dialog->directory().absolutePath();
        dialog->selectFile(saved);
        static_cast<QDialog*>(dialog)->accept();  // as the dialog's own Save button does
    });
    click(w, "按钮_另存为");
    EXPECT_EQ(startDir, QDir(documents).absolutePath());
    QFile f(saved);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), gbk);
    EXPECT_TRUE(messages.seen.empty());
}

}  // namespace
}  // namespace vorlix
