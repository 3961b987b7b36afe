#include "forms/data_dir.hpp"

#include <cstdlib>

namespace vorlix {
namespace {

std::string env(const char* name) {
    const char* v = std::getenv(name);
    return v == nullptr ? std::string() : std::string(v);
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

}  // namespace vorlix
