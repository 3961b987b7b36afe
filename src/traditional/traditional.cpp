#include "traditional/traditional.hpp"

#include <opencc/opencc.h>

#include <memory>

namespace vorlix {

TraditionalConverter open_traditional() {
    const opencc_t handle = opencc_open("s2tw.json");
    if (handle == reinterpret_cast<opencc_t>(-1)) {
        const char* why = opencc_error();
        return {{}, std::string("OpenCC s2tw: ") + (why != nullptr ? why : "cannot open")};
    }
    const std::shared_ptr<void> owner(handle, [](opencc_t h) { opencc_close(h); });
    return {[owner](std::string_view utf8) {
                if (utf8.empty()) return std::string();
                char* out = opencc_convert_utf8(owner.get(), utf8.data(), utf8.size());
                // A text OpenCC cannot take stays as it is rather than vanishing.
                if (out == nullptr || out == reinterpret_cast<char*>(-1)) return std::string(utf8);
                std::string text(out);
                opencc_convert_utf8_free(out);
                return text;
            },
            std::nullopt};
}

}  // namespace vorlix
