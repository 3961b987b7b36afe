#include "forms/control_kind.hpp"

#include <array>

namespace vorlix {
namespace {

constexpr std::array<KindInfo, 16> kKinds = {{
    {ControlKind::edit, "edit", ValueForm::text},
    {ControlKind::password, "password", ValueForm::text},
    {ControlKind::multi_line_edit, "multi-line-edit", ValueForm::text},
    {ControlKind::label, "label", ValueForm::none},
    {ControlKind::hyperlink, "hyperlink", ValueForm::none},
    {ControlKind::button, "button", ValueForm::none},
    {ControlKind::check_box, "check-box", ValueForm::flag},
    {ControlKind::radio_button, "radio-button", ValueForm::flag},
    {ControlKind::group_box, "group-box", ValueForm::none},
    {ControlKind::panel, "panel", ValueForm::none},
    {ControlKind::editable_combo, "editable-combo", ValueForm::text},
    {ControlKind::drop_down, "drop-down", ValueForm::pick},
    {ControlKind::line_list, "line-list", ValueForm::rows},
    {ControlKind::editor, "editor", ValueForm::text},
    {ControlKind::list_box, "list-box", ValueForm::rows},
    {ControlKind::slider, "slider", ValueForm::number},
}};

// The table is indexed by the enumeration: a kind added to one but not the other fails here.
constexpr bool in_order() {
    for (std::size_t i = 0; i < kKinds.size(); ++i)
        if (static_cast<std::size_t>(kKinds[i].kind) != i) return false;
    return true;
}
static_assert(in_order() && static_cast<std::size_t>(ControlKind::slider) + 1 == kKinds.size());

}  // namespace

const KindInfo& kind_info(ControlKind kind) {
    return kKinds[static_cast<std::size_t>(kind)];
}

}  // namespace vorlix
