#pragma once
// Every page and side window, and the buttons that act on them.
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
    action,    // edits the page itself: line-list buttons, a row selected, tools that fill boxes
};

// A button (or a line list, for "row selected") and what pressing it does.
struct ButtonBinding {
    std::string control;
    Action run = nullptr;
    BindingKind kind = BindingKind::generate;
};

struct PageEntry {
    const PageSpec* spec = nullptr;
    std::vector<ButtonBinding> bindings;

    const ButtonBinding* binding(std::string_view control) const;
};

struct ButtonRef {
    const PageEntry* page = nullptr;
    const ButtonBinding* binding = nullptr;
};

class Registry {
public:
    explicit Registry(std::vector<PageEntry> pages) : pages_(std::move(pages)) {}

    const std::vector<PageEntry>& pages() const { return pages_; }
    // The page of the main window at (outer, inner), or null for an empty page.
    const PageEntry* page_at(int outer, int inner) const;
    // The pages of a side window, by the window's caption.
    const PageEntry* window(std::string_view caption) const;
    // A button by its control name. A side window's button may also be named "window caption/button",
    // which is the only way to reach it where the main window has a control of the same name.
    ButtonRef find(std::string_view key) const;
    // The name `vorlix-cli` lists for a binding: the control name, qualified with its window's caption
    // where the plain name is taken by the main window.
    std::string key_of(const PageEntry& page, const ButtonBinding& binding) const;

private:
    std::vector<PageEntry> pages_;
};

// Every page of the program, in tree order, then the side windows.
const Registry& registry();

}  // namespace vorlix
