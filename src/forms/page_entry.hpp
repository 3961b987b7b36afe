#pragma once
// A page as the program runs it: its table and what its controls do. A page file builds its entry
// here; the registry (forms/registry.hpp) only joins the entries.
#include <string>
#include <string_view>
#include <vector>

#include "forms/env.hpp"
#include "forms/form.hpp"
#include "forms/outcome.hpp"
#include "forms/page_spec.hpp"

namespace vorlix {

using Action = Outcome (*)(const Form&, Env&);

enum class BindingKind {
    generate,  // writes a script (listed by `vorlix-cli list`)
    action,    // edits the page itself: line-list buttons, a click on a check box or radio button, a row
               // selected, a field left, tools that fill boxes
    change,    // edits the page on every change of the control's value: a character typed into an edit
               // box, a slider moved
};

// A control and what using it does: a button pressed, a check box or radio button clicked, a line
// list's row selected, an edit box left or changed, a slider moved.
struct Binding {
    Binding(std::string_view control_name, Action action, BindingKind what = BindingKind::generate)
        : control(control_name), run(action), kind(what) {}

    std::string control;
    Action run = nullptr;
    BindingKind kind = BindingKind::generate;
};

struct PageEntry {
    const PageSpec* spec = nullptr;
    std::vector<Binding> bindings;

    const Binding* binding(std::string_view control) const;
};

}  // namespace vorlix
