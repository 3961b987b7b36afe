#include "forms/registry.hpp"

namespace vorlix {

Registry::Registry(std::vector<Area> areas, std::vector<PageEntry> windows)
    : areas_(std::move(areas)), windows_(std::move(windows)) {
    for (std::size_t o = 0; o < areas_.size(); ++o) {
        const std::vector<PageEntry>& pages = areas_[o].pages;
        for (std::size_t i = 0; i < pages.size(); ++i) {
            entries_.push_back(&pages[i]);
            if (pages[i].spec->in_tree)
                tree_.push_back({i == 0 ? 1 : 2, pages[i].spec->tree_text(), static_cast<int>(o), static_cast<int>(i)});
        }
    }
    for (const PageEntry& w : windows_) entries_.push_back(&w);
}

const PageEntry* Registry::page_at(int outer, int inner) const {
    if (outer < 0 || outer >= static_cast<int>(areas_.size())) return nullptr;
    const std::vector<PageEntry>& pages = areas_[static_cast<std::size_t>(outer)].pages;
    return inner >= 0 && inner < static_cast<int>(pages.size()) ? &pages[static_cast<std::size_t>(inner)] : nullptr;
}

const PageEntry* Registry::window(std::string_view caption) const {
    for (const PageEntry& w : windows_)
        if (w.spec->window == caption) return &w;
    return nullptr;
}

ButtonRef Registry::find(std::string_view key) const {
    // A plain name finds the main window's control first: it is what the name means there.
    for (const PageEntry* p : entries_)
        if (const Binding* b = p->binding(key)) return {p, b};
    const std::size_t slash = key.find('/');
    if (slash != std::string_view::npos) {
        if (const PageEntry* p = window(key.substr(0, slash)))
            if (const Binding* b = p->binding(key.substr(slash + 1))) return {p, b};
    }
    return {};
}

std::string Registry::key_of(const PageEntry& page, const Binding& binding) const {
    if (page.spec->window.empty()) return binding.control;
    const ButtonRef plain = find(binding.control);
    if (plain.binding == &binding) return binding.control;
    return page.spec->window + "/" + binding.control;
}

}  // namespace vorlix
