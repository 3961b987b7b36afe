#pragma once
// The description of one page (or side window) as data: its controls in display order, with the
// captions, defaults and item lists the user sees. The Qt front end renders it, the command line
// shows it, and Form::defaults reads the start values from it.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace vorlix {

enum class ControlKind {
    edit,             // one-line edit box
    password,         // one-line edit box that masks its text
    multi_line_edit,  // multi-line edit box
    label,            // static text
    hyperlink,        // static text that opens a web address (text = caption, hint = address)
    button,
    check_box,
    radio_button,
    group_box,       // a frame with a caption; controls name it in `group`
    panel,           // a frameless column of controls; panels side by side share the row
    editable_combo,  // combo box the user may type into; its value is its text
    drop_down,       // list the user only picks from; its value is the selected index (and its text)
    line_list,       // report-style list of rows of text cells; its value is the rows (and the selected row)
    editor,          // a script editor with a line-number gutter; its value is its text
    list_box,        // a list of one-text rows; its value is the rows (and the selected row)
    slider,          // a handle moved along a range of whole numbers; its value is its position
};

// What a typed value must look like for the router to take it. A press checks the fields it reads and
// warns about a value that does not fit (the script is still written: some users type router variables
// on purpose). An empty value always fits.
enum class ValueType {
    text,            // anything
    ipv4,            // 192.168.0.1
    prefix,          // a prefix length 0 to 32
    ipv4_net,        // an address with its prefix length: 192.168.0.1/24
    address_range,   // an address, a network (a.b.c.d/len) or a range a.b.c.d-a.b.c.d
    ports,           // port numbers and ranges: 80 or 8000-8080 or 80,443
    rate,            // a rate: 512k, 2M, 100000000
    mac,             // 00:0C:29:12:34:56
    interface_name,  // a RouterOS interface name
};

// What a button does to an editor of its window (or, copying, to a label that shows a result), without a
// binding of its own.
enum class EditorCommand {
    none,
    save,
    copy,          // copies, then says so in a message box
    copy_quietly,  // copies without a message
    clear,         // empties the editor as one step that can be undone
    choose_font,   // lets the user pick the editor's font
};

struct ListColumn {
    std::string title;
    int width = 100;
    ValueType type = ValueType::text;  // what the column's cells hold
};

struct ControlSpec {
    std::string name;
    ControlKind kind = ControlKind::edit;
    std::string text;                 // caption (labels, buttons, boxes) or default text (edits, combos)
    std::string label;                // label in front of an input, "" for none
    std::string hint;                 // hint text shown after an input (for a hyperlink: its address)
    std::vector<std::string> items;   // choices of a combo or drop-down list
    int index = -1;                   // default selection of a drop-down list, position of a slider
    int minimum = 0, maximum = 0;     // the range of a slider
    int step = 1;                     // how far a slider moves for one arrow key
    bool checked = false;             // default state of a check box or radio button
    std::string group;                // name of the group box or panel it sits in; "" for the page itself
    std::string radio_group;          // radio buttons that exclude each other; "" means the same `group`
    std::vector<ListColumn> columns;  // columns of a line list
    bool same_row = false;            // laid out to the right of the previous control
    bool disabled = false;            // shown but not usable yet
    // A group box on a tab: the caption of its tab, the name of the tab set (group boxes of one set
    // share one tab widget) and the check box or radio button whose checking brings the tab forward.
    std::string tab, tab_set, tab_follows;
    // A button that acts on an editor of its window: what it does, and to which editor.
    EditorCommand command = EditorCommand::none;
    std::string target;
    // An input's value: what it must look like, its longest length in bytes (0: the bound of its kind,
    // see forms/checks.hpp) and whether it goes to the router as UTF-8 (a wireless network name) rather
    // than as GBK, so that characters GBK lacks are welcome.
    ValueType type = ValueType::text;
    std::size_t max_bytes = 0;
    bool any_unicode = false;
    // A group box that shows its controls only while this check box is checked ("" = always shown).
    std::string collapse_with;
    // A check box that shows the text of password box `reveals` in clear while it is checked.
    std::string reveals;
    // A button whose script changes or stops the router (a reboot, a reset): shown with a warning.
    bool destructive = false;

    // Modifiers, so that a page table reads as a list of calls.
    ControlSpec&& in(std::string_view group_name) && {
        group = std::string(group_name);
        return std::move(*this);
    }
    ControlSpec&& beside() && {
        same_row = true;
        return std::move(*this);
    }
    // A caption in the page's label column, for a control whose factory takes none (a check box,
    // a radio button, a read-only label).
    ControlSpec&& labelled(std::string caption) && {
        label = std::move(caption);
        return std::move(*this);
    }
    ControlSpec&& hinted(std::string text_after) && {
        hint = std::move(text_after);
        return std::move(*this);
    }
    ControlSpec&& radios(std::string_view set) && {
        radio_group = std::string(set);
        return std::move(*this);
    }
    ControlSpec&& off() && {
        disabled = true;
        return std::move(*this);
    }
    // A group box shown as page `caption` of tab set `set`, brought forward when `follows` is checked.
    ControlSpec&& on_tab(std::string_view set, std::string caption, std::string_view follows = {}) && {
        tab_set = std::string(set);
        tab = std::move(caption);
        tab_follows = std::string(follows);
        return std::move(*this);
    }
    ControlSpec&& typed(ValueType what) && {
        type = what;
        return std::move(*this);
    }
    ControlSpec&& at_most(std::size_t bytes) && {
        max_bytes = bytes;
        return std::move(*this);
    }
    ControlSpec&& unicode() && {
        any_unicode = true;
        return std::move(*this);
    }
    // A group box that is open while check box `check_box_name` is checked and collapsed while it is
    // clear: collapsed, it hides its controls and takes no room, so the controls below move up.
    ControlSpec&& collapses_with(std::string_view check_box_name) && {
        collapse_with = std::string(check_box_name);
        return std::move(*this);
    }
    // A check box that unmasks password box `password_box` while it is checked; the text is untouched.
    ControlSpec&& unmasks(std::string_view password_box) && {
        reveals = std::string(password_box);
        return std::move(*this);
    }
    ControlSpec&& warns() && {
        destructive = true;
        return std::move(*this);
    }
    // A button that saves or copies the text of editor `editor_name` (or copies a label's text).
    ControlSpec&& acts_on(std::string_view editor_name, EditorCommand what) && {
        target = std::string(editor_name);
        command = what;
        return std::move(*this);
    }
};

// Factories for the page tables. Names are string_views so that a page's name constants go in as they are.
ControlSpec edit(std::string_view name, std::string label, std::string text);
ControlSpec password(std::string_view name, std::string label, std::string text);
ControlSpec multi_line_edit(std::string_view name, std::string text);
ControlSpec label(std::string_view name, std::string text);
ControlSpec hyperlink(std::string_view name, std::string text, std::string address);
ControlSpec button(std::string_view name, std::string caption);
ControlSpec check_box(std::string_view name, std::string caption, bool checked);
ControlSpec radio_button(std::string_view name, std::string caption, bool checked);
ControlSpec group_box(std::string_view name, std::string caption);
ControlSpec panel(std::string_view name);
ControlSpec editable_combo(std::string_view name, std::string label, std::vector<std::string> items, std::string text);
ControlSpec drop_down(std::string_view name, std::string label, std::vector<std::string> items, int index);
ControlSpec line_list(std::string_view name, std::vector<ListColumn> columns);
ControlSpec editor(std::string_view name, std::string text);
// A list box: rows of one text each, set and read like a line list of one column.
ControlSpec list_box(std::string_view name);
ControlSpec slider(std::string_view name, std::string label, int minimum, int maximum, int step, int position);

struct PageSpec {
    std::string caption;  // the page's tab caption (for a side window: the window's caption)
    // What the page is for, in one line: its entry in the index of its area.
    std::string summary;
    std::string window;  // "" for a page of the main window, else the side window's caption
    // Main window: the page's item in the navigation tree ("" = the caption); a page that only its tab
    // reaches has none.
    std::string tree;
    bool in_tree = true;
    // Side window: the main window's button that opens it, and the window's size at first opening.
    std::string opener;
    int width = 0, height = 0;
    std::vector<ControlSpec> controls;

    const ControlSpec* find(std::string_view name) const;
    // The text of the page's tree item.
    const std::string& tree_text() const { return tree.empty() ? caption : tree; }
};

}  // namespace vorlix
