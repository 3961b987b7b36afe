#include "forms/form.hpp"

#include <algorithm>

#include <nlohmann/json.hpp>

#include "forms/control_kind.hpp"
#include "forms/form_file.hpp"
#include "script/encoding.hpp"
#include "script/text.hpp"

namespace vorlix {
namespace {

std::string in_quotes(std::string_view s) {
    return "\"" + std::string(s) + "\"";
}

bool is_input(ControlKind kind) {
    return kind_info(kind).is_input();
}

std::optional<std::string> set_flag(const PageSpec& page, Form& form, const ControlSpec& c, std::string_view value) {
    if (value != "1" && value != "0") return "control " + c.name + " takes 1 or 0, not " + in_quotes(value);
    const bool on = value == "1";
    if (c.kind == ControlKind::radio_button && on) {
        for (const ControlSpec& other : page.controls)
            if (other.kind == ControlKind::radio_button && radio_set(other) == radio_set(c))
                form.at(other.name).checked = false;
    }
    form.at(c.name).checked = on;
    return std::nullopt;
}

std::optional<std::string> set_pick(Form& form, const ControlSpec& c, std::string_view value) {
    int index = -1;
    if (value.starts_with('#')) {
        const std::string_view digits = value.substr(1);
        const long long n = leading_integer(digits);
        if (digits.empty() || std::to_string(n) != digits || n < -1 || n >= static_cast<long long>(c.items.size()))
            return "drop-down list " + c.name + " has no item " + std::string(value) + " (it holds " +
                   std::to_string(c.items.size()) + " items, #0 to #" + std::to_string(c.items.size() - 1) + ")";
        index = static_cast<int>(n);
    } else {
        for (std::size_t i = 0; i < c.items.size(); ++i)
            if (c.items[i] == value) index = static_cast<int>(i);
        if (index < 0) {
            std::string all;
            for (const std::string& item : c.items) all += (all.empty() ? "" : ", ") + in_quotes(item);
            return "drop-down list " + c.name + " has no item " + in_quotes(value) + "; its items are " + all;
        }
    }
    FieldValue& v = form.at(c.name);
    v.index = index;
    v.text = index >= 0 ? c.items[static_cast<std::size_t>(index)] : std::string();
    return std::nullopt;
}

// "line list 超级列表框_13" or "list box 列表框_45外网网卡": how messages name a control that holds rows.
std::string rows_control(const ControlSpec& c) {
    return (c.kind == ControlKind::list_box ? "list box " : "line list ") + c.name;
}

std::optional<std::string> set_number(Form& form, const ControlSpec& c, std::string_view value) {
    const long long n = leading_integer(value);
    if (value.empty() || std::to_string(n) != value || n < c.minimum || n > c.maximum)
        return "control " + c.name + " takes a whole number from " + std::to_string(c.minimum) + " to " +
               std::to_string(c.maximum) + ", not " + in_quotes(value);
    form.at(c.name).index = static_cast<int>(n);
    return std::nullopt;
}

std::optional<std::string> rows_from_json(const ControlSpec& c, const nlohmann::json& j, Rows& out) {
    if (!j.is_array()) return rows_control(c) + " takes an array of rows";
    for (const nlohmann::json& row : j) {
        if (!row.is_array()) return "a row of " + rows_control(c) + " must be an array of cell texts";
        if (row.size() != c.columns.size())
            return "a row of " + rows_control(c) + " has " + std::to_string(row.size()) + " cells; it takes " +
                   std::to_string(c.columns.size());
        Row cells;
        for (const nlohmann::json& cell : row) {
            if (!cell.is_string()) return "the cells of " + rows_control(c) + " are texts";
            cells.push_back(cell.get<std::string>());
        }
        out.push_back(std::move(cells));
    }
    return std::nullopt;
}

std::size_t json_depth_of(std::string_view text) {
    std::size_t depth = 0, deepest = 0;
    bool in_string = false, escaped = false;
    for (const char c : text) {
        if (in_string) {
            if (escaped)
                escaped = false;
            else if (c == '\\')
                escaped = true;
            else if (c == '"')
                in_string = false;
        } else if (c == '"') {
            in_string = true;
        } else if (c == '[' || c == '{') {
            deepest = std::max(deepest, ++depth);
        } else if ((c == ']' || c == '}') && depth > 0) {
            --depth;
        }
    }
    return deepest;
}

// A form file is an object of values, the deepest of which is a line list: rows of cells.
constexpr std::size_t kFormDepth = 3;

std::optional<std::string> too_deep(std::string_view text, std::size_t allowed, std::string_view what) {
    if (json_depth_of(text) <= allowed) return std::nullopt;
    return std::string(what) + " nests arrays or objects deeper than " + std::to_string(allowed) + " levels";
}

const ControlSpec* input_control(const PageSpec& page, std::string_view name, std::string& error) {
    const ControlSpec* c = page.find(name);
    if (c == nullptr || !is_input(c->kind)) {
        error = "page " + in_quotes(page.caption) + " has no input control " + std::string(name);
        return nullptr;
    }
    return c;
}

// The value a control shows when its page opens.
FieldValue default_value(const ControlSpec& c) {
    FieldValue v;
    v.checked = c.checked;
    switch (kind_info(c.kind).value) {
        case ValueForm::pick:
            v.index = c.index;
            if (c.index >= 0 && c.index < static_cast<int>(c.items.size()))
                v.text = c.items[static_cast<std::size_t>(c.index)];
            break;
        case ValueForm::text:
        case ValueForm::flag:
        case ValueForm::none:  // a caption, which `vorlix-cli show` prints as the control's text
            v.text = c.text;
            break;
        case ValueForm::number:
            v.index = c.index;
            break;
        case ValueForm::rows:
            break;
    }
    return v;
}

}  // namespace

std::size_t json_depth(std::string_view text) {
    return json_depth_of(text);
}

Form Form::defaults(const PageSpec& page) {
    Form form;
    for (const ControlSpec& c : page.controls)
        if (is_input(c.kind)) form.values_[c.name] = default_value(c);
    return form;
}

std::string value_text(const ControlSpec& c, const FieldValue& v) {
    switch (kind_info(c.kind).value) {
        case ValueForm::flag:
            return v.checked ? "1" : "0";
        case ValueForm::pick:
            return v.index >= 0 && v.index < static_cast<int>(c.items.size())
                       ? c.items[static_cast<std::size_t>(v.index)]
                       : "#-1";
        case ValueForm::rows:
            return nlohmann::json(v.rows).dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
        case ValueForm::number:
            return std::to_string(v.index);
        case ValueForm::text:
        case ValueForm::none:
            break;
    }
    return v.text;
}

std::string default_of(const ControlSpec& c) {
    return value_text(c, default_value(c));
}

const FieldValue& Form::get(std::string_view name) const {
    static const FieldValue kEmpty;
    if (const FieldValue* v = find(name)) {
        if (!reads_.contains(name)) reads_.emplace(name);
        return *v;
    }
    unknown_reads_.emplace_back(name);
    return kEmpty;
}

const std::string& Form::text(std::string_view name) const {
    return get(name).text;
}
int Form::index(std::string_view name) const {
    return get(name).index;
}
bool Form::checked(std::string_view name) const {
    return get(name).checked;
}
const Rows& Form::rows(std::string_view name) const {
    return get(name).rows;
}

FieldValue& Form::at(std::string_view name) {
    auto it = values_.find(name);
    if (it == values_.end()) it = values_.emplace(std::string(name), FieldValue{}).first;
    return it->second;
}

const FieldValue* Form::find(std::string_view name) const {
    const auto it = values_.find(name);
    return it == values_.end() ? nullptr : &it->second;
}

const std::string& cell_of(const Row& row, std::size_t cell) {
    static const std::string kEmpty;
    return cell < row.size() ? row[cell] : kEmpty;
}

const std::string& radio_set(const ControlSpec& control) {
    return control.radio_group.empty() ? control.group : control.radio_group;
}

std::optional<std::string> set_control(const PageSpec& page, Form& form, std::string_view name,
                                       std::string_view value) {
    std::string error;
    const ControlSpec* c = input_control(page, name, error);
    if (c == nullptr) return error;
    // Text inside the program is UTF-8; bytes in another encoding would reach the script garbled.
    if (!is_valid_utf8(value)) return "the value of " + c->name + " is not UTF-8 text";
    switch (kind_info(c->kind).value) {
        case ValueForm::flag:
            return set_flag(page, form, *c, value);
        case ValueForm::pick:
            return set_pick(form, *c, value);
        case ValueForm::number:
            return set_number(form, *c, value);
        case ValueForm::rows: {
            if (auto e = too_deep(value, kFormDepth - 1, "line list " + c->name)) return e;
            const nlohmann::json j = nlohmann::json::parse(value, nullptr, false);
            if (j.is_discarded()) return rows_control(*c) + ": the value is not valid JSON";
            Rows rows;
            if (auto e = rows_from_json(*c, j, rows)) return e;
            form.at(c->name).rows = std::move(rows);
            return std::nullopt;
        }
        case ValueForm::text:
        case ValueForm::none:
            break;
    }
    form.at(c->name).text = std::string(value);
    return std::nullopt;
}

std::optional<std::string> add_row(const PageSpec& page, Form& form, std::string_view name, std::string_view json_row) {
    std::string error;
    const ControlSpec* c = input_control(page, name, error);
    if (c == nullptr) return error;
    if (kind_info(c->kind).value != ValueForm::rows) return "control " + c->name + " is not a line list or list box";
    if (auto e = too_deep(json_row, kFormDepth - 2, "row for " + c->name)) return e;
    const nlohmann::json j = nlohmann::json::parse(json_row, nullptr, false);
    if (j.is_discarded()) return "row for " + c->name + ": not valid JSON";
    Rows rows;
    if (auto e = rows_from_json(*c, nlohmann::json::array({j}), rows)) return e;
    form.at(c->name).rows.push_back(std::move(rows.front()));
    return std::nullopt;
}

std::optional<std::string> apply_json(const PageSpec& page, Form& form, std::string_view json_text) {
    FormFileRead read = read_form_file(page, form, json_text);
    if (!read.ok()) return read.message;
    form = std::move(read.form);
    return std::nullopt;
}

}  // namespace vorlix
