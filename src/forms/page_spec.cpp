#include "forms/page_spec.hpp"

namespace vorlix {

ControlSpec edit(std::string name, std::string label, std::string text) {
    return {.name = std::move(name), .kind = ControlKind::edit, .text = std::move(text), .label = std::move(label)};
}
ControlSpec password(std::string name, std::string label, std::string text) {
    return {.name = std::move(name), .kind = ControlKind::password, .text = std::move(text), .label = std::move(label)};
}
ControlSpec multi_line_edit(std::string name, std::string text) {
    return {.name = std::move(name), .kind = ControlKind::multi_line_edit, .text = std::move(text)};
}
ControlSpec label(std::string name, std::string text) {
    return {.name = std::move(name), .kind = ControlKind::label, .text = std::move(text)};
}
ControlSpec hyperlink(std::string name, std::string text, std::string address) {
    return {
        .name = std::move(name), .kind = ControlKind::hyperlink, .text = std::move(text), .hint = std::move(address)};
}
ControlSpec button(std::string name, std::string caption) {
    return {.name = std::move(name), .kind = ControlKind::button, .text = std::move(caption)};
}
ControlSpec check_box(std::string name, std::string caption, bool checked) {
    return {.name = std::move(name), .kind = ControlKind::check_box, .text = std::move(caption), .checked = checked};
}
ControlSpec radio_button(std::string name, std::string caption, bool checked) {
    return {.name = std::move(name), .kind = ControlKind::radio_button, .text = std::move(caption), .checked = checked};
}
ControlSpec group_box(std::string name, std::string caption) {
    return {.name = std::move(name), .kind = ControlKind::group_box, .text = std::move(caption)};
}
ControlSpec editable_combo(std::string name, std::string label, std::vector<std::string> items, std::string text) {
    return {.name = std::move(name),
            .kind = ControlKind::editable_combo,
            .text = std::move(text),
            .label = std::move(label),
            .items = std::move(items)};
}
ControlSpec drop_down(std::string name, std::string label, std::vector<std::string> items, int index) {
    return {.name = std::move(name),
            .kind = ControlKind::drop_down,
            .label = std::move(label),
            .items = std::move(items),
            .index = index};
}
ControlSpec line_list(std::string name, std::vector<ListColumn> columns) {
    return {.name = std::move(name), .kind = ControlKind::line_list, .columns = std::move(columns)};
}

const ControlSpec* PageSpec::find(std::string_view name) const {
    for (const ControlSpec& c : controls)
        if (c.name == name) return &c;
    return nullptr;
}

}  // namespace vorlix
