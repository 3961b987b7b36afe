#include "forms/registry.hpp"

namespace vorlix {

const ButtonBinding* PageEntry::binding(std::string_view control) const {
    for (const ButtonBinding& b : bindings)
        if (b.control == control) return &b;
    return nullptr;
}

const PageEntry* Registry::page_at(int outer, int inner) const {
    for (const PageEntry& p : pages_)
        if (p.spec->window.empty() && p.spec->outer == outer && p.spec->inner == inner) return &p;
    return nullptr;
}

const PageEntry* Registry::window(std::string_view caption) const {
    for (const PageEntry& p : pages_)
        if (p.spec->window == caption) return &p;
    return nullptr;
}

ButtonRef Registry::find(std::string_view key) const {
    // A plain name finds the main window's control first: it is what the name means there.
    for (int pass = 0; pass < 2; ++pass) {
        for (const PageEntry& p : pages_) {
            if (p.spec->window.empty() != (pass == 0)) continue;
            if (const ButtonBinding* b = p.binding(key)) return {&p, b};
        }
    }
    const std::size_t slash = key.find('/');
    if (slash != std::string_view::npos) {
        if (const PageEntry* p = window(key.substr(0, slash)))
            if (const ButtonBinding* b = p->binding(key.substr(slash + 1))) return {p, b};
    }
    return {};
}

std::string Registry::key_of(const PageEntry& page, const ButtonBinding& binding) const {
    if (page.spec->window.empty()) return binding.control;
    const ButtonRef plain = find(binding.control);
    if (plain.binding == &binding) return binding.control;
    return page.spec->window + "/" + binding.control;
}

}  // namespace vorlix
