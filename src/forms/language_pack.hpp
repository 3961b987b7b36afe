#pragma once
// Language packs: the Traditional captions and contents of a window's controls, by control name, as
// an INI text (GBK, CR LF) with one section per kind of control. A line break inside a value is
// written "><br><". Packs are built from the page tables (so every control is covered) and applied to
// a window's widgets by control name when the window is created.
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "forms/page_spec.hpp"

namespace vorlix {

namespace pack_section {
inline constexpr std::string_view edit = "编辑框1";   // content of edit boxes
inline constexpr std::string_view label = "标签1";    // caption of labels
inline constexpr std::string_view button = "按钮1";   // caption of buttons
inline constexpr std::string_view radio = "单选框1";  // caption of radio buttons
inline constexpr std::string_view check = "选择框1";  // caption of check boxes
inline constexpr std::string_view group = "分组框1";  // caption of group boxes
// The captions that belong to an input rather than being controls of their own: the label in front
// of it and the hint after it, keyed by the input's name.
inline constexpr std::string_view input_label = "输入标签1";
inline constexpr std::string_view hint = "提示1";
}  // namespace pack_section

// How a window's navigation tree is written: section `tree` (the tree control's name), keys "树型框0",
// "树型框1", ... by item index.
inline constexpr std::string_view kTreeKeyPrefix = "树型框";
std::string tree_item_key(std::size_t index);

// The section a control of this kind goes into; "" for kinds a pack leaves alone (lists, combo boxes,
// editors, panels, hyperlinks).
std::string_view pack_section_of(ControlKind kind);

// A text as a pack value, its line breaks (CR LF, LF or CR) as "><br><", and back with CR LF.
// Example: to_pack_value("a\r\nb") == "a><br><b", from_pack_value("a><br><b") == "a\r\nb"
std::string to_pack_value(std::string_view text);
std::string from_pack_value(std::string_view value);

class LanguagePack {
public:
    // Reads a pack's bytes (GBK). Anything parses; what is not an entry is ignored.
    static LanguagePack parse(std::string_view gbk_bytes);
    // The value of an entry, "><br><" still in it; null when the pack has no such entry (an entry
    // with an empty value is there, and empty).
    const std::string* find(std::string_view section, std::string_view key) const;
    bool empty() const { return values_.empty(); }

private:
    std::map<std::string, std::map<std::string, std::string, std::less<>>, std::less<>> values_;
};

// What a pack covers: the page tables of one window and its navigation tree, if it has one.
struct PackSource {
    std::vector<const PageSpec*> pages;
    std::string tree;                     // the tree control's name, "" for none
    std::vector<std::string> tree_items;  // item texts in index order
};

// Turns a Simplified text into the Traditional one.
using ToTraditional = std::function<std::string(std::string_view utf8)>;

struct PackText {
    std::string bytes;                 // GBK, CR LF after every line
    std::optional<std::string> error;  // why no pack could be made; `bytes` is then empty
};

// The pack of one window: every control the sections cover, by kind in the order of the sections
// above, then the tree; empty texts as empty values; no editor (the window's script pane keeps its
// text). Refuses when two controls of one section share a name but not a text, or when a converted
// text has a character GBK cannot hold.
PackText language_pack_text(const PackSource& source, const ToTraditional& convert);

}  // namespace vorlix
