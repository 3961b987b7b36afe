#pragma once
// The description of one page (or side window) as data: its controls in display order, with the
// captions, defaults and item lists the user sees. The Qt front end renders it, the command line
// shows it, and Form::defaults reads the start values from it.
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
    editable_combo,  // combo box the user may type into; its value is its text
    drop_down,       // list the user only picks from; its value is the selected index (and its text)
    line_list,       // report-style list of rows of text cells; its value is the rows (and the selected row)
};

struct ListColumn {
    std::string title;
    int width = 100;
};

struct ControlSpec {
    std::string name;
    ControlKind kind = ControlKind::edit;
    std::string text;                 // caption (labels, buttons, boxes) or default text (edits, combos)
    std::string label;                // label in front of an input, "" for none
    std::string hint;                 // hint text shown after an input (for a hyperlink: its address)
    std::vector<std::string> items;   // choices of a combo or drop-down list
    int index = -1;                   // default selection of a drop-down list
    bool checked = false;             // default state of a check box or radio button
    std::string group;                // name of the group box it sits in; "" for the page itself
    std::string radio_group;          // radio buttons that exclude each other; "" means the same `group`
    std::vector<ListColumn> columns;  // columns of a line list
    bool same_row = false;            // laid out to the right of the previous control
    bool disabled = false;            // shown but not usable yet

    // Modifiers, so that a page table reads as a list of calls.
    ControlSpec&& in(std::string group_name) && {
        group = std::move(group_name);
        return std::move(*this);
    }
    ControlSpec&& beside() && {
        same_row = true;
        return std::move(*this);
    }
    ControlSpec&& hinted(std::string text_after) && {
        hint = std::move(text_after);
        return std::move(*this);
    }
    ControlSpec&& radios(std::string set) && {
        radio_group = std::move(set);
        return std::move(*this);
    }
    ControlSpec&& off() && {
        disabled = true;
        return std::move(*this);
    }
};

// Factories for the page tables.
ControlSpec edit(std::string name, std::string label, std::string text);
ControlSpec password(std::string name, std::string label, std::string text);
ControlSpec multi_line_edit(std::string name, std::string text);
ControlSpec label(std::string name, std::string text);
ControlSpec hyperlink(std::string name, std::string text, std::string address);
ControlSpec button(std::string name, std::string caption);
ControlSpec check_box(std::string name, std::string caption, bool checked);
ControlSpec radio_button(std::string name, std::string caption, bool checked);
ControlSpec group_box(std::string name, std::string caption);
ControlSpec editable_combo(std::string name, std::string label, std::vector<std::string> items, std::string text);
ControlSpec drop_down(std::string name, std::string label, std::vector<std::string> items, int index);
ControlSpec line_list(std::string name, std::vector<ListColumn> columns);

struct PageSpec {
    std::string caption;  // the page's tab caption (for a side window: the window's caption)
    std::string window;   // "" for a page of the main window, else the side window's caption
    int outer = 0;        // main window: the page of 选择夹1
    int inner = 0;        // main window: the page of the inner tab set
    std::vector<ControlSpec> controls;

    const ControlSpec* find(std::string_view name) const;
};

}  // namespace vorlix
