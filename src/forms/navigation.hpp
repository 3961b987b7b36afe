#pragma once
// The main window's navigation: the tree, the outer tab set and the inner tab sets.
#include <array>
#include <string_view>
#include <vector>

namespace vorlix {

struct TreeItem {
    int level;              // 1 for a heading, 2 for a page under it
    std::string_view text;  // the tree text, also the frame caption when selected
    int outer;              // the page of 选择夹1
    int inner;              // the page of the inner tab set
};

inline constexpr int kTreeItemCount = 43;
const std::array<TreeItem, kTreeItemCount>& tree_items();

struct TabSet {
    std::string_view name;                   // 选择夹2 ... 选择夹10
    std::vector<std::string_view> captions;  // tab captions in order
};

// 选择夹1's tab captions, and the inner tab set on each of its pages.
const std::array<std::string_view, 9>& outer_tabs();
const std::array<TabSet, 9>& inner_tabs();

}  // namespace vorlix
