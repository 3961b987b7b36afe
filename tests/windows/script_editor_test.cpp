#include <gtest/gtest.h>

#include <set>

#include "windows/core/ScriptEditor.hpp"

namespace vorlix {
namespace {

TEST(ScriptEditorSnippets, EveryButtonInsertsItsConstruct) {
    struct Case {
        std::string_view button, text;
        SnippetPlace place;
    };
    constexpr SnippetPlace kLine = SnippetPlace::new_line;
    constexpr SnippetPlace kCaret = SnippetPlace::at_caret;
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
        const Snippet* s = find_snippet(c.button);
        ASSERT_NE(s, nullptr);
        EXPECT_EQ(snippet_text(*s, "ignored"), c.text) << "a button without a combo reads none";
        EXPECT_EQ(s->place, c.place);
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
        const Snippet* s = find_snippet(c.button);
        ASSERT_NE(s, nullptr);
        EXPECT_EQ(snippet_text(*s, c.combo), c.want);
        EXPECT_EQ(s->place, SnippetPlace::new_line);
    }
    EXPECT_EQ(find_snippet("按钮_delay")->argument, kDelayCombo);
    EXPECT_EQ(find_snippet("按钮_log")->argument, kLogCombo);
}

TEST(ScriptEditorSnippets, ThirtyFourButtonsUnderFourHeadings) {
    std::set<std::string_view> names;
    int lines = 0, carets = 0;
    for (const Snippet& s : editor_snippets()) {
        EXPECT_TRUE(names.insert(s.name).second) << "twice: " << s.name;
        EXPECT_FALSE(s.caption.empty()) << s.name;
        EXPECT_FALSE(s.text.empty()) << s.name;
        EXPECT_TRUE(s.group == "ROS行为操作" || s.group == "ROS算数操作" || s.group == "ROS变量操作" ||
                    s.group == "ROS调试操作")
            << s.name;
        (s.place == SnippetPlace::new_line ? lines : carets)++;
    }
    EXPECT_EQ(names.size(), 34u);
    EXPECT_EQ(lines, 20);
    EXPECT_EQ(carets, 14);
    // Captions as the user reads them on the button.
    EXPECT_EQ(find_snippet("按钮_逻辑与")->caption, "&& 逻辑与");
    EXPECT_EQ(find_snippet("按钮_逻辑或")->caption, "|| 逻辑或");
    EXPECT_EQ(find_snippet("按钮_for")->caption, "for 循环");
    EXPECT_EQ(find_snippet("按钮_清空"), nullptr);
}

TEST(ScriptEditorSnippets, NewLineSnippetsStartALineAndCaretSnippetsDoNot) {
    EXPECT_EQ(insert_snippet("", ":put []", SnippetPlace::new_line), "\r\n:put []");
    EXPECT_EQ(insert_snippet(":local a", ":put []", SnippetPlace::new_line), ":local a\r\n:put []");
    EXPECT_EQ(insert_snippet("", " + ", SnippetPlace::at_caret), " + ");
    EXPECT_EQ(insert_snippet(":put (1", " + ", SnippetPlace::at_caret), ":put (1 + ");
}

}  // namespace
}  // namespace vorlix
