#pragma once
// The main window's own controls around the pages (the tool row, the version line, the buttons that
// open the side windows), and the two form-file buttons every window carries, as page tables: the
// language packs cover them like any page. The window builds these controls itself.
#include <string_view>

#include "forms/page_spec.hpp"

namespace vorlix {

namespace frame {
inline constexpr std::string_view tree = "树型框1";
inline constexpr std::string_view page_frame = "分组框1";
inline constexpr std::string_view language = "按钮_语言";
// Hidden: writes the language packs from the page tables.
inline constexpr std::string_view export_packs = "按钮1";
inline constexpr std::string_view save_form = "按钮_保存表单";
inline constexpr std::string_view load_form = "按钮_载入表单";
}  // namespace frame

// The main window's controls outside the pages, with their Simplified captions.
const PageSpec& main_frame_spec();

// "保存表单" and "载入表单", which the main window and each side window have.
const PageSpec& form_file_buttons_spec();

}  // namespace vorlix
