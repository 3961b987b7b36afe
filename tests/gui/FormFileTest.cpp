// 保存表单 and 载入表单: a page's set-up through a form file and back, what a load refuses, the recent
// files the load dialog offers, and vorlix-cli reading what the window saved.
#include <gtest/gtest.h>

#include <sys/resource.h>

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <csignal>

#include "GuiTestSupport.hpp"
#include "app/FormFileBar.hpp"
#include "app/FormFiles.hpp"
#include "app/FormLoadDialog.hpp"
#include "app/MainWindow.hpp"
#include "app/PageView.hpp"
#include "app/QtText.hpp"
#include "app/ScriptPane.hpp"
#include "cli/cli_runner.hpp"
#include "generators/all_pages.hpp"
#include "support/hostile_form.hpp"
#include "windows/SideWindow.hpp"

namespace vorlix {
namespace {

// The widgets of `view` set to `form`'s values, as if typed and clicked.
void show(PageView& view, const Form& form) {
    std::vector<ControlUpdate> updates;
    for (const ControlSpec& c : view.spec().controls)
        if (test::kept_in_form_file(c)) updates.push_back({c.name, *form.find(c.name), std::nullopt});
    view.apply(updates);
}

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeAll(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

class FormFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        // A data directory of its own: the recent list must not mix with other tests running beside it.
        oldDataDir = qgetenv("VORLIX_DATA_DIR");
        qputenv("VORLIX_DATA_DIR", dir.filePath(QStringLiteral("data")).toUtf8());
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    void TearDown() override { qputenv("VORLIX_DATA_DIR", oldDataDir); }

    QString path(const char* name) const { return dir.filePath(QString::fromUtf8(name)); }
    QTabWidget* outerTabs() { return window.findChild<QTabWidget*>(QStringLiteral("选择夹1")); }
    // Shows the page with that caption and returns it, built.
    PageView* open(std::string_view caption) {
        const std::vector<Area>& areas = registry().areas();
        for (std::size_t o = 0; o < areas.size(); ++o)
            for (std::size_t i = 0; i < areas[o].pages.size(); ++i)
                if (areas[o].pages[i].spec->caption == caption) return open(static_cast<int>(o), static_cast<int>(i));
        ADD_FAILURE() << "no page " << caption;
        return nullptr;
    }
    PageView* open(int outer, int inner) {
        outerTabs()->setCurrentIndex(outer);
        qobject_cast<QTabWidget*>(outerTabs()->widget(outer))->setCurrentIndex(inner);
        return window.currentPageView();
    }

    QTemporaryDir dir;
    QByteArray oldDataDir;
    MainWindow window;
    test::MessageRecorder messages;
};

// Saved and loaded back through the widgets, every page of the window shows what it showed when it
// was saved: its defaults, and values that break careless quoting in every field.
TEST_F(FormFileTest, EveryPageRoundTripsThroughAFile) {
    int pages = 0;
    const std::vector<Area>& areas = registry().areas();
    for (std::size_t o = 0; o < areas.size(); ++o) {
        for (std::size_t i = 0; i < areas[o].pages.size(); ++i) {
            const PageSpec& spec = *areas[o].pages[i].spec;
            if (spec.controls.empty()) continue;  // not built yet
            SCOPED_TRACE(spec.caption);
            PageView* view = open(static_cast<int>(o), static_cast<int>(i));
            ASSERT_NE(view, nullptr);
            ++pages;
            const Form defaults = Form::defaults(spec);
            for (std::size_t variant = 0; variant < 2; ++variant) {
                const Form hostile = test::hostile_form(spec, variant);
                // Saved with the hostile values, loaded over the defaults; then the other way round.
                for (const auto& [saved, over] : {std::pair{&hostile, &defaults}, std::pair{&defaults, &hostile}}) {
                    show(*view, *saved);
                    const Form shown = view->collect();
                    ASSERT_EQ(saveForm(*view, path("page.json")), QString());
                    show(*view, *over);
                    const FormLoad loaded = loadForm(*view, path("page.json"));
                    ASSERT_EQ(loaded.error, QString());
                    EXPECT_TRUE(loaded.ignored.isEmpty());
                    test::expect_same_kept_values(spec, shown, view->collect());
                }
            }
        }
    }
    EXPECT_GT(pages, 10);
    EXPECT_TRUE(messages.seen.empty());
}

// A file that cannot be loaded as a whole changes nothing and says why, naming what is wrong.
TEST_F(FormFileTest, RefusedFilesLeaveThePageAsItWas) {
    PageView* admin = open("添加管理账户");
    ASSERT_EQ(saveForm(*admin, path("admin.json")), QString());
    PageView* view = open("多线固定IP负载");
    show(*view, test::hostile_form(view->spec(), 0));
    ASSERT_EQ(saveForm(*view, path("good.json")), QString());
    const QByteArray good = readAll(path("good.json"));
    QByteArray wide = good;
    const qsizetype rows = wide.indexOf("\"超级列表框_13\": [[");
    ASSERT_GT(rows, 0);
    wide.insert(rows + qsizetype(sizeof("\"超级列表框_13\": [[") - 1), "\"extra\",");
    writeAll(path("truncated.json"), good.left(good.size() / 2));
    writeAll(path("wide.json"), wide);
    writeAll(path("newer.json"), QByteArray(good).replace("\"vorlix-form\": 1", "\"vorlix-form\": 7"));

    struct Case {
        const char* why;
        const char* file;
        QStringList mentions;
    };
    const Case cases[] = {
        {"another page's file", "admin.json", {"添加管理账户", "多线固定IP负载"}},
        {"a truncated file", "truncated.json", {"truncated.json", "不完整"}},
        {"a row of the wrong width", "wide.json", {"超级列表框_13", "每行 3 个"}},
        {"a newer format", "newer.json", {"较新版本"}},
        {"no file", "missing.json", {"missing.json"}},
    };
    show(*view, Form::defaults(view->spec()));
    const Form before = view->collect();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        const FormLoad loaded = loadForm(*view, path(c.file));
        for (const QString& m : c.mentions) EXPECT_TRUE(loaded.error.contains(m)) << loaded.error.toStdString();
        EXPECT_EQ(view->collect().values(), before.values());
    }
}

TEST_F(FormFileTest, ControlsThePageLacksAreNamedAndTheRestIsLoaded) {
    PageView* view = open("添加管理账户");
    writeAll(path("old.json"), R"({"vorlix-form": 1, "page": "添加管理账户", "values": {
        "编辑框_01用户名": "noc", "编辑框_01旧控件": "x", "选择框_01已删除": true}})");
    const FormLoad loaded = loadForm(*view, path("old.json"));
    EXPECT_EQ(loaded.error, QString());
    EXPECT_EQ(loaded.ignored, (QStringList{"编辑框_01旧控件", "选择框_01已删除"}));
    EXPECT_EQ(view->collect().text("编辑框_01用户名"), "noc");
}

// A loaded page is as the user's own clicks would have left it: with digits and letters both checked,
// the case list shows both cases and cannot be changed.
TEST_F(FormFileTest, LoadingAppliesThePagesReactionsToItsCheckBoxes) {
    PageView* view = open("添加PPPoE账号(批量)");
    writeAll(path("cases.json"), R"json({"vorlix-form": 1, "page": "添加PPPoE账号(批量)", "values": {
        "选择框_22账号数字": true, "选择框_22账号字母": true, "组合框_22账号大小写字母": "小写字母"}})json");
    ASSERT_EQ(loadForm(*view, path("cases.json")).error, QString());
    auto* cases = qobject_cast<QComboBox*>(view->control("组合框_22账号大小写字母"));
    EXPECT_EQ(cases->currentText(), QStringLiteral("大小写字母"));
    EXPECT_FALSE(cases->isEnabled());
    EXPECT_TRUE(view->control("组合框_22密码大小写字母")->isEnabled());
}

TEST_F(FormFileTest, AFailedSaveKeepsTheOldFileAndSaysWhy) {
    PageView* view = open("多线固定IP负载");
    // Enough rows that the file is well past the size limit set below.
    std::string rows = "[";
    for (int i = 0; i < 40; ++i)
        rows += (i ? "," : "") + std::string("[\"10.0.") + std::to_string(i) + ".1/24\",\"10.0." + std::to_string(i) +
                ".254\",\"ether" + std::to_string(i) + "\"]";
    Form big = Form::defaults(view->spec());
    ASSERT_FALSE(set_control(view->spec(), big, "超级列表框_13", rows + "]"));
    show(*view, big);

    const QString missing = path("no-such-dir/form.json");
    EXPECT_TRUE(saveForm(*view, missing).contains(QDir::toNativeSeparators(missing)));

    // The disk fills up half-way: the file keeps its old content, and no temporary file is left.
    writeAll(path("keep.json"), "old content");
    rlimit old{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
    rlimit small = old;
    small.rlim_cur = 1024;
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const QString error = saveForm(*view, path("keep.json"));
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_TRUE(error.contains(QStringLiteral("keep.json"))) << error.toStdString();
    EXPECT_EQ(readAll(path("keep.json")), QByteArray("old content"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("keep.json")});
    EXPECT_TRUE(recentFormFiles().empty());  // nothing was saved, so nothing is offered
}

TEST_F(FormFileTest, TheLoadDialogOffersTheRecentFilesOfThisPage) {
    ASSERT_EQ(saveForm(*open("添加管理账户"), path("a.json")), QString());
    ASSERT_EQ(saveForm(*open("多线固定IP负载"), path("b.json")), QString());
    ASSERT_EQ(saveForm(*open("添加管理账户"), path("c.json")), QString());
    ASSERT_TRUE(QFile::remove(path("c.json")));
    const std::vector<RecentFormFile> recent = recentFormFiles();
    ASSERT_EQ(recent.size(), 3u);
    EXPECT_EQ(qs(recent[0].path), QFileInfo(path("c.json")).absoluteFilePath());
    EXPECT_EQ(recent[1].page, "多线固定IP负载");

    FormLoadDialog dialog("添加管理账户", recent);
    auto* list = dialog.findChild<QListWidget*>(QStringLiteral("列表框_最近表单"));
    ASSERT_EQ(list->count(), 3);
    EXPECT_FALSE(list->item(0)->flags() & Qt::ItemIsEnabled);  // gone
    EXPECT_TRUE(list->item(0)->toolTip().contains(QStringLiteral("不存在")));
    EXPECT_FALSE(list->item(1)->flags() & Qt::ItemIsEnabled);  // another page's
    EXPECT_TRUE(list->item(1)->text().contains(QStringLiteral("多线固定IP负载")));
    EXPECT_TRUE(list->item(2)->isSelected());
    dialog.findChild<QPushButton*>(QStringLiteral("按钮_载入"))->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.selectedPath(), QFileInfo(path("a.json")).absoluteFilePath());

    // Loading a file puts it first again.
    ASSERT_EQ(loadForm(*open("添加管理账户"), path("a.json")).error, QString());
    EXPECT_EQ(qs(recentFormFiles().front().path), QFileInfo(path("a.json")).absoluteFilePath());
}

TEST_F(FormFileTest, TheButtonsActOnBuiltPagesOnly) {
    auto* save = window.findChild<QToolButton*>(QStringLiteral("按钮_保存表单"));
    auto* load = window.findChild<QToolButton*>(QStringLiteral("按钮_载入表单"));
    ASSERT_NE(save, nullptr);
    ASSERT_NE(load, nullptr);
    EXPECT_TRUE(save->isVisible());
    open("添加管理账户");
    EXPECT_TRUE(save->isEnabled() && load->isEnabled());
    const std::vector<Area>& areas = registry().areas();
    for (std::size_t o = 0; o < areas.size(); ++o)
        for (std::size_t i = 0; i < areas[o].pages.size(); ++i)
            if (areas[o].pages[i].spec->controls.empty()) {
                SCOPED_TRACE(areas[o].pages[i].spec->caption);
                EXPECT_EQ(open(static_cast<int>(o), static_cast<int>(i)), nullptr);
                EXPECT_FALSE(save->isEnabled() || load->isEnabled());
                return;
            }
}

// A side window keeps its set-up the same way, with buttons of its own.
TEST_F(FormFileTest, SideWindowsHaveFormFilesToo) {
    SideWindow* side = window.sideWindow(QStringLiteral("路由表生成器"));
    ASSERT_NE(side, nullptr);
    EXPECT_NE(side->findChild<QToolButton*>(QStringLiteral("按钮_保存表单")), nullptr);
    PageView* view = side->page();
    const std::string editor = "# a script in the window's own editor";
    side->editor()->setScript(editor);
    show(*view, test::hostile_form(view->spec(), 2));
    const Form shown = view->collect();
    ASSERT_EQ(saveForm(*view, path("routes.json")), QString());
    show(*view, Form::defaults(view->spec()));
    ASSERT_EQ(loadForm(*view, path("routes.json")).error, QString());
    test::expect_same_kept_values(view->spec(), shown, view->collect());
    EXPECT_EQ(side->editor()->script(), editor);  // a form file holds no output

    const FormLoad refused = loadForm(*open("添加管理账户"), path("routes.json"));
    EXPECT_TRUE(refused.error.contains(QStringLiteral("路由表生成器"))) << refused.error.toStdString();
}

// What the window saved, vorlix-cli presses to the same script as the window, hostile values and all.
TEST_F(FormFileTest, TheCommandLineRegeneratesWhatTheWindowSaved) {
    struct Case {
        std::string_view page, button;
    };
    const Case cases[] = {
        {"添加管理账户", "按钮_01生成"},
        {"多线固定IP负载", "按钮_13PCC生成"},
        {"PPPoE服务器设置", "按钮_21生成"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.page);
        PageView* view = open(c.page);
        show(*view, test::hostile_form(view->spec(), 1));
        messages.seen.clear();
        window.scriptPane()->setScript("");
        qobject_cast<QPushButton*>(view->control(c.button))->click();
        ASSERT_EQ(saveForm(*view, path("saved.json")), QString());

        const test::CliRun run =
            test::cli({"generate", std::string(c.button), "--form", path("saved.json").toStdString()});
        // Hostile values may draw a warning about their shape beside the script, never a refusal.
        for (const Message& m : messages.seen) EXPECT_EQ(m.icon, kIconWarning) << m.text;
        EXPECT_EQ(run.code, 0) << run.err;
        EXPECT_EQ(run.out, window.scriptPane()->script());
        EXPECT_NE(run.out, "");
    }
}

}  // namespace
}  // namespace vorlix
