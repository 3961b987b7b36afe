#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFontDialog>
#include <QMimeData>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include "GuiTestSupport.hpp"
#include "SideWindowFixture.hpp"
#include "app/MainWindow.hpp"
#include "app/QtText.hpp"
#include "app/ScriptPane.hpp"
#include "windows/SideWindow.hpp"
#include "windows/core/ScriptEditor.hpp"

namespace vorlix {
namespace {

constexpr const char* kFor = ":for 变量名 from=起始值 to=终止值 step=步长 do={ }";

class ScriptEditorWindowTest : public test::SideWindowFixture {
protected:
    ScriptEditorWindowTest() : SideWindowFixture("按钮_脚本编辑器", kScriptEditorWindow) {}
    void SetUp() override {
        SideWindowFixture::SetUp();
        if (HasFatalFailure()) return;
        editor = w->editor();
        ASSERT_NE(editor, nullptr);
        w->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(w));
    }
    void click(const char* name) { QTest::mouseClick(find(name), Qt::LeftButton); }
    void undo() { QTest::keyClick(editor, Qt::Key_Z, Qt::ControlModifier); }

    ScriptPane* editor = nullptr;
};

TEST_F(ScriptEditorWindowTest, SnippetsGoIntoItsOwnEditorAsOneStepEach) {
    EXPECT_EQ(w->windowTitle(), QStringLiteral("RouterOS官方脚本编辑器"));
    EXPECT_EQ(editor->script(), "");

    click("按钮_for");
    EXPECT_EQ(editor->script(), std::string("\r\n") + kFor);
    EXPECT_EQ(editor->gutterText(), QStringLiteral("1\r\n2"));
    EXPECT_EQ(w->findChild<QWidget*>(QStringLiteral("编辑框_行号"))->parent(), editor);

    // An operator replaces the selected word; Ctrl+Z brings the word back in one step.
    const QString text = editor->toPlainText();
    QTextCursor word = editor->textCursor();
    word.setPosition(static_cast<int>(text.indexOf(QStringLiteral("变量名"))));
    word.movePosition(QTextCursor::Right, QTextCursor::KeepAnchor, 3);
    editor->setTextCursor(word);
    click("按钮_相加");
    EXPECT_EQ(editor->script(), "\r\n:for  +  from=起始值 to=终止值 step=步长 do={ }");
    EXPECT_TRUE(editor->hasFocus());
    undo();
    EXPECT_EQ(editor->script(), std::string("\r\n") + kFor);
    undo();
    EXPECT_EQ(editor->script(), "");

    // The delay and log snippets take their boxes' text; "warning " keeps its blank.
    find<QComboBox>("组合框_延时")->setEditText(QStringLiteral("2s"));
    click("按钮_delay");
    find<QComboBox>("组合框_log")->setCurrentIndex(1);
    click("按钮_log");
    EXPECT_EQ(editor->script(), "\r\n:delay 2s\r\n:log warning  \"\"");

    // Buttons the user can reach, captions as the user reads them.
    EXPECT_EQ(find<QPushButton>("按钮_逻辑与")->text(), QStringLiteral("&&&& 逻辑与"));  // shows "&& 逻辑与"
    EXPECT_TRUE(find("按钮_通配符1")->isVisible());
    EXPECT_TRUE(find("按钮_截取变量组")->isVisible());
    EXPECT_TRUE(find("按钮_字体")->isVisible());
    EXPECT_EQ(mainWindow.scriptPane()->script(), welcome);

    // Hidden and shown again, it is the same window with the same text.
    const std::string before = editor->script();
    EXPECT_TRUE(w->close());
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(open(), w);
    EXPECT_EQ(w->editor()->script(), before);
    EXPECT_EQ(find<QComboBox>("组合框_延时")->currentText(), QStringLiteral("2s"));
}

TEST_F(ScriptEditorWindowTest, ClearCopySaveFontAndDrop) {
    test::MessageRecorder messages;
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    editor->setScript(":local a \"中文\"\r\n:put $a");

    // Copying says nothing.
    click("按钮_复制");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral(":local a \"中文\"\n:put $a"));

    // Saving starts in the user's documents and writes the GBK bytes as they stand.
    const test::EnvOverride home("HOME", dir.path());
    const test::EnvOverride config("XDG_CONFIG_HOME", dir.filePath(QStringLiteral(".config")));
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    ASSERT_TRUE(QDir().mkpath(documents));
    const QString saved = dir.filePath(QStringLiteral("saved.rsc"));
    QString startDir, title;
    QApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    QTimer::singleShot(0, w, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr) return;
        startDir = dialog->directory().absolutePath();
        title = dialog->windowTitle();
        dialog->selectFile(saved);
        static_cast<QDialog*>(dialog)->accept();
    });
    click("按钮_另存为");
    EXPECT_EQ(startDir, QDir(documents).absolutePath());
    EXPECT_EQ(title, QStringLiteral("脚本另存为"));
    QFile f(saved);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray(":local a \"\xD6\xD0\xCE\xC4\"\r\n:put $a"));

    // Clearing can be taken back.
    click("按钮_清空");
    EXPECT_EQ(editor->script(), "");
    undo();
    EXPECT_EQ(editor->script(), ":local a \"中文\"\r\n:put $a");

    // A font chosen in the dialog becomes the editor's, and the line numbers follow it.
    const int narrow = w->findChild<QWidget*>(QStringLiteral("编辑框_行号"))->width();
    QFont large = editor->font();
    large.setPointSize(large.pointSize() * 3);
    QTimer::singleShot(0, w, [&] {
        auto* dialog = qobject_cast<QFontDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr) return;
        dialog->setCurrentFont(large);
        dialog->accept();
    });
    click("按钮_字体");
    EXPECT_EQ(editor->font().pointSize(), large.pointSize());
    EXPECT_GT(w->findChild<QWidget*>(QStringLiteral("编辑框_行号"))->width(), narrow);

    // A dropped file replaces the text.
    const QString dropped = dir.filePath(QStringLiteral("dropped.rsc"));
    {
        QFile out(dropped);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(QByteArray(":log info \"\xD6\xD0\xCE\xC4\""));
    }
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(dropped)});
    QDragEnterEvent enter(QPoint(40, 20), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(editor->viewport(), &enter);
    ASSERT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(40, 20), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(editor->viewport(), &drop);
    EXPECT_EQ(editor->script(), ":log info \"中文\"");

    EXPECT_TRUE(messages.seen.empty());
    EXPECT_EQ(mainWindow.scriptPane()->script(), welcome);
}

}  // namespace
}  // namespace vorlix
