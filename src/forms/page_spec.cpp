#include "forms/page_spec.hpp"

namespace vorlix {
namespace {

ControlSpec make(std::string_view name, ControlKind kind, std::string text = {}, std::string label = {}) {
    return {.name = std::string(name), .kind = kind, .text = std::move(text), .label = std::move(label)};
}

}  // namespace

ControlSpec edit(std::string_view name, std::string label, std::string text) {
    return make(name, ControlKind::edit, std::move(text), std::move(label));
}
ControlSpec password(std::string_view name, std::string label, std::string text) {
    return make(name, ControlKind::password, std::move(text), std::move(label));
}
ControlSpec multi_line_edit(std::string_view name, std::string text) {
    return make(name, ControlKind::multi_line_edit, std::move(text));
}
ControlSpec label(std::string_view name, std::string text) {
    return make(name, ControlKind::label, std::move(text));
}
ControlSpec hyperlink(std::string_view name, std::string text, std::string address) {
    ControlSpec c = make(name, ControlKind::hyperlink, std::move(text));
    c.hint = std::move(address);
    return c;
}
ControlSpec button(std::string_view name, std::string caption) {
    return make(name, ControlKind::button, std::move(caption));
}
ControlSpec check_box(std::string_view name, std::string caption, bool checked) {
    ControlSpec c = make(name, ControlKind::check_box, std::move(caption));
    c.checked = checked;
    return c;
}
ControlSpec radio_button(std::string_view name, std::string caption, bool checked) {
    ControlSpec c = make(name, ControlKind::radio_button, std::move(caption));
    c.checked = checked;
    return c;
}
ControlSpec group_box(std::string_view name, std::string caption) {
    return make(name, ControlKind::group_box, std::move(caption));
}
ControlSpec panel(std::string_view name) {
    return make(name, ControlKind::panel);
}
ControlSpec editable_combo(std::string_view name, std::string label, std::vector<std::string> items, std::string text) {
    ControlSpec c = make(name, ControlKind::editable_combo, std::move(text), std::move(label));
    c.items = std::move(items);
    return c;
}
ControlSpec drop_down(std::string_view name, std::string label, std::vector<std::string> items, int index) {
    ControlSpec c = make(name, ControlKind::drop_down, {}, std::move(label));
    c.items = std::move(items);
    c.index = index;
    return c;
}
ControlSpec line_list(std::string_view name, std::vector<ListColumn> columns) {
    ControlSpec c = make(name, ControlKind::line_list);
    c.columns = std::move(columns);
    return c;
}
ControlSpec editor(std::string_view name, std::string text) {
    return make(name, ControlKind::editor, std::move(text));
}
ControlSpec list_box(std::string_view name) {
    ControlSpec c = make(name, ControlKind::list_box);
    c.columns = {{"", 100}};
    return c;
}

ControlSpec slider(std::string_view name, std::string label, int minimum, int maximum, int step, int position) {
    ControlSpec c = make(name, ControlKind::slider, {}, std::move(label));
    c.minimum = minimum;
    c.maximum = maximum;
    c.step = step;
    c.index = position;
    return c;
}

const ControlSpec* PageSpec::find(std::string_view name) const {
    for (const ControlSpec& c : controls)
        if (c.name == name) return &c;
    return nullptr;
}

}  // namespace vorlix
