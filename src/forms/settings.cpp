#include "forms/settings.hpp"

#include <filesystem>
#include <mutex>
#include "forms/data_dir.hpp"

#include "script/encoding.hpp"
#include "script/files.hpp"
#include "script/ini.hpp"

namespace vorlix {
namespace {

constexpr std::string_view kSection = "log";

// The notice threads and the window write different keys of the one file; each write reads the file
// again and replaces it whole, so two at once would lose one of them.
std::mutex& file_lock() {
    static std::mutex m;
    return m;
}

IniFile load(const std::string& path) {
    const FileText file = read_whole_file(path);
    if (file.error) return {};
    return IniFile::parse(gbk_to_utf8(file.bytes));
}

}  // namespace

std::string settings_path(const std::string& data_dir) {
    return data_dir + "/config.ini";
}

std::string read_setting(const std::string& data_dir, std::string_view key) {
    if (data_dir.empty()) return {};
    const std::lock_guard<std::mutex> hold(file_lock());
    return load(settings_path(data_dir)).get(kSection, key).value_or("");
}

std::optional<std::string> write_setting(const std::string& data_dir, std::string_view key, std::string_view value) {
    if (data_dir.empty()) return "没有数据目录";
    const std::lock_guard<std::mutex> hold(file_lock());
    std::error_code ec;
    std::filesystem::create_directories(std::filesystem::u8path(data_dir), ec);
    if (ec) return ec.message();
    const std::string path = settings_path(data_dir);
    IniFile ini = load(path);
    if (!ini.set(kSection, key, value)) return "设置值不能含有换行";
    return write_file_atomically(path, utf8_to_gbk(ini.text()));
}

bool traditional_chosen(const std::string& data_dir) {
    return read_setting(data_dir, setting::language) == "1";
}

std::string stats_endpoint(const std::string& data_dir) {
    if (std::string url = stats_url_setting(); !url.empty()) return url;
    return read_setting(data_dir, setting::stats_url);
}

}  // namespace vorlix
