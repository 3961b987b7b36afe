#include "windows/core/ScriptEditor.hpp"

#include <array>
#include <utility>

namespace vorlix {
namespace {

namespace name {
constexpr std::string_view editing = "面板_编辑", buttons = "面板_按钮";
constexpr std::string_view editor_box = "分组框1", editor = "编辑框_代码", drop_note = "标签_拖放提示";
constexpr std::string_view clear = "按钮_清空", save = "按钮_另存为", copy = "按钮_复制", font = "按钮_字体";
constexpr std::string_view manual = "超级链接框1";
constexpr std::string_view actions = "分组框_行为", arithmetic = "分组框_算数", variables = "分组框_变量",
                           debugging = "分组框_调试";
constexpr std::string_view delay = "按钮_delay", log = "按钮_log";
}  // namespace name

constexpr InsertAt kLine = InsertAt::new_line;
constexpr InsertAt kCaret = InsertAt::caret;

// Operators carry a blank on each side, so that they can go between two words as they are.
constexpr std::array kSnippets = {
    Snippet{"按钮_for", "for 循环", ":for 变量名 from=起始值 to=终止值 step=步长 do={ }", kLine, name::actions},
    Snippet{"按钮_foreach", "foreach 循环", ":foreach 变量 in=[公式] do={ }", kLine, name::actions},
    Snippet{"按钮_if", "if 判断", ":if (判断公式) do={ }", kLine, name::actions},
    Snippet{"按钮_ifand", "if 判断 and", ":if (判断公式 and 判断公式) do={ }", kLine, name::actions},
    Snippet{"按钮_ifor", "if 判断 or", ":if (判断公式 or 判断公式) do={ }", kLine, name::actions},
    Snippet{"按钮_while", "while 循环", ":while (判断公式) do={ }", kLine, name::actions},
    Snippet{"按钮_beep", "beep 声音", ":beep length=300ms frequency=1000", kLine, name::actions},
    Snippet{"按钮_域名解析", "域名解析", "[:resolve 域名]", kLine, name::actions},
    Snippet{name::delay, "delay 延时", ":delay ", kLine, name::actions, kDelayCombo},
    // An empty quoted message for the user to fill in.
    Snippet{name::log, "log 日志", ":log ", kLine, name::actions, kLogCombo, " \"\""},

    Snippet{"按钮_逻辑非", "! 逻辑非", " ! ", kCaret, name::arithmetic},
    Snippet{"按钮_逻辑或", "|| 逻辑或", " || ", kCaret, name::arithmetic},
    Snippet{"按钮_逻辑与", "&& 逻辑与", " && ", kCaret, name::arithmetic},
    Snippet{"按钮_或", "| 或", " | ", kCaret, name::arithmetic},
    Snippet{"按钮_相加", "+ 相加", " + ", kCaret, name::arithmetic},
    Snippet{"按钮_相减", "- 相减", " - ", kCaret, name::arithmetic},
    Snippet{"按钮_相乘", "* 相乘", " * ", kCaret, name::arithmetic},
    Snippet{"按钮_相除", "/ 相除", " / ", kCaret, name::arithmetic},
    Snippet{"按钮_小于", "< 小于", " < ", kCaret, name::arithmetic},
    Snippet{"按钮_大于", "> 大于", " > ", kCaret, name::arithmetic},
    Snippet{"按钮_向左位移", "<< 向左位移", " << ", kCaret, name::arithmetic},
    Snippet{"按钮_向右位移", ">> 向右位移", " >> ", kCaret, name::arithmetic},
    Snippet{"按钮_连接符", ". 连接符", " . ", kCaret, name::arithmetic},
    Snippet{"按钮_通配符", "~ 通配符", " ~ ", kCaret, name::arithmetic},
    Snippet{"按钮_截取字符", "pick 截取字符", "[:pick 字符 起始位置 终止位置]", kLine, name::arithmetic},
    Snippet{"按钮_字符长度", "len 字符长度", "[:len ]", kLine, name::arithmetic},

    Snippet{"按钮_全局变量", "定义全局变量", ":global 变量名", kLine, name::variables},
    Snippet{"按钮_本地变量", "定义本地变量", ":local 变量名", kLine, name::variables},
    Snippet{"按钮_设置变量", "set 设置变量", ":set 变量名 变量值", kLine, name::variables},
    Snippet{"按钮_查找", "find 查找", "[:find 字符串 查找字符]", kLine, name::variables},
    // An array and the way to read one of its elements, as a pair: the second picks the first
    // element of the array the first one defines.
    Snippet{"按钮_通配符1", "定义变量组", ":global abc 123,234,567", kLine, name::variables},
    Snippet{"按钮_截取变量组", "截取变量组", "[:pick $abc 0]", kLine, name::variables},

    Snippet{"按钮_屏幕输出", "put 屏幕输出", ":put []", kLine, name::debugging},
    Snippet{"按钮_执行耗时", "time 执行耗时", "[:time ]", kLine, name::debugging},
};

// The button column: a group box per kind of construct, in this order.
struct SnippetGroup {
    std::string_view name;
    const char* caption;
};
constexpr std::array<SnippetGroup, 4> kGroups = {{
    {name::actions, "ROS行为操作"},
    {name::arithmetic, "ROS算数操作"},
    {name::variables, "ROS变量操作"},
    {name::debugging, "ROS调试操作"},
}};

// A tutorial in Chinese is not known to stay at one address; the maker's own manual of the language is.
constexpr const char* kManual = "https://help.mikrotik.com/docs/display/ROS/Scripting";

// One binding per button: a binding is a plain function, so each button's gets its place in the table
// as a template argument.
template <std::size_t I>
Outcome run_snippet(const Form& form, Env&) {
    const Snippet& s = kSnippets[I];
    Outcome o;
    o.insertion = Insertion{snippet_text(s, s.argument.empty() ? std::string_view{} : form.text(s.argument)), s.at};
    return o;
}

template <std::size_t... I>
std::vector<Binding> snippet_bindings(std::index_sequence<I...>) {
    return {Binding(kSnippets[I].name, run_snippet<I>)...};
}

}  // namespace

std::span<const Snippet> editor_snippets() {
    return kSnippets;
}

const Snippet* find_snippet(std::string_view button) {
    for (const Snippet& s : kSnippets)
        if (s.name == button) return &s;
    return nullptr;
}

std::string snippet_text(const Snippet& s, std::string_view argument) {
    std::string text(s.text);
    if (!s.argument.empty()) text.append(argument).append(s.suffix);
    return text;
}

const PageSpec& script_editor_window_spec() {
    static const PageSpec kPage = [] {
        PageSpec page{.caption = std::string(kScriptEditorWindow),
                      .window = std::string(kScriptEditorWindow),
                      .opener = "按钮_脚本编辑器",
                      .width = 980,
                      .height = 700};
        auto& c = page.controls;
        // The editor on the left takes the width the button column leaves.
        c.push_back(panel(name::editing));
        c.push_back(group_box(name::editor_box, "脚本编写区域").in(name::editing));
        c.push_back(editor(name::editor, "").in(name::editor_box));
        c.push_back(label(name::drop_note, "直接将脚本文件拖曳到上方↑编辑器里就可以直接显示内容").in(name::editing));
        c.push_back(button(name::clear, "清空内容").in(name::editing).acts_on(name::editor, EditorCommand::clear));
        c.push_back(
            button(name::save, "脚本另存为").in(name::editing).beside().acts_on(name::editor, EditorCommand::save));
        c.push_back(button(name::copy, "复制内容")
                        .in(name::editing)
                        .beside()
                        .acts_on(name::editor, EditorCommand::copy_quietly));
        c.push_back(button(name::font, "修改字体")
                        .in(name::editing)
                        .beside()
                        .acts_on(name::editor, EditorCommand::choose_font));
        c.push_back(hyperlink(name::manual, "ROS脚本参考资料", kManual).in(name::editing));

        c.push_back(panel(name::buttons).beside());
        for (const SnippetGroup& g : kGroups) {
            c.push_back(group_box(g.name, g.caption).in(name::buttons));
            // Two buttons to a row; the two that read a combo box share their row with it.
            bool second = false;
            for (const Snippet& s : kSnippets) {
                if (s.group != g.name) continue;
                ControlSpec b = button(s.name, std::string(s.caption)).in(g.name);
                if (!s.argument.empty()) {
                    second = false;
                    c.push_back(std::move(b));
                    if (s.argument == kDelayCombo)
                        c.push_back(editable_combo(kDelayCombo, "", {"200ms", "500ms", "2s", "5s"}, "500ms")
                                        .in(g.name)
                                        .beside());
                    else
                        c.push_back(
                            editable_combo(kLogCombo, "", {"info", "warning ", "error"}, "info").in(g.name).beside());
                    continue;
                }
                c.push_back(second ? std::move(b).beside() : std::move(b));
                second = !second;
            }
        }
        return page;
    }();
    return kPage;
}

PageEntry script_editor_window() {
    return {&script_editor_window_spec(), snippet_bindings(std::make_index_sequence<kSnippets.size()>())};
}

}  // namespace vorlix
