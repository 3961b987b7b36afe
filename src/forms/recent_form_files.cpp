#include "forms/recent_form_files.hpp"

#include <algorithm>
#include <nlohmann/json.hpp>

namespace vorlix {

std::vector<RecentFormFile> parse_recent_form_files(std::string_view json) {
    std::vector<RecentFormFile> list;
    const nlohmann::json j = nlohmann::json::parse(json, nullptr, false);
    if (!j.is_array()) return list;
    for (const nlohmann::json& e : j) {
        if (!e.is_object()) continue;
        const auto path = e.find("path");
        const auto page = e.find("page");
        if (path == e.end() || !path->is_string() || path->get<std::string>().empty()) continue;
        RecentFormFile f{path->get<std::string>(),
                         page != e.end() && page->is_string() ? page->get<std::string>() : ""};
        if (std::find_if(list.begin(), list.end(), [&](const RecentFormFile& o) { return o.path == f.path; }) ==
            list.end())
            list.push_back(std::move(f));
        if (list.size() == kRecentFormFiles) break;
    }
    return list;
}

std::string recent_form_files_text(const std::vector<RecentFormFile>& list) {
    nlohmann::json j = nlohmann::json::array();
    for (const RecentFormFile& f : list) j.push_back({{"path", f.path}, {"page", f.page}});
    return j.dump(2, ' ', false, nlohmann::json::error_handler_t::replace) + "\n";
}

void remember_form_file(std::vector<RecentFormFile>& list, RecentFormFile file) {
    std::erase_if(list, [&](const RecentFormFile& o) { return o.path == file.path; });
    list.insert(list.begin(), std::move(file));
    if (list.size() > kRecentFormFiles) list.resize(kRecentFormFiles);
}

}  // namespace vorlix
