#pragma once
// Every page and side window, and the bindings that act on them: what the window shows and what
// vorlix-cli lists. Built once from the areas' page lists (generators/all_pages.hpp).
#include <string>
#include <string_view>
#include <vector>

#include "forms/navigation.hpp"
#include "forms/page_entry.hpp"

namespace vorlix {

// The pages of one outer tab, in the order of its inner tabs.
struct Area {
    OuterTab tab;
    std::vector<PageEntry> pages;
};

struct ButtonRef {
    const PageEntry* page = nullptr;
    const Binding* binding = nullptr;
};

class Registry {
public:
    Registry(std::vector<Area> areas, std::vector<PageEntry> windows);
    // It keeps pointers into its own lists.
    Registry(const Registry&) = delete;
    Registry& operator=(const Registry&) = delete;

    const std::vector<Area>& areas() const { return areas_; }
    const std::vector<PageEntry>& windows() const { return windows_; }
    // Every entry: the main window's pages in tab order, then the side windows.
    const std::vector<const PageEntry*>& entries() const { return entries_; }
    // The navigation tree: the pages that have an item, in tab order.
    const std::vector<TreeItem>& tree() const { return tree_; }

    // The page of the main window at (outer, inner), or null.
    const PageEntry* page_at(int outer, int inner) const;
    // A side window, by its caption.
    const PageEntry* window(std::string_view caption) const;
    // A binding by its control name. A side window's binding may also be named "window caption/control",
    // which is the only way to reach it where the main window has a control of the same name.
    ButtonRef find(std::string_view key) const;
    // The name `vorlix-cli` lists for a binding: the control name, qualified with its window's caption
    // where the plain name is taken by the main window.
    std::string key_of(const PageEntry& page, const Binding& binding) const;

private:
    std::vector<Area> areas_;
    std::vector<PageEntry> windows_;
    std::vector<const PageEntry*> entries_;
    std::vector<TreeItem> tree_;
};

}  // namespace vorlix
