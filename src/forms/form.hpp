#pragma once
// The values of one page's controls, by control name: what a press of a button reads.
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "forms/page_spec.hpp"

namespace vorlix {

using Row = std::vector<std::string>;
using Rows = std::vector<Row>;

// Cell `cell` (counted from 0) of a row, or "" for a row that has fewer cells.
const std::string& cell_of(const Row& row, std::size_t cell);

// One control's value. Which members count depends on the kind: text for edits and combos (and the
// selected item's text of a drop-down list), index for a drop-down list (the selected item, -1 for
// none), a line list or list box (the selected row) and a slider (its position), checked for check
// boxes and radio buttons, rows for a line list or list box (a list box's rows have one cell).
struct FieldValue {
    std::string text;
    int index = -1;
    bool checked = false;
    Rows rows;

    bool operator==(const FieldValue&) const = default;
};

class Form {
public:
    // The values a page shows when the program starts.
    static Form defaults(const PageSpec& page);

    const std::string& text(std::string_view name) const;
    int index(std::string_view name) const;
    bool checked(std::string_view name) const;
    const Rows& rows(std::string_view name) const;

    // The value of a control, created empty when the form has none yet.
    FieldValue& at(std::string_view name);
    const FieldValue* find(std::string_view name) const;
    const std::map<std::string, FieldValue, std::less<>>& values() const { return values_; }

    // Names that were read but that the form does not hold: a binding asking for a control its page
    // lacks (a misspelt name). Tests check that it stays empty.
    const std::vector<std::string>& unknown_reads() const { return unknown_reads_; }

    // The controls read since the form was made or forget_reads() was called: what a press used, which
    // is what its checks look at.
    const std::set<std::string, std::less<>>& reads() const { return reads_; }
    void forget_reads() const { reads_.clear(); }

private:
    const FieldValue& get(std::string_view name) const;

    std::map<std::string, FieldValue, std::less<>> values_;
    mutable std::vector<std::string> unknown_reads_;
    mutable std::set<std::string, std::less<>> reads_;
};

// Sets one control as a user would, from text: an edit or combo takes the text; a drop-down list an
// item text or "#index"; a slider a whole number within its range; a check box 1 or 0; a radio button
// 1 or 0, where 1 clears the others of its set, as a click does; a line list or list box a JSON array
// of rows (arrays of cell texts). Returns an
// error message naming what was wrong, or nothing.
std::optional<std::string> set_control(const PageSpec& page, Form& form, std::string_view name, std::string_view value);

// Appends one row (a JSON array of cell texts) to a line list or list box.
std::optional<std::string> add_row(const PageSpec& page, Form& form, std::string_view name, std::string_view json_row);

// Applies a form file (forms/form_file.hpp): a saved form of this page, or a JSON object of control
// name -> value (a string, a number, a boolean, or for a line list an array of rows). On an error the
// form is left as it was.
std::optional<std::string> apply_json(const PageSpec& page, Form& form, std::string_view json_text);

// How deeply arrays and objects nest in a JSON text, counted without parsing it, so that a text nested
// thousands deep is refused before a parser, or a copy of the parsed value, recurses through it.
// Brackets inside strings do not count.
// Example: json_depth(R"({"a": [["x"]]})") == 3
std::size_t json_depth(std::string_view text);

// The radio set a radio button belongs to.
const std::string& radio_set(const ControlSpec& control);

// A control's value written as `set_control` takes it: the text, 1 or 0, the item's text (or "#-1"
// for none), or a line list's rows as JSON.
std::string value_text(const ControlSpec& control, const FieldValue& value);
// The value a control shows when its page opens, written as `set_control` takes it.
std::string default_of(const ControlSpec& control);

}  // namespace vorlix
