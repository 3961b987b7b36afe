#pragma once
// The form files saved or loaded last, newest first, kept as a small JSON list in the data directory
// so that the load dialog can offer them again.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace vorlix {

inline constexpr std::size_t kRecentFormFiles = 10;
inline constexpr std::string_view kRecentFormFilesName = "recent_forms.json";

struct RecentFormFile {
    std::string path;  // absolute, UTF-8
    std::string page;  // the caption of the page the file is for

    bool operator==(const RecentFormFile&) const = default;
};

// The list from the text of its file. A missing, damaged or foreign file gives what can be read of
// it, which may be nothing: losing the list must never stop the program.
// Example: parse_recent_form_files(recent_form_files_text(list)) == list.
std::vector<RecentFormFile> parse_recent_form_files(std::string_view json);
std::string recent_form_files_text(const std::vector<RecentFormFile>& list);

// Puts `file` at the front, drops an older entry of the same path and keeps the newest kRecentFormFiles.
void remember_form_file(std::vector<RecentFormFile>& list, RecentFormFile file);

}  // namespace vorlix
