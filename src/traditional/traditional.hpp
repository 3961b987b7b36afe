#pragma once
// Simplified to Traditional Chinese for the language packs, with OpenCC's "s2tw" conversion: character
// by character to the forms Taiwan's standard uses (為, 啟, 裡), without replacing words by regional
// vocabulary (网络 stays 網絡).
#include <optional>
#include <string>

#include "forms/language_pack.hpp"

namespace vorlix {

struct TraditionalConverter {
    ToTraditional convert;             // empty when the conversion could not be opened
    std::optional<std::string> error;  // why not (OpenCC's data files missing, for example)
};

// Opens the conversion; each call opens it anew, and the returned function may be copied freely.
// Example: open_traditional().convert("切换为简体") == "切換為簡體"
TraditionalConverter open_traditional();

}  // namespace vorlix
