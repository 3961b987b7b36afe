#include "windows/core/ScriptEditor.hpp"

#include <array>

namespace vorlix {
namespace {

constexpr std::string_view kActions = "ROS行为操作";
constexpr std::string_view kArithmetic = "ROS算数操作";
constexpr std::string_view kVariables = "ROS变量操作";
constexpr std::string_view kDebugging = "ROS调试操作";

constexpr SnippetPlace kLine = SnippetPlace::new_line;
constexpr SnippetPlace kCaret = SnippetPlace::at_caret;

// Operators carry a blank on each side, so they can be dropped between two words as they are.
constexpr std::array kSnippets = {
    Snippet{"按钮_for", "for 循环", ":for 变量名 from=起始值 to=终止值 step=步长 do={ }", kLine, kActions},
    Snippet{"按钮_foreach", "foreach 循环", ":foreach 变量 in=[公式] do={ }", kLine, kActions},
    Snippet{"按钮_if", "if 判断", ":if (判断公式) do={ }", kLine, kActions},
    Snippet{"按钮_ifand", "if 判断 and", ":if (判断公式 and 判断公式) do={ }", kLine, kActions},
    Snippet{"按钮_ifor", "if 判断 or", ":if (判断公式 or 判断公式) do={ }", kLine, kActions},
    Snippet{"按钮_while", "while 循环", ":while (判断公式) do={ }", kLine, kActions},
    Snippet{"按钮_beep", "beep 声音", ":beep length=300ms frequency=1000", kLine, kActions},
    Snippet{"按钮_域名解析", "域名解析", "[:resolve 域名]", kLine, kActions},
    Snippet{"按钮_delay", "delay 延时", ":delay ", kLine, kActions, kDelayCombo},
    // An empty quoted message for the user to fill in.
    Snippet{"按钮_log", "log 日志", ":log ", kLine, kActions, kLogCombo, " \"\""},

    Snippet{"按钮_逻辑非", "! 逻辑非", " ! ", kCaret, kArithmetic},
    Snippet{"按钮_逻辑或", "|| 逻辑或", " || ", kCaret, kArithmetic},
    Snippet{"按钮_逻辑与", "&& 逻辑与", " && ", kCaret, kArithmetic},
    Snippet{"按钮_或", "| 或", " | ", kCaret, kArithmetic},
    Snippet{"按钮_相加", "+ 相加", " + ", kCaret, kArithmetic},
    Snippet{"按钮_相减", "- 相减", " - ", kCaret, kArithmetic},
    Snippet{"按钮_相乘", "* 相乘", " * ", kCaret, kArithmetic},
    Snippet{"按钮_相除", "/ 相除", " / ", kCaret, kArithmetic},
    Snippet{"按钮_小于", "< 小于", " < ", kCaret, kArithmetic},
    Snippet{"按钮_大于", "> 大于", " > ", kCaret, kArithmetic},
    Snippet{"按钮_向左位移", "<< 向左位移", " << ", kCaret, kArithmetic},
    Snippet{"按钮_向右位移", ">> 向右位移", " >> ", kCaret, kArithmetic},
    Snippet{"按钮_连接符", ". 连接符", " . ", kCaret, kArithmetic},
    Snippet{"按钮_通配符", "~ 通配符", " ~ ", kCaret, kArithmetic},
    Snippet{"按钮_截取字符", "pick 截取字符", "[:pick 字符 起始位置 终止位置]", kLine, kArithmetic},
    Snippet{"按钮_字符长度", "len 字符长度", "[:len ]", kLine, kArithmetic},

    Snippet{"按钮_全局变量", "定义全局变量", ":global 变量名", kLine, kVariables},
    Snippet{"按钮_本地变量", "定义本地变量", ":local 变量名", kLine, kVariables},
    Snippet{"按钮_设置变量", "set 设置变量", ":set 变量名 变量值", kLine, kVariables},
    Snippet{"按钮_查找", "find 查找", "[:find 字符串 查找字符]", kLine, kVariables},
    // An array and the way to read one of its elements, as a pair: the second picks the first
    // element of the array the first one defines.
    Snippet{"按钮_通配符1", "定义变量组", ":global abc 123,234,567", kLine, kVariables},
    Snippet{"按钮_截取变量组", "截取变量组", "[:pick $abc 0]", kLine, kVariables},

    Snippet{"按钮_屏幕输出", "put 屏幕输出", ":put []", kLine, kDebugging},
    Snippet{"按钮_执行耗时", "time 执行耗时", "[:time ]", kLine, kDebugging},
};

}  // namespace

std::span<const Snippet> editor_snippets() {
    return kSnippets;
}

const Snippet* find_snippet(std::string_view name) {
    for (const Snippet& s : kSnippets)
        if (s.name == name) return &s;
    return nullptr;
}

std::string snippet_text(const Snippet& s, std::string_view argument) {
    std::string text(s.text);
    if (!s.argument.empty()) text.append(argument).append(s.suffix);
    return text;
}

std::string insert_snippet(std::string_view editor, std::string_view snippet, SnippetPlace place) {
    std::string text(editor);
    if (place == SnippetPlace::new_line) text += "\r\n";
    text += snippet;
    return text;
}

}  // namespace vorlix
