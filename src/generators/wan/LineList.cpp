#include "generators/wan/LineList.hpp"

#include <string_view>

namespace vorlix {
namespace {

// The input box that fills a cell: past the address cell every cell is one input further on.
std::size_t input_of_cell(const LineListSpec& list, std::size_t cell) {
    return list.address_cell && cell > 0 ? cell + 1 : cell;
}

// What add compares on the row side: the cell, or the address part of an address cell.
std::string_view row_key(const LineListSpec& list, const WanLine& row, std::size_t cell) {
    std::string_view text = cell_of(row, cell);
    if (list.address_cell && cell == 0) text = text.substr(0, text.find('/'));
    return text;
}

bool names_a_row(const Rows& rows, int selected) {
    return selected >= 0 && static_cast<std::size_t>(selected) < rows.size();
}

LineInputs read_inputs(const LineListSpec& list, const Form& form) {
    LineInputs inputs;
    inputs.reserve(list.inputs.size());
    for (const std::string_view name : list.inputs) inputs.push_back(form.text(name));
    return inputs;
}

Outcome rows_changed(const LineListSpec& list, Rows rows, int selected) {
    Outcome o;
    FieldValue v;
    v.rows = std::move(rows);
    v.index = names_a_row(v.rows, selected) ? selected : -1;
    o.updates.push_back({std::string(list.list), std::move(v)});
    return o;
}

}  // namespace

LineListSpec line_list_of(std::string_view list, std::span<const std::string_view> inputs, bool address_cell,
                          std::vector<LineKey> keys, std::string_view add, std::string_view modify,
                          std::string_view remove) {
    LineListSpec spec{.list = list,
                      .address_cell = address_cell,
                      .keys = std::move(keys),
                      .add_button = add,
                      .modify_button = modify,
                      .delete_button = remove};
    for (const std::string_view input : inputs)
        if (!input.empty()) spec.inputs.push_back(input);
    return spec;
}

WanLine line_from_inputs(const LineListSpec& list, const LineInputs& inputs) {
    WanLine line;
    std::size_t i = 0;
    if (list.address_cell) {
        line.push_back(cell_of(inputs, 0) + "/" + cell_of(inputs, 1));
        i = 2;
    }
    for (; i < list.inputs.size(); ++i) line.push_back(cell_of(inputs, i));
    return line;
}

LineInputs inputs_from_line(const LineListSpec& list, const WanLine& line) {
    LineInputs inputs;
    std::size_t cell = 0;
    if (list.address_cell) {
        const std::string& address = cell_of(line, 0);
        const std::size_t slash = address.find('/');
        if (slash == std::string::npos) {
            inputs.push_back(address);
            inputs.emplace_back();
        } else {
            inputs.push_back(address.substr(0, slash));
            const std::size_t end = address.find('/', slash + 1);
            inputs.push_back(address.substr(slash + 1, end == std::string::npos ? end : end - slash - 1));
        }
        cell = 1;
    }
    while (inputs.size() < list.inputs.size()) inputs.push_back(cell_of(line, cell++));
    return inputs;
}

std::optional<std::string> add_line(const LineListSpec& list, Rows& rows, const LineInputs& inputs) {
    for (const LineKey& key : list.keys) {
        const std::string& wanted = cell_of(inputs, input_of_cell(list, key.cell));
        for (const WanLine& row : rows)
            if (row_key(list, row, key.cell) == wanted) return key.prefix + wanted + " 已经被使用,不能重复添加!";
    }
    rows.push_back(line_from_inputs(list, inputs));
    return std::nullopt;
}

bool modify_line(const LineListSpec& list, Rows& rows, int selected, const LineInputs& inputs) {
    if (!names_a_row(rows, selected)) return false;
    rows[static_cast<std::size_t>(selected)] = line_from_inputs(list, inputs);
    return true;
}

bool delete_line(Rows& rows, int selected) {
    if (!names_a_row(rows, selected)) return false;
    rows.erase(rows.begin() + selected);
    return true;
}

Outcome add_line_action(const LineListSpec& list, const Form& form) {
    Rows rows = form.rows(list.list);
    if (std::optional<std::string> duplicate = add_line(list, rows, read_inputs(list, form))) {
        Outcome o;
        o.message = Message{std::move(*duplicate), kIconInformation, std::nullopt, {}};
        return o;
    }
    return rows_changed(list, std::move(rows), form.index(list.list));
}

Outcome modify_line_action(const LineListSpec& list, const Form& form) {
    Rows rows = form.rows(list.list);
    const int selected = form.index(list.list);
    if (!modify_line(list, rows, selected, read_inputs(list, form))) return {};
    return rows_changed(list, std::move(rows), selected);
}

Outcome delete_line_action(const LineListSpec& list, const Form& form) {
    Rows rows = form.rows(list.list);
    if (!delete_line(rows, form.index(list.list))) return {};
    return rows_changed(list, std::move(rows), -1);
}

Outcome select_line_action(const LineListSpec& list, const Form& form) {
    const Rows& rows = form.rows(list.list);
    const int selected = form.index(list.list);
    if (!names_a_row(rows, selected)) return {};
    const LineInputs inputs = inputs_from_line(list, rows[static_cast<std::size_t>(selected)]);
    Outcome o;
    for (std::size_t i = 0; i < list.inputs.size(); ++i) {
        FieldValue v;
        v.text = inputs[i];
        o.updates.push_back({std::string(list.inputs[i]), std::move(v)});
    }
    return o;
}

}  // namespace vorlix
