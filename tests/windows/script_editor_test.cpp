#include <gtest/gtest.h>

#include <set>

#include "support/press.hpp"
#include "windows/core/ScriptEditor.hpp"

namespace vorlix {
namespace {

TEST(ScriptEditorSnippets, EveryButtonInsertsItsConstruct) {
    struct Case {
        std::string_view button, text;
        InsertAt at;
    };
    constexpr InsertAt kLine = InsertAt::new_line;
    constexpr InsertAt kCaret = InsertAt::caret;
    const Case cases[] = {
        {"按钮_for", ":for 变量名 from=起始值 to=终止值 step=步长 do={ }", kLine},
        {"按钮_foreach", ":foreach 变量 in=[公式] do={ }", kLine},
        {"按钮_if", ":if (判断公式) do={ }", kLine},
        {"按钮_ifand", ":if (判断公式 and 判断公式) do={ }", kLine},
        {"按钮_ifor", ":if (判断公式 or 判断公式) do={ }", kLine},
        {"按钮_while", ":while (判断公式) do={ }", kLine},
        {"按钮_beep", ":beep length=300ms frequency=1000", kLine},
        {"按钮_域名解析", "[:resolve 域名]", kLine},
        {"按钮_逻辑非", " ! ", kCaret},
        {"按钮_逻辑或", " || ", kCaret},
        {"按钮_逻辑与", " && ", kCaret},
        {"按钮_或", " | ", kCaret},
        {"按钮_相加", " + ", kCaret},
        {"按钮_相减", " - ", kCaret},
        {"按钮_相乘", " * ", kCaret},
        {"按钮_相除", " / ", kCaret},
        {"按钮_小于", " < ", kCaret},
        {"按钮_大于", " > ", kCaret},
        {"按钮_向左位移", " << ", kCaret},
        {"按钮_向右位移", " >> ", kCaret},
        {"按钮_连接符", " . ", kCaret},
        {"按钮_通配符", " ~ ", kCaret},
        {"按钮_截取字符", "[:pick 字符 起始位置 终止位置]", kLine},
        {"按钮_字符长度", "[:len ]", kLine},
        {"按钮_全局变量", ":global 变量名", kLine},
        {"按钮_本地变量", ":local 变量名", kLine},
        {"按钮_设置变量", ":set 变量名 变量值", kLine},
        {"按钮_查找", "[:find 字符串 查找字符]", kLine},
        {"按钮_通配符1", ":global abc 123,234,567", kLine},
        {"按钮_截取变量组", "[:pick $abc 0]", kLine},
        {"按钮_屏幕输出", ":put []", kLine},
        {"按钮_执行耗时", "[:time ]", kLine},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.button);
        // Pressed in the window, with the combo boxes at their defaults.
        const Outcome o = test::press_outcome(c.button);
        ASSERT_TRUE(o.insertion);
        EXPECT_EQ(o.insertion->text, c.text);
        EXPECT_EQ(o.insertion->at, c.at);
        EXPECT_FALSE(o.script || o.message);
    }
}

TEST(ScriptEditorSnippets, DelayAndLogTakeTheirComboText) {
    struct Case {
        std::string_view button, combo, want;
    };
    const Case cases[] = {
        {"按钮_delay", "500ms", ":delay 500ms"},
        {"按钮_delay", "2s", ":delay 2s"},
        {"按钮_delay", "", ":delay "},
        {"按钮_log", "info", ":log info \"\""},
        // The item keeps its trailing blank, so two blanks stand before the quotes.
        {"按钮_log", "warning ", ":log warning  \"\""},
        {"按钮_log", "error", ":log error \"\""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.button) + " " + std::string(c.combo));
        const std::string combo(c.button == "按钮_delay" ? kDelayCombo : kLogCombo);
        const Outcome o = test::press_outcome(c.button, {{combo, std::string(c.combo)}});
        ASSERT_TRUE(o.insertion);
        EXPECT_EQ(o.insertion->text, c.want);
        EXPECT_EQ(o.insertion->at, InsertAt::new_line);
    }
    EXPECT_EQ(find_snippet("按钮_delay")->argument, kDelayCombo);
    EXPECT_EQ(find_snippet("按钮_log")->argument, kLogCombo);
}

// Every snippet is a button of the window, with a press of its own, under one of the four headings;
// the captions are what the user reads.
TEST(ScriptEditorSnippets, ThirtyFourButtonsUnderFourHeadings) {
    const PageEntry window = script_editor_window();
    const PageSpec& page = *window.spec;
    std::set<std::string_view> names;
    int lines = 0, carets = 0;
    for (const Snippet& s : editor_snippets()) {
        SCOPED_TRACE(s.name);
        EXPECT_TRUE(names.insert(s.name).second) << "twice";
        const ControlSpec* b = page.find(s.name);
        ASSERT_NE(b, nullptr);
        EXPECT_EQ(b->kind, ControlKind::button);
        EXPECT_EQ(b->text, s.caption);
        const ControlSpec* box = page.find(b->group);
        ASSERT_NE(box, nullptr);
        EXPECT_TRUE(box->text == "ROS行为操作" || box->text == "ROS算数操作" || box->text == "ROS变量操作" ||
                    box->text == "ROS调试操作")
            << box->text;
        EXPECT_NE(window.binding(s.name), nullptr);
        (s.at == InsertAt::new_line ? lines : carets)++;
    }
    EXPECT_EQ(names.size(), 34u);
    EXPECT_EQ(window.bindings.size(), 34u);
    EXPECT_EQ(lines, 20);
    EXPECT_EQ(carets, 14);
    EXPECT_EQ(find_snippet("按钮_逻辑与")->caption, "&& 逻辑与");
    EXPECT_EQ(find_snippet("按钮_逻辑或")->caption, "|| 逻辑或");
    EXPECT_EQ(find_snippet("按钮_清空"), nullptr);
    // The log level keeps the blank after "warning" as an item of its own.
    const ControlSpec* log = page.find(kLogCombo);
    ASSERT_NE(log, nullptr);
    EXPECT_EQ(log->items, (std::vector<std::string>{"info", "warning ", "error"}));
}

// What a press leaves in the editor when the caret is at the end of its text: a statement starts a
// line of its own, so on an empty editor the first line stays empty; an operator joins the line.
TEST(ScriptEditorSnippets, InsertingIntoTheEditor) {
    struct Case {
        std::string_view why, before;
        Insertion insertion;
        std::string_view after;
    };
    const Case cases[] = {
        {"statement into an empty editor", "", {":put []", InsertAt::new_line}, "\r\n:put []"},
        {"statement after a line", ":local a", {":put []", InsertAt::new_line}, ":local a\r\n:put []"},
        {"operator into an empty editor", "", {" + ", InsertAt::caret}, " + "},
        {"operator after a word", ":put (1", {" + ", InsertAt::caret}, ":put (1 + "},
    };
    const PageSpec& page = script_editor_window_spec();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        Form form = Form::defaults(page);
        form.at("编辑框_代码").text = std::string(c.before);
        EXPECT_EQ(insert_into_editor(page, form, c.insertion), c.after);
        EXPECT_EQ(form.text("编辑框_代码"), c.after);
    }
    // A page without an editor has nowhere to insert.
    const PageSpec bare{.caption = "t", .controls = {edit("e", "", "x")}};
    Form form = Form::defaults(bare);
    EXPECT_FALSE(insert_into_editor(bare, form, {"x", InsertAt::caret}));
}

}  // namespace
}  // namespace vorlix
