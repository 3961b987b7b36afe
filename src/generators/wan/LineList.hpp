#pragma once
// The line list of a multi-line WAN page: one row (a WanLine) per Internet line, filled from the input
// boxes beside the list. The list is the only store of the lines; the generators read its rows as
// they stand, row 1 being line 1.
//
// The operations are pure functions over the rows, so the Qt list, the command line and the tests
// share them; the action bindings below turn them into button presses.
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "forms/form.hpp"
#include "forms/outcome.hpp"
#include "forms/page_entry.hpp"

namespace vorlix {

// Two to four text cells, exactly as the input boxes held them.
using WanLine = Row;

// A cell that add refuses to see twice, and the words shown in front of the repeated value.
struct LineKey {
    std::size_t cell;    // counted from 0
    std::string prefix;  // for example "外网网卡: "
};

// How one page's inputs fill the cells of its list.
// The names are the page's name constants, which live for the whole program.
struct LineListSpec {
    std::string_view list;                 // the line-list control
    std::vector<std::string_view> inputs;  // the input boxes, in cell order
    // A fixed-address line: cell 0 is inputs[0] (the address), "/", inputs[1] (the prefix length),
    // and its key is the address alone, so 1.2.3.4/24 and 1.2.3.4/29 count as the same line.
    bool address_cell = false;
    std::vector<LineKey> keys;  // checked in this order by add
    std::string_view add_button, modify_button, delete_button;
};

// A page's list from its names: the list, the input boxes in cell order (empty names are skipped, so
// pages of one family can share an array size) and the three buttons.
LineListSpec line_list_of(std::string_view list, std::span<const std::string_view> inputs, bool address_cell,
                          std::vector<LineKey> keys, std::string_view add, std::string_view modify,
                          std::string_view remove);

// The texts of the input boxes, in the order of LineListSpec::inputs.
using LineInputs = std::vector<std::string>;

// The row the inputs describe.
// Example: address list, inputs {"10.0.0.2", "30", "10.0.0.1", "ether2"} -> {"10.0.0.2/30", "10.0.0.1", "ether2"}
WanLine line_from_inputs(const LineListSpec& list, const LineInputs& inputs);

// The input texts that selecting a row writes back: the cells, with an address cell split at its first
// "/" into address and prefix length (the prefix ends at a second "/", if any; it is empty when the
// cell has no "/").
// Example: address list, {"10.0.0.2/30", "10.0.0.1", "ether2"} -> {"10.0.0.2", "30", "10.0.0.1", "ether2"}
LineInputs inputs_from_line(const LineListSpec& list, const WanLine& line);

// Appends the line the inputs describe, unless a key of it is already in the list: then the rows stay
// as they are and the answer is the message naming the first key that collides (all rows are checked
// for the first key before the second). Comparison is exact; nothing is trimmed.
// Example: a second line on ether2 -> "外网网卡: ether2 已经被使用,不能重复添加!"
std::optional<std::string> add_line(const LineListSpec& list, Rows& rows, const LineInputs& inputs);

// Overwrites the selected row with the inputs, without any check. False (and no change) when
// `selected` names no row.
bool modify_line(const LineListSpec& list, Rows& rows, int selected, const LineInputs& inputs);

// Removes the selected row; the rows after it move up. False (and no change) when `selected` names no row.
bool delete_line(Rows& rows, int selected);

// The presses, as the page's buttons and the list's "row selected" run them. Their outcome carries the
// list's new rows and selection, or the input texts written back, or the duplicate message.
Outcome add_line_action(const LineListSpec& list, const Form& form);
Outcome modify_line_action(const LineListSpec& list, const Form& form);
Outcome delete_line_action(const LineListSpec& list, const Form& form);
Outcome select_line_action(const LineListSpec& list, const Form& form);

// The four action bindings of a page's list: add, modify, delete and the list itself for "row selected".
template <const LineListSpec& (*List)()>
std::vector<Binding> line_list_bindings() {
    const LineListSpec& l = List();
    return {
        {l.add_button, [](const Form& f, Env&) { return add_line_action(List(), f); }, BindingKind::action},
        {l.modify_button, [](const Form& f, Env&) { return modify_line_action(List(), f); }, BindingKind::action},
        {l.delete_button, [](const Form& f, Env&) { return delete_line_action(List(), f); }, BindingKind::action},
        {l.list, [](const Form& f, Env&) { return select_line_action(List(), f); }, BindingKind::action},
    };
}

// A line-list page: its own bindings (the generate buttons), then those of its list.
template <const LineListSpec& (*List)()>
PageEntry line_list_page(const PageSpec& spec, std::vector<Binding> own) {
    PageEntry page{&spec, std::move(own)};
    for (Binding& b : line_list_bindings<List>()) page.bindings.push_back(std::move(b));
    return page;
}

}  // namespace vorlix
