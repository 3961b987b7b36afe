#pragma once
// What the form model knows of each kind of control, in one table: the name `vorlix-cli show`
// prints and the form a value of that kind takes. The Qt front end keeps only its widget switches.
#include <string_view>

#include "forms/page_spec.hpp"

namespace vorlix {

// How a control holds a value, and how `vorlix-cli --set` types it.
enum class ValueForm {
    none,    // no value: labels, buttons, boxes
    text,    // a text (edits, combos, editors)
    flag,    // checked or not: 1 or 0 (check boxes, radio buttons)
    pick,    // a selected item: its text or "#index" (drop-down lists)
    rows,    // rows of cell texts: a JSON array of arrays (line lists)
    number,  // a whole number within the control's range (sliders)
};

struct KindInfo {
    ControlKind kind;
    std::string_view name;  // "edit", "drop-down", "line-list" ...
    ValueForm value;

    bool is_input() const { return value != ValueForm::none; }
};

const KindInfo& kind_info(ControlKind kind);

// The name `vorlix-cli show` prints for a kind of control.
inline std::string_view kind_name(ControlKind kind) {
    return kind_info(kind).name;
}

}  // namespace vorlix
