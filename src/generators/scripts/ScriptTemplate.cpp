#include "generators/scripts/ScriptTemplate.hpp"

#include "data/embedded.hpp"

namespace vorlix {

std::string script_template(std::string_view name) {
    const std::string_view bytes = embedded_file("scripts/" + std::string(name));
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 16);
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') continue;
        if (bytes[i] == '\n') {
            if (i + 1 < bytes.size()) out += "\r\n";  // none after the last line
            continue;
        }
        out += bytes[i];
    }
    return out;
}

}  // namespace vorlix
