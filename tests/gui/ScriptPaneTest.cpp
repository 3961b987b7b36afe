#include <gtest/gtest.h>
#include <sys/resource.h>

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QMimeData>
#include <QScreen>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
#include <csignal>

#include "GuiTestSupport.hpp"
#include "app/ScriptPane.hpp"
#include "script/text.hpp"

namespace vorlix {
namespace {

class ScriptPaneTest : public ::testing::Test {
protected:
    void SetUp() override {
        pane.resize(420, 220);
        pane.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&pane));
        ASSERT_TRUE(dir.isValid());
    }
    QString path(const char* name) const { return dir.filePath(QString::fromUtf8(name)); }
    static void writeFile(const QString& file, const QByteArray& bytes) {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    static QByteArray readFile(const QString& file) {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
    }
    QWidget* gutter() { return pane.findChild<QWidget*>(QStringLiteral("编辑框_行号")); }
    // The gutter as the screen shows it now, and as it would be painted afresh.
    QImage gutterOnScreen() {
        QCoreApplication::processEvents();
        const QPoint at = gutter()->mapTo(&pane, QPoint(0, 0));
        return pane.screen()
            ->grabWindow(pane.winId(), at.x(), at.y(), gutter()->width(), gutter()->height())
            .toImage()
            .convertToFormat(QImage::Format_RGB32);
    }
    QImage gutterPainted() { return gutter()->grab().toImage().convertToFormat(QImage::Format_RGB32); }

    ScriptPane pane;
    QTemporaryDir dir;
};

TEST_F(ScriptPaneTest, KeepsCrLfTextAndCountsLines) {
    struct Case {
        const char* why;
        std::string in, out;
        int lines;
    };
    const Case cases[] = {
        {"CR LF between lines", "a\r\nb\r\n\r\nc", "a\r\nb\r\n\r\nc", 4},
        {"LF alone becomes CR LF", "a\nb", "a\r\nb", 2},
        {"a final line end starts an empty line", "a\r\n", "a\r\n", 2},
        {"empty pane has one line", "", "", 1},
        {"no-break space and Chinese kept",
         "a\xC2\xA0"
         "b 中文",
         "a\xC2\xA0"
         "b 中文",
         1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        pane.setScript(c.in);
        EXPECT_EQ(pane.script(), c.out);
        EXPECT_EQ(pane.lineCount(), c.lines);
        EXPECT_EQ(pane.gutterText().toStdString(), line_numbers(c.lines));
    }
}

TEST_F(ScriptPaneTest, GutterFollowsScrollBarAndWheel) {
    std::string text;
    for (int i = 1; i <= 200; ++i) text += (i > 1 ? "\r\n" : "") + std::string("/log info line") + std::to_string(i);
    pane.setScript(text);
    EXPECT_EQ(pane.gutterText().toStdString(), line_numbers(200));
    ASSERT_NE(gutter(), nullptr);
    const QImage top = gutterOnScreen();
    EXPECT_EQ(top, gutterPainted());

    pane.verticalScrollBar()->setValue(50);
    EXPECT_EQ(pane.firstVisibleLine(), 51);
    const QImage scrolled = gutterOnScreen();
    EXPECT_NE(scrolled, top);
    EXPECT_EQ(scrolled, gutterPainted());  // what the screen shows is the gutter for line 51 on

    QWheelEvent wheel(QPointF(100, 50), pane.viewport()->mapToGlobal(QPointF(100, 50)), QPoint(), QPoint(0, -120),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(pane.viewport(), &wheel);
    EXPECT_GT(pane.firstVisibleLine(), 51);
    EXPECT_EQ(gutterOnScreen(), gutterPainted());
}

TEST_F(ScriptPaneTest, GutterWidensWithTheLineCount) {
    pane.setScript("a\r\nb");
    const int narrow = gutter()->width();
    std::string text;
    for (int i = 0; i < 12000; ++i) text += "x\r\n";
    pane.setScript(text);
    EXPECT_GT(gutter()->width(), narrow);
    // Still flush with the text: the gutter ends where the text area begins.
    EXPECT_EQ(gutter()->geometry().right() + 1, pane.viewport()->geometry().left());
    EXPECT_EQ(gutterOnScreen(), gutterPainted());
}

TEST_F(ScriptPaneTest, OnlyCtrlAAloneSelectsAll) {
    struct Case {
        const char* why;
        Qt::KeyboardModifiers modifiers;
        bool selectsAll;
    };
    const Case cases[] = {
        {"Ctrl+A", Qt::ControlModifier, true},
        {"Ctrl+Shift+A", Qt::ControlModifier | Qt::ShiftModifier, false},
        {"Alt+A", Qt::AltModifier, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        pane.setScript("/system reboot\r\n/system shutdown");
        QTest::keyClick(&pane, Qt::Key_A, c.modifiers);
        const QTextCursor cursor = pane.textCursor();
        const bool all = cursor.selectionStart() == 0 && cursor.selectionEnd() == pane.document()->characterCount() - 1;
        EXPECT_EQ(all, c.selectsAll);
    }
}

TEST_F(ScriptPaneTest, ReplacesEveryOccurrenceWithoutRescanning) {
    struct Case {
        const char* why;
        std::string text, from, to, want;
    };
    const Case cases[] = {
        {"ether1 also turns ether10 and ether11", "ether1 ether10\r\nether11", "ether1", "ether9",
         "ether9 ether90\r\nether91"},
        {"case-sensitive", "ether1", "Ether1", "x", "ether1"},
        {"empty search text changes nothing", "ether1", "", "x", "ether1"},
        {"empty replacement deletes", "a-b-c", "-", "", "abc"},
        {"replacement holding the search text is not rescanned", "aa", "a", "aa", "aaaa"},
        {"Chinese", "备注 中文 备注", "备注", "说明", "说明 中文 说明"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        pane.setScript(c.text);
        pane.replaceAll(QString::fromStdString(c.from), QString::fromStdString(c.to));
        EXPECT_EQ(pane.script(), c.want);
    }
}

TEST_F(ScriptPaneTest, SavesGbkBytesWithCrLf) {
    test::MessageRecorder messages;
    const QString file = path("out.rsc");
    writeFile(file, "an older and longer file that is replaced whole");
    pane.setScript("/system reboot\r\n# 定时重启\r\n");
    ASSERT_TRUE(pane.saveTo(file));
    EXPECT_EQ(readFile(file), QByteArray("/system reboot\r\n# \xB6\xA8\xCA\xB1\xD6\xD8\xC6\xF4\r\n"));
    EXPECT_TRUE(messages.seen.empty());
}

TEST_F(ScriptPaneTest, FailedSaveKeepsTheOldFileAndSaysWhy) {
    test::MessageRecorder messages;
    pane.setScript(std::string(4096, 'x'));

    // No such directory.
    const QString missing = path("no-such-dir/out.rsc");
    EXPECT_FALSE(pane.saveTo(missing));
    ASSERT_EQ(messages.seen.size(), 1u);
    EXPECT_EQ(messages.seen[0].icon, kIconError);
    EXPECT_NE(messages.seen[0].text.find(QDir::toNativeSeparators(missing).toStdString()), std::string::npos);

    // The disk fills up half-way: the write fails, and the file keeps its old content.
    const QString file = path("keep.rsc");
    writeFile(file, "old content");
    rlimit old{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
    rlimit small = old;
    small.rlim_cur = 1024;
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool saved = pane.saveTo(file);
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_FALSE(saved);
    EXPECT_EQ(readFile(file), QByteArray("old content"));
    ASSERT_EQ(messages.seen.size(), 2u);
    EXPECT_EQ(messages.seen[1].icon, kIconError);
    EXPECT_NE(messages.seen[1].text.find("keep.rsc"), std::string::npos);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("keep.rsc")});  // no leftovers
}

TEST_F(ScriptPaneTest, DroppedFilesAreDecoded) {
    struct Case {
        const char* why;
        QByteArray bytes;
        std::string want;
    };
    const Case cases[] = {
        {"zero byte ends the text", QByteArray("/system reboot\0garbage", 22), "/system reboot"},
        {"UTF-8", QByteArray("# 中文\r\n/system reboot"), "# 中文\r\n/system reboot"},
        {"GBK", QByteArray("# \xD6\xD0\xCE\xC4"), "# 中文"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        const QString file = path("dropped.rsc");
        writeFile(file, c.bytes);
        pane.openFile(file);
        EXPECT_EQ(pane.script(), c.want);
    }
    pane.openFile(path("missing.rsc"));
    EXPECT_EQ(pane.script(), "");  // an unreadable file empties the pane

    // Through a real drop on the editor.
    const QString file = path("real drop.rsc");
    writeFile(file, "/ip dns set servers=1.1.1.1");
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(file)});
    QDragEnterEvent enter(QPoint(20, 20), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(pane.viewport(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(20, 20), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(pane.viewport(), &drop);
    EXPECT_EQ(pane.script(), "/ip dns set servers=1.1.1.1");
}

TEST_F(ScriptPaneTest, AHugeDroppedFileIsRefusedAndThePaneKept) {
    test::MessageRecorder messages;
    pane.setScript("/system reboot");
    const QString file = path("disk.img");
    writeFile(file, "x");
    ASSERT_TRUE(QFile::resize(file, 33 * 1024 * 1024));  // sparse: no disk space taken
    pane.openFile(file);
    EXPECT_EQ(pane.script(), "/system reboot");
    ASSERT_EQ(messages.seen.size(), 1u);
    EXPECT_EQ(messages.seen[0].icon, kIconWarning);
    EXPECT_NE(messages.seen[0].text.find("disk.img"), std::string::npos);
}

TEST_F(ScriptPaneTest, CopyPutsTheTextOnTheClipboardAndSaysSo) {
    test::MessageRecorder messages;
    pane.setScript("/system reboot\r\n/system shutdown");
    pane.copyToClipboard();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("/system reboot\n/system shutdown"));
    ASSERT_EQ(messages.seen.size(), 1u);
    EXPECT_EQ(messages.seen[0].text, "已复制到剪切板");
    EXPECT_EQ(messages.seen[0].icon, kIconWarning);
    EXPECT_FALSE(messages.seen[0].caption);
}

// Each insertion is one step that Ctrl+Z takes back whole; a statement goes to the end of the text
// on a line of its own whatever is selected, an operator replaces the selection.
TEST_F(ScriptPaneTest, InsertionsAreOneUndoStepEach) {
    struct Case {
        std::string_view why, before;
        int selectFrom, selectTo;  // the selection before the insertion
        Insertion insertion;
        std::string_view after;
    };
    const Case cases[] = {
        {"statement into an empty pane", "", 0, 0, {":put []", InsertAt::new_line}, "\r\n:put []"},
        {"statement after a selection, which stays",
         ":local a 1\r\n:put $a",
         7,
         8,
         {":put []", InsertAt::new_line},
         ":local a 1\r\n:put $a\r\n:put []"},
        {"operator replaces the selected word", ":put (a b)", 7, 8, {" + ", InsertAt::caret}, ":put (a + b)"},
        {"operator at the caret", ":put (ab)", 7, 7, {" . ", InsertAt::caret}, ":put (a . b)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        pane.setScript(c.before);
        QTextCursor cursor = pane.textCursor();
        cursor.setPosition(c.selectFrom);
        cursor.setPosition(c.selectTo, QTextCursor::KeepAnchor);
        pane.setTextCursor(cursor);
        pane.insert(c.insertion);
        EXPECT_EQ(pane.script(), c.after);
        EXPECT_TRUE(pane.hasFocus());
        QTest::keyClick(&pane, Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(pane.script(), c.before);
    }
}

TEST_F(ScriptPaneTest, ClearingCanBeUndone) {
    pane.setScript(":local a 1\r\n:put $a");
    pane.clearText();
    EXPECT_EQ(pane.script(), "");
    EXPECT_EQ(pane.lineCount(), 1);
    pane.setFocus();
    QTest::keyClick(&pane, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(pane.script(), ":local a 1\r\n:put $a");
}

TEST_F(ScriptPaneTest, GutterFollowsTheFont) {
    pane.setScript("a\r\nb");
    const int narrow = gutter()->width();
    QFont large = pane.font();
    large.setPointSize(large.pointSize() * 3);
    pane.setFont(large);
    QCoreApplication::processEvents();
    EXPECT_GT(gutter()->width(), narrow);
    EXPECT_EQ(gutter()->geometry().right() + 1, pane.viewport()->geometry().left());
    EXPECT_EQ(gutterOnScreen(), gutterPainted());
}

}  // namespace
}  // namespace vorlix
