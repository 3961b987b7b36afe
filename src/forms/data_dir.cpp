#include "forms/data_dir.hpp"

#include <cstdlib>

#ifdef _WIN32
#include <windows.h>

#include "script/encoding.hpp"
#endif

namespace vorlix {
namespace {

std::string env(const char* name) {
#ifdef _WIN32
    // The wide environment, as UTF-8: a profile path may hold characters outside the ANSI code page.
    const std::wstring wide_name(name, name + std::char_traits<char>::length(name));
    const wchar_t* v = _wgetenv(wide_name.c_str());
    if (v == nullptr) return {};
    return wide_to_utf8(v);
#else
    const char* v = std::getenv(name);
    return v == nullptr ? std::string() : std::string(v);
#endif
}

}  // namespace

std::string data_dir() {
    if (std::string d = env("VORLIX_DATA_DIR"); !d.empty()) return d;
#ifdef _WIN32
    if (std::string d = env("APPDATA"); !d.empty()) return d + "\\vorlix";
    return "vorlix";
#else
    if (std::string d = env("XDG_CONFIG_HOME"); !d.empty()) return d + "/vorlix";
    if (std::string d = env("HOME"); !d.empty()) return d + "/.config/vorlix";
    return ".vorlix";
#endif
}

std::string mac_registry_setting() {
    return env("VORLIX_IEEE_DATA");
}

std::string stats_url_setting() {
    return env("VORLIX_STATS_URL");
}

}  // namespace vorlix
