#include <gtest/gtest.h>

#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

#include "GuiTestSupport.hpp"
#include "app/Language.hpp"
#include "app/MainWindow.hpp"
#include "app/ScriptPane.hpp"
#include "forms/settings.hpp"
#include "script/encoding.hpp"
#include "windows/SideWindow.hpp"

namespace vorlix {
namespace {

// A data directory of the test's own, with or without a language choice in it.
class LanguageTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(scratch.isValid());
        oldDataDir = qgetenv("VORLIX_DATA_DIR");
        qputenv("VORLIX_DATA_DIR", dataDir().toUtf8());
    }
    void TearDown() override { qputenv("VORLIX_DATA_DIR", oldDataDir); }

    QString dataDir() const { return scratch.filePath(QStringLiteral("data")); }
    void choose(const char* language) {
        ASSERT_EQ(write_setting(dataDir().toStdString(), setting::language, language), std::nullopt);
    }
    std::string stored() const { return read_setting(dataDir().toStdString(), setting::language); }
    template <typename T>
    static T* find(QWidget* w, const char* name) {
        return w->findChild<T*>(QString::fromUtf8(name));
    }

    QTemporaryDir scratch;
    QByteArray oldDataDir;
};

TEST_F(LanguageTest, TraditionalChoiceTranslatesTheWindowItsPagesAndTree) {
    choose("1");
    MainWindow window;
    QTreeWidget* tree = find<QTreeWidget>(&window, "树型框1");
    EXPECT_EQ(tree->topLevelItem(0)->text(0), QStringLiteral("系統"));
    EXPECT_EQ(find<QGroupBox>(&window, "分组框1")->title(), QStringLiteral("系統"));
    EXPECT_EQ(find<QPushButton>(&window, "按钮_语言")->text(), QStringLiteral("切換為簡體"));
    EXPECT_EQ(find<QPushButton>(&window, "按钮_复制内容")->text(), QStringLiteral("複製內容"));

    // A page built later, when first shown, is translated too; its tab keeps its Simplified caption,
    // and the frame takes the tree's text.
    window.selectTreeItem(1);
    EXPECT_EQ(find<QPushButton>(&window, "按钮_01生成")->text(), QStringLiteral("5.X/6.X系列腳本生成"));
    EXPECT_EQ(find<QGroupBox>(&window, "分组框1")->title(), QStringLiteral("添加管理員賬戶"));
    EXPECT_EQ(find<QTabWidget>(&window, "选择夹1")->tabText(0), QStringLiteral("系统"));
    EXPECT_EQ(window.scriptPane()->script().substr(0, 12), "欢迎使用") << "the script pane keeps its text";

    // Applied from memory: nothing but the settings file is in the data directory.
    EXPECT_EQ(QDir(dataDir()).entryList(QDir::Files), QStringList{QStringLiteral("config.ini")});
}

// A label too long for its column leaves its qualifier to the field's hint; in Traditional the label,
// the hint and the tooltip all take the pack's text, and the qualifier still shows once.
TEST_F(LanguageTest, QualifierMovedToTheHintIsTranslatedOnce) {
    choose("1");
    MainWindow window;
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    window.selectTreeItem(16);  // PPPoE服务器设置
    QCoreApplication::processEvents();
    QWidget* field = find<QWidget>(&window, "组合框_21网卡接口");
    ASSERT_NE(field, nullptr);
    QLabel* label = nullptr;
    QLabel* hint = nullptr;
    // The hint is the label right of the field, on its row.
    const int row = field->geometry().center().y();
    for (QLabel* l : field->parentWidget()->findChildren<QLabel*>()) {
        if (l->buddy() == field) label = l;
        if (l->buddy() == nullptr && l->geometry().top() <= row && l->geometry().bottom() >= row &&
            l->geometry().left() > field->geometry().right())
            hint = l;
    }
    ASSERT_NE(label, nullptr);
    ASSERT_NE(hint, nullptr);
    EXPECT_EQ(label->text(), QStringLiteral("撥號網卡接口:"));
    EXPECT_EQ(hint->text(), QStringLiteral("(多個服務器請勿重複) (設置PPPOE通過撥號服務器的網卡)"));
    EXPECT_EQ(field->toolTip(), QStringLiteral("(多個服務器請勿重複)  撥號網卡接口:"));
    const QString shown = label->text() + hint->text();
    EXPECT_EQ(shown.count(QStringLiteral("請勿重複")), 1);
}

// The inputs of a line above a page's list of lines are labelled from the pack too.
TEST_F(LanguageTest, LineInputLabelsAreTranslated) {
    choose("1");
    MainWindow window;
    window.selectTreeItem(7);  // 多线固定IP负载
    QWidget* gateway = find<QWidget>(&window, "编辑框_13配置网关");
    ASSERT_NE(gateway, nullptr);
    QLabel* label = nullptr;
    for (QLabel* l : window.findChildren<QLabel*>())
        if (l->buddy() == gateway) label = l;
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->text(), QStringLiteral("網關地址:"));
}

TEST_F(LanguageTest, SideWindowIsTranslatedOnFirstOpeningOnly) {
    choose("1");
    MainWindow window;
    const QString caption = MainWindow::sideWindowCaptions().constFirst();
    SideWindow* side = window.sideWindow(caption);
    ASSERT_NE(side, nullptr);
    auto* save = find<QAbstractButton>(side, "按钮_保存表单");
    ASSERT_NE(save, nullptr);
    EXPECT_EQ(save->text(), QStringLiteral("保存表單"));
    save->setText(QStringLiteral("changed since"));
    window.openSideWindow(caption);
    side->close();
    window.openSideWindow(caption);
    EXPECT_EQ(window.sideWindow(caption), side);
    EXPECT_EQ(save->text(), QStringLiteral("changed since"));
}

TEST_F(LanguageTest, SimplifiedUnlessTheChoiceIsExactlyOne) {
    for (const char* language : {"", "0", "2"}) {
        SCOPED_TRACE(language);
        if (*language != '\0') choose(language);
        MainWindow window;
        EXPECT_EQ(find<QTreeWidget>(&window, "树型框1")->topLevelItem(0)->text(0), QStringLiteral("系统"));
        EXPECT_EQ(find<QPushButton>(&window, "按钮_语言")->text(), QStringLiteral("切换为繁体"));
    }
}

TEST_F(LanguageTest, SwitchingAsksStoresAndSaysSoEitherWay) {
    {
        test::MessageRecorder messages(QMessageBox::Cancel);
        MainWindow window;
        QTest::mouseClick(find<QPushButton>(&window, "按钮_语言"), Qt::LeftButton);
        ASSERT_EQ(messages.seen.size(), 1u);
        EXPECT_EQ(messages.seen[0].text, "确认将Vorlix切换为繁体界面?");
        EXPECT_EQ(messages.seen[0].icon, kIconOkCancel);
        EXPECT_FALSE(QFile::exists(QDir(dataDir()).filePath(QStringLiteral("config.ini")))) << "cancel keeps all";
    }
    struct Case {
        const char* why;
        std::string question, done, after;
    };
    const Case cases[] = {
        {"to Traditional", "确认将Vorlix切换为繁体界面?", "已切换为繁体界面,请重新启动软件!", "1"},
        {"and back", "确认将Vorlix切换为简体界面?", "已切换为简体界面,请重新启动软件!", "0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        test::MessageRecorder messages(QMessageBox::Ok);
        MainWindow window;
        QTest::mouseClick(find<QPushButton>(&window, "按钮_语言"), Qt::LeftButton);
        ASSERT_EQ(messages.seen.size(), 2u);
        EXPECT_EQ(messages.seen[0].text, c.question);
        EXPECT_EQ(messages.seen[1].text, c.done);
        EXPECT_EQ(messages.seen[1].icon, kIconInformation);
        EXPECT_EQ(stored(), c.after);
    }
}

TEST_F(LanguageTest, ASwitchThatCannotBeStoredIsReportedNotClaimed) {
    QFile blocker(dataDir());  // a plain file where the data directory should be
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    test::MessageRecorder messages(QMessageBox::Ok);
    MainWindow window;
    QTest::mouseClick(find<QPushButton>(&window, "按钮_语言"), Qt::LeftButton);
    ASSERT_EQ(messages.seen.size(), 2u);
    EXPECT_TRUE(messages.seen[1].text.starts_with("无法保存设置: ")) << messages.seen[1].text;
    EXPECT_EQ(messages.seen[1].icon, kIconError);
    EXPECT_EQ(find<QPushButton>(&window, "按钮_语言")->text(), QStringLiteral("切换为繁体"));
}

TEST(LanguagePackApply, EmptyValuesAndLineBreaksFollowTheKindOfControl) {
    QWidget root;
    auto named = [&](QWidget* w, const char* name) {
        w->setObjectName(QString::fromUtf8(name));
        return w;
    };
    auto* multi = static_cast<QPlainTextEdit*>(named(new QPlainTextEdit(QStringLiteral("原"), &root), "编辑框_多"));
    auto* label = static_cast<QLabel*>(named(new QLabel(QStringLiteral("原"), &root), "标签_空"));
    auto* emptied = static_cast<QPushButton*>(named(new QPushButton(QStringLiteral("原"), &root), "按钮_空"));
    auto* unlisted = static_cast<QPushButton*>(named(new QPushButton(QStringLiteral("原"), &root), "按钮_无"));
    auto* radio = static_cast<QRadioButton*>(named(new QRadioButton(QStringLiteral("原"), &root), "单选框_r"));
    auto* pane = static_cast<ScriptPane*>(named(new ScriptPane(&root), "编辑框_代码"));
    pane->setScript("脚本");
    auto* inputLabel = new QLabel(QStringLiteral("名称:"), &root);
    inputLabel->setProperty(kLabelOfProperty, QStringLiteral("编辑框_多"));

    const LanguagePack pack =
        LanguagePack::parse(utf8_to_gbk("[编辑框1]\r\n编辑框_多=a><br><b\r\n编辑框_代码=不该出现\r\n"
                                        "[标签1]\r\n标签_空=\r\n"
                                        "[按钮1]\r\n按钮_空=\r\n"
                                        "[单选框1]\r\n单选框_r=甲乙\r\n"
                                        "[输入标签1]\r\n编辑框_多=名稱:\r\n"));
    applyLanguagePack(&root, pack);
    EXPECT_EQ(multi->toPlainText(), QStringLiteral("a\nb"));
    EXPECT_EQ(multi->document()->blockCount(), 2);
    EXPECT_EQ(label->text(), QStringLiteral("原")) << "an empty label value keeps the caption";
    EXPECT_EQ(emptied->text(), QString()) << "an empty button value empties it";
    EXPECT_EQ(unlisted->text(), QStringLiteral("原")) << "a control the pack lacks keeps its caption";
    EXPECT_EQ(radio->text(), QStringLiteral("甲乙"));
    EXPECT_EQ(pane->script(), "脚本");
    EXPECT_EQ(inputLabel->text(), QStringLiteral("名稱:"));
}

}  // namespace
}  // namespace vorlix
