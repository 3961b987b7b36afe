#include <gtest/gtest.h>

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSlider>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTreeWidget>
#include <stdexcept>

#include "GuiTestSupport.hpp"
#include "app/PageView.hpp"
#include "app/ScriptPane.hpp"

namespace vorlix {
namespace {

// A page with one control of every kind.
const PageSpec& kitchenSink() {
    static const PageSpec kPage{
        .caption = "测试页",
        .window = "测试窗口",
        .controls = {
            group_box("分组框A", "输入"),
            edit("编辑框_名称", "名称:", "MAVEK").in("分组框A").hinted("(提示文字)"),
            password("编辑框_密码", "密码:", "secret").in("分组框A").hinted("(密码提示)"),
            edit("编辑框_掩码", "/", "24").in("分组框A").beside(),
            edit("编辑框_范围", "范围:", "192.168.100.100-192.168.100.200").in("分组框A"),
            editable_combo("组合框_接口", "接口:", {"ether1", "ether2"}, "ether1").in("分组框A"),
            drop_down("组合框_模式", "模式:", {"甲", "乙", "丙"}, 1).in("分组框A"),
            check_box("选择框_启用", "启用", true).in("分组框A"),
            radio_button("单选框_1", "一", true).in("分组框A"),
            radio_button("单选框_2", "二", false).in("分组框A").beside(),
            radio_button("单选框_3", "三", true).in("分组框A").radios("另一组"),
            multi_line_edit("编辑框_多行", "a\r\nb"),
            line_list("超级列表框_线路", {{"账号", 120}, {"密码", 90}}),
            label("标签_说明", "说明 <b>不是</b> 富文本"),
            hyperlink("标签_链接", "官网", "https://vorlix.org"),
            button("按钮_生成", "生成"),
            button("按钮_拒绝", "拒绝"),
            button("按钮_异常", "异常"),
            button("按钮_以后", "以后").off(),
        }};
    return kPage;
}

Form g_lastForm;
int g_calls = 0;

Outcome generate(const Form& form, Env&) {
    g_lastForm = form;
    ++g_calls;
    return Outcome::from(Result::ok("name=" + form.text("编辑框_名称") + "\r\nmode=" + form.text("组合框_模式")));
}
Outcome refuse(const Form&, Env&) {
    return Outcome::from(Result::refuse("请输入密码!", "编辑框_密码", kIconWarning));
}
Outcome fail(const Form&, Env&) {
    throw std::runtime_error("boom");
}
Outcome rowSelected(const Form& form, Env&) {
    g_lastForm = form;
    ++g_calls;
    const Row& row = form.rows("超级列表框_线路").at(static_cast<std::size_t>(form.index("超级列表框_线路")));
    Outcome o;
    o.updates.push_back({"编辑框_名称", {.text = row[0]}});
    return o;
}

// Clicking 选择框_启用 greys 编辑框_名称 out while the box is clear.
Outcome enableName(const Form& form, Env&) {
    g_lastForm = form;
    ++g_calls;
    Outcome o;
    o.updates.push_back({"编辑框_名称", {.text = form.text("编辑框_名称")}, form.checked("选择框_启用")});
    return o;
}
Outcome radioClicked(const Form& form, Env&) {
    g_lastForm = form;
    ++g_calls;
    return {};
}

// A click where a user clicks a check box or radio button: on its indicator, whatever the widget's width.
void clickIndicator(QWidget* button) {
    test::clickIndicator(button);
}

class PageViewTest : public ::testing::Test {
protected:
    PageViewTest()
        : view(PageEntry{&kitchenSink(),
                         {{"按钮_生成", generate},
                          {"按钮_拒绝", refuse},
                          {"按钮_异常", fail},
                          {"超级列表框_线路", rowSelected, BindingKind::action},
                          {"选择框_启用", enableName, BindingKind::action},
                          {"单选框_2", radioClicked, BindingKind::action}}}) {
        g_calls = 0;
        g_lastForm = Form();
        view.resize(700, 600);
        view.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&view));
    }
    template <typename T = QWidget>
    T* find(const char* name) {
        return qobject_cast<T*>(view.control(name));
    }

    PageView view;
};

TEST_F(PageViewTest, RendersEveryKindUnderItsName) {
    for (const ControlSpec& c : kitchenSink().controls) {
        SCOPED_TRACE(c.name);
        QWidget* w = view.control(c.name);
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(view.findChild<QWidget*>(QString::fromStdString(c.name)), w);
        EXPECT_EQ(w->isEnabled(), !c.disabled);
    }
    EXPECT_EQ(find<QLineEdit>("编辑框_密码")->echoMode(), QLineEdit::Password);
    EXPECT_EQ(find<QLineEdit>("编辑框_名称")->echoMode(), QLineEdit::Normal);
    EXPECT_TRUE(find<QComboBox>("组合框_接口")->isEditable());
    EXPECT_FALSE(find<QComboBox>("组合框_模式")->isEditable());
    EXPECT_EQ(find<QComboBox>("组合框_模式")->count(), 3);
    auto* list = find<QTreeWidget>("超级列表框_线路");
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->headerItem()->text(1), QStringLiteral("密码"));
    EXPECT_EQ(list->columnWidth(0), 120);
    EXPECT_EQ(find<QLabel>("标签_说明")->textFormat(), Qt::PlainText);
    EXPECT_TRUE(find<QLabel>("标签_链接")->text().contains(QStringLiteral("href=\"https://vorlix.org\"")));
    EXPECT_TRUE(find<QLabel>("标签_链接")->openExternalLinks());
}

TEST_F(PageViewTest, LabelsHintsAndBesideControlsShareTheirRow) {
    auto centreY = [this](QWidget* w) { return test::centreY(w, &view); };
    auto leftX = [this](QWidget* w) { return test::leftX(w, &view); };
    auto labelFor = [this](QWidget* w) { return test::labelFor(&view, w); };
    QWidget* name = find("编辑框_名称");
    QLabel* nameLabel = labelFor(name);
    ASSERT_NE(nameLabel, nullptr);
    EXPECT_EQ(nameLabel->text(), QStringLiteral("名称:"));
    EXPECT_LT(leftX(nameLabel), leftX(name));
    EXPECT_EQ(centreY(nameLabel), centreY(name));
    auto hintLabel = [this](const char* text) -> QLabel* {
        for (QLabel* l : view.findChildren<QLabel*>())
            if (l->text() == QString::fromUtf8(text)) return l;
        return nullptr;
    };
    QLabel* hint = hintLabel("(提示文字)");
    ASSERT_NE(hint, nullptr);
    EXPECT_GT(leftX(hint), leftX(name));
    EXPECT_EQ(centreY(hint), centreY(name));

    // A control marked beside sits right of the one before it, its own label between them.
    QWidget* password = find("编辑框_密码");
    QWidget* mask = find("编辑框_掩码");
    QLabel* slash = labelFor(mask);
    ASSERT_NE(slash, nullptr);
    EXPECT_EQ(centreY(mask), centreY(password));
    EXPECT_LT(leftX(password), leftX(slash));
    EXPECT_LT(leftX(slash), leftX(mask));
    // The password's hint waits until the field continued beside it ends.
    QLabel* passwordHint = hintLabel("(密码提示)");
    ASSERT_NE(passwordHint, nullptr);
    EXPECT_GT(leftX(passwordHint), leftX(mask));
    EXPECT_EQ(centreY(passwordHint), centreY(password));
    EXPECT_GT(centreY(find("组合框_接口")), centreY(password));
}

TEST_F(PageViewTest, CollectStartsAtTheDefaultsAndReadsWhatWasTyped) {
    EXPECT_EQ(view.collect().values(), Form::defaults(kitchenSink()).values());

    find<QLineEdit>("编辑框_名称")->setText(QStringLiteral("张三"));
    find<QComboBox>("组合框_接口")->setEditText(QStringLiteral("vlan10"));
    find<QComboBox>("组合框_模式")->setCurrentIndex(2);
    find<QCheckBox>("选择框_启用")->setChecked(false);
    find<QRadioButton>("单选框_2")->click();
    find<QPlainTextEdit>("编辑框_多行")->setPlainText(QStringLiteral("x\ny"));
    const Form form = view.collect();
    EXPECT_EQ(form.text("编辑框_名称"), "张三");
    EXPECT_EQ(form.text("组合框_接口"), "vlan10");
    EXPECT_EQ(form.index("组合框_模式"), 2);
    EXPECT_EQ(form.text("组合框_模式"), "丙");
    EXPECT_FALSE(form.checked("选择框_启用"));
    EXPECT_FALSE(form.checked("单选框_1"));
    EXPECT_TRUE(form.checked("单选框_2"));
    EXPECT_TRUE(form.checked("单选框_3"));  // another set
    EXPECT_EQ(form.text("编辑框_多行"), "x\r\ny");
    EXPECT_TRUE(form.unknown_reads().empty());
}

TEST_F(PageViewTest, ApplySetsEveryKindAsCollectReadsIt) {
    const std::vector<ControlUpdate> updates = {
        {"编辑框_名称", {.text = "a\"b"}},
        {"编辑框_密码", {.text = "pa$word"}},
        {"组合框_接口", {.text = "bridge1"}},
        {"组合框_模式", {.text = "甲", .index = 0}},
        {"选择框_启用", {.checked = false}},
        {"单选框_1", {.checked = false}},
        {"单选框_3", {.checked = false}},
        {"编辑框_多行", {.text = "1\r\n2\r\n3"}},
        {"超级列表框_线路", {.index = 1, .rows = {{"u1", "p1"}, {"u2", "p2"}}}},
    };
    view.apply(updates);
    const Form form = view.collect();
    for (const ControlUpdate& u : updates) {
        SCOPED_TRACE(u.name);
        const FieldValue* got = form.find(u.name);
        ASSERT_NE(got, nullptr);
        const ControlKind kind = kitchenSink().find(u.name)->kind;
        if (kind == ControlKind::check_box || kind == ControlKind::radio_button)
            EXPECT_EQ(got->checked, u.value.checked);  // their text is the caption
        else
            EXPECT_EQ(*got, u.value);
    }
    EXPECT_EQ(g_calls, 0);  // a selection set by the program runs no binding

    view.apply({{"单选框_2", {.checked = true}}});
    EXPECT_TRUE(find<QRadioButton>("单选框_2")->isChecked());
    view.apply({{"单选框_1", {.checked = true}}});
    EXPECT_FALSE(find<QRadioButton>("单选框_2")->isChecked());
    EXPECT_FALSE(find<QRadioButton>("单选框_3")->isChecked());
}

TEST_F(PageViewTest, ButtonRunsItsBindingOnTheCurrentValues) {
    QSignalSpy scripts(&view, &PageView::scriptReady);
    find<QLineEdit>("编辑框_名称")->setText(QStringLiteral("admin"));
    QTest::mouseClick(find("按钮_生成"), Qt::LeftButton);
    ASSERT_EQ(scripts.count(), 1);
    EXPECT_EQ(scripts.at(0).at(0).value<std::string>(), "name=admin\r\nmode=乙");
    EXPECT_EQ(g_calls, 1);
    QTest::mouseClick(find("按钮_以后"), Qt::LeftButton);  // disabled
    EXPECT_EQ(g_calls, 1);
}

TEST_F(PageViewTest, RefusalShowsTheMessageAndFocusesTheField) {
    test::MessageRecorder messages;
    QSignalSpy scripts(&view, &PageView::scriptReady);
    QTest::mouseClick(find("按钮_拒绝"), Qt::LeftButton);
    ASSERT_EQ(messages.seen.size(), 1u);
    EXPECT_EQ(messages.seen[0].text, "请输入密码!");
    EXPECT_EQ(messages.seen[0].icon, kIconWarning);
    EXPECT_EQ(view.focusWidget(), find("编辑框_密码"));
    EXPECT_EQ(scripts.count(), 0);
}

TEST_F(PageViewTest, AFailingBindingBecomesAnErrorMessage) {
    test::MessageRecorder messages;
    QTest::mouseClick(find("按钮_异常"), Qt::LeftButton);
    ASSERT_EQ(messages.seen.size(), 1u);
    EXPECT_EQ(messages.seen[0].icon, kIconError);
    EXPECT_NE(messages.seen[0].text.find("boom"), std::string::npos);
}

TEST_F(PageViewTest, SelectingARowRunsTheListBinding) {
    view.apply({{"超级列表框_线路", {.rows = {{"u1", "p1"}, {"u2", "p2"}}}}});
    auto* list = find<QTreeWidget>("超级列表框_线路");
    const QRect second = list->visualItemRect(list->topLevelItem(1));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, second.center());
    EXPECT_EQ(g_calls, 1);
    EXPECT_EQ(g_lastForm.index("超级列表框_线路"), 1);
    EXPECT_EQ(find<QLineEdit>("编辑框_名称")->text(), QStringLiteral("u2"));
}

TEST_F(PageViewTest, ClickingACheckBoxOrRadioButtonRunsItsBindingOnTheNewState) {
    auto* box = find<QCheckBox>("选择框_启用");
    QWidget* name = find("编辑框_名称");
    clickIndicator(box);
    EXPECT_EQ(g_calls, 1);
    EXPECT_FALSE(g_lastForm.checked("选择框_启用"));
    EXPECT_FALSE(name->isEnabled());
    EXPECT_EQ(find<QLineEdit>("编辑框_名称")->text(), QStringLiteral("MAVEK"));
    clickIndicator(box);
    EXPECT_EQ(g_calls, 2);
    EXPECT_TRUE(name->isEnabled());

    clickIndicator(find("单选框_2"));
    EXPECT_EQ(g_calls, 3);
    EXPECT_TRUE(g_lastForm.checked("单选框_2"));
    EXPECT_FALSE(g_lastForm.checked("单选框_1"));
    // Cleared by a click on another button of its set, a radio button runs nothing of its own.
    clickIndicator(find("单选框_1"));
    EXPECT_FALSE(find<QRadioButton>("单选框_2")->isChecked());
    EXPECT_EQ(g_calls, 3);

    // Set by the program, not clicked: no binding runs, and an update that does not mention the
    // enabled state leaves it as it was.
    view.apply({{"选择框_启用", {.checked = false}}, {"单选框_2", {.checked = true}}, {"按钮_以后", {.text = "以后"}}});
    EXPECT_EQ(g_calls, 3);
    EXPECT_TRUE(name->isEnabled());
    EXPECT_FALSE(find("按钮_以后")->isEnabled());
}

TEST_F(PageViewTest, LongDefaultsAndCellsAreShownWhole) {
    auto* range = find<QLineEdit>("编辑框_范围");
    EXPECT_GT(range->width(), range->fontMetrics().horizontalAdvance(range->text()));

    auto* list = find<QTreeWidget>("超级列表框_线路");
    const std::string longCell = "218.85.167.150/24 account-with-a-long-name";
    view.apply({{"超级列表框_线路", {.rows = {{longCell, "p1"}}}}});
    EXPECT_GT(list->columnWidth(0), list->fontMetrics().horizontalAdvance(QString::fromStdString(longCell)));
    view.apply({{"超级列表框_线路", {.rows = {{"u", "p"}}}}});
    EXPECT_GE(list->columnWidth(0), 120);  // never narrower than set
}

// A window laid out as a side window is: a form panel beside an editor panel, two group boxes on the
// tabs of one tab set, each brought forward by its radio button.
const PageSpec& toolWindow() {
    static const PageSpec kPage{
        .caption = "工具",
        .window = "工具",
        .controls = {
            panel("面板_左"),
            radio_button("单选框_甲", "甲", true).in("面板_左"),
            radio_button("单选框_乙", "乙", false).in("面板_左").beside(),
            group_box("分组框_甲", "甲页").in("面板_左").on_tab("选择夹_页", "甲", "单选框_甲"),
            edit("编辑框_甲", "值:", "1").in("分组框_甲"),
            group_box("分组框_乙", "乙页").in("面板_左").on_tab("选择夹_页", "乙", "单选框_乙"),
            button("按钮_生成", "生成").in("分组框_乙"),
            panel("面板_右").beside(),
            editor("编辑框_代码", "欢迎").in("面板_右"),
            button("按钮_复制", "复制").in("面板_右").acts_on("编辑框_代码", EditorCommand::copy),
        }};
    return kPage;
}

TEST(PageViewWindow, TabsFollowTheirRadiosAndPressesWriteIntoTheOwnEditor) {
    PageView view(PageEntry{&toolWindow(), {{"按钮_生成", generate}}});
    view.resize(700, 400);
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    auto* tabs = view.findChild<QTabWidget*>(QStringLiteral("选择夹_页"));
    ASSERT_NE(tabs, nullptr);
    EXPECT_EQ(tabs->count(), 2);
    EXPECT_EQ(tabs->currentWidget(), view.control("分组框_甲"));
    clickIndicator(view.control("单选框_乙"));
    EXPECT_EQ(tabs->currentWidget(), view.control("分组框_乙"));
    // The other way round: a tab header brought forward by the user checks its radio button.
    QTest::mouseClick(tabs->tabBar(), Qt::LeftButton, {}, tabs->tabBar()->tabRect(0).center());
    EXPECT_EQ(tabs->currentWidget(), view.control("分组框_甲"));
    EXPECT_TRUE(qobject_cast<QRadioButton*>(view.control("单选框_甲"))->isChecked());
    EXPECT_FALSE(qobject_cast<QRadioButton*>(view.control("单选框_乙"))->isChecked());
    EXPECT_GT(view.control("面板_右")->x(), view.control("面板_左")->geometry().right());  // side by side

    ScriptPane* pane = view.editor();
    ASSERT_NE(pane, nullptr);
    EXPECT_EQ(pane, view.control("编辑框_代码"));
    EXPECT_EQ(pane->script(), "欢迎");
    QSignalSpy scripts(&view, &PageView::scriptReady);
    QTest::mouseClick(view.control("按钮_生成"), Qt::LeftButton);
    EXPECT_EQ(scripts.count(), 0);  // the window's own editor takes it
    EXPECT_EQ(pane->script(), "name=\r\nmode=");
    EXPECT_EQ(view.collect().text("编辑框_代码"), pane->script());

    {
        test::MessageRecorder messages;
        QTest::mouseClick(view.control("按钮_复制"), Qt::LeftButton);
        EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("name=\nmode="));
    }
}

// A calculator-like page: every change of the box or the slider writes the box's text in capitals
// back into the box and what it saw into a label. Setting the box's text from the reaction must not
// run the reaction again.
int g_changes = 0;
Outcome onChange(const Form& form, Env&) {
    ++g_changes;
    QString text = QString::fromStdString(form.text("编辑框_值")).toUpper();
    Outcome o;
    o.updates.push_back({"编辑框_值", {.text = text.toStdString()}});
    o.updates.push_back({"标签_结果", {.text = text.toStdString() + "/" + std::to_string(form.index("滑块"))}});
    return o;
}

const PageSpec& livePage() {
    static const PageSpec kPage{.caption = "实时",
                                .controls = {
                                    edit("编辑框_值", "值:", ""),
                                    slider("滑块", "位数:", 1, 32, 1, 8),
                                    label("标签_结果", ""),
                                    button("按钮_与", "&& 与"),
                                }};
    return kPage;
}

TEST(PageViewLive, ChangesReactAtOnceAndOnlyOncePerChange) {
    PageView view(PageEntry{&livePage(),
                            {{"编辑框_值", onChange, BindingKind::change}, {"滑块", onChange, BindingKind::change}}});
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    auto* box = qobject_cast<QLineEdit*>(view.control("编辑框_值"));
    auto* slider = qobject_cast<QSlider*>(view.control("滑块"));
    auto* result = qobject_cast<QLabel*>(view.control("标签_结果"));
    ASSERT_TRUE(box && slider && result);
    EXPECT_EQ(slider->minimum(), 1);
    EXPECT_EQ(slider->maximum(), 32);
    EXPECT_EQ(slider->value(), 8);

    g_changes = 0;
    box->setFocus();
    QTest::keyClicks(box, QStringLiteral("ab"));
    EXPECT_EQ(g_changes, 2);  // one per character, none for the text the reaction set
    EXPECT_EQ(box->text(), QStringLiteral("AB"));
    EXPECT_EQ(result->text(), QStringLiteral("AB/8"));

    slider->setFocus();
    QTest::keyClick(slider, Qt::Key_Right);
    EXPECT_EQ(g_changes, 3);
    EXPECT_EQ(result->text(), QStringLiteral("AB/9"));
    slider->setValue(32);
    EXPECT_EQ(result->text(), QStringLiteral("AB/32"));
    EXPECT_EQ(view.collect().index("滑块"), 32);

    // A position set by the program is no move of the user's: it runs nothing.
    view.apply({{"滑块", {.index = 4}}});
    EXPECT_EQ(slider->value(), 4);
    EXPECT_EQ(g_changes, 4);

    // A caption's '&' is a character, not a shortcut marker.
    EXPECT_EQ(qobject_cast<QPushButton*>(view.control("按钮_与"))->text(), QStringLiteral("&&&& 与"));
}

}  // namespace
}  // namespace vorlix
