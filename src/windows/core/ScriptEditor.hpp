#pragma once
// The script editor window ("RouterOS官方脚本编辑器"): an editor of its own and a column of buttons
// that put RouterOS scripting constructs (loops, conditions, logging, operators, variables,
// debugging) into it.
#include <span>
#include <string>
#include <string_view>

#include "forms/outcome.hpp"
#include "forms/page_entry.hpp"

namespace vorlix {

// One snippet button. Statements start a line of their own at the end of the text; operators go
// where the user is typing. The inserted text is `text`, or, for a button that reads a combo box,
// `text` + the combo's current text + `suffix`.
struct Snippet {
    std::string_view name;     // the button
    std::string_view caption;  // as the user reads it on the button
    std::string_view text;
    InsertAt at = InsertAt::new_line;
    std::string_view group;     // the group box the button stands in
    std::string_view argument;  // the combo box whose text follows `text`, "" for none
    std::string_view suffix;
};

// The snippet buttons in the order they stand in the window, group by group.
std::span<const Snippet> editor_snippets();

// The button's snippet, none when `name` is not a snippet button.
const Snippet* find_snippet(std::string_view name);

// The text a snippet button inserts, given the text of its combo box (ignored when it reads none).
// Example: snippet_text(log button, "warning ") == ":log warning  \"\""
std::string snippet_text(const Snippet& s, std::string_view argument);

// The combo boxes the snippets read.
inline constexpr std::string_view kDelayCombo = "组合框_延时";
inline constexpr std::string_view kLogCombo = "组合框_log";

inline constexpr std::string_view kScriptEditorWindow = "RouterOS官方脚本编辑器";

const PageSpec& script_editor_window_spec();
PageEntry script_editor_window();

}  // namespace vorlix
