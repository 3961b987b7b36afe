#include "forms/control_kind.hpp"

namespace vorlix {

std::string_view kind_name(ControlKind kind) {
    switch (kind) {
        case ControlKind::edit:
            return "edit";
        case ControlKind::password:
            return "password";
        case ControlKind::multi_line_edit:
            return "multi-line-edit";
        case ControlKind::label:
            return "label";
        case ControlKind::hyperlink:
            return "hyperlink";
        case ControlKind::button:
            return "button";
        case ControlKind::check_box:
            return "check-box";
        case ControlKind::radio_button:
            return "radio-button";
        case ControlKind::group_box:
            return "group-box";
        case ControlKind::editable_combo:
            return "editable-combo";
        case ControlKind::drop_down:
            return "drop-down";
        case ControlKind::line_list:
            return "line-list";
    }
    return "unknown";
}

}  // namespace vorlix
