#pragma once
// Text inside the program is UTF-8. GBK (code page 936) exists only at the edges: saved and opened
// files, and the bytes that RouterOS stores for escaped comments.
#include <optional>
#include <string>
#include <string_view>

namespace vorlix {

// The GBK bytes of a UTF-8 text. A character that GBK cannot hold, and a byte that is not valid
// UTF-8, become "?", as the system's own conversion does.
// Example: utf8_to_gbk("中文") == "\xD6\xD0\xCE\xC4"
std::string utf8_to_gbk(std::string_view utf8);

// The first character of a UTF-8 text that GBK cannot hold (an emoji, a rare character), or nothing.
// Example: first_non_gbk("中文😀x") == "😀", first_non_gbk("中文") == std::nullopt
std::optional<std::string> first_non_gbk(std::string_view utf8);

// The UTF-8 text of GBK bytes. A byte sequence that is not GBK becomes U+FFFD.
// Example: gbk_to_utf8("\xD6\xD0\xCE\xC4") == "中文"
std::string gbk_to_utf8(std::string_view gbk);

// True when the bytes are well-formed UTF-8 (no overlong forms, no surrogates).
bool is_valid_utf8(std::string_view bytes);

// The text without a leading UTF-8 byte-order mark (EF BB BF); a later one is left alone.
// Example: strip_utf8_bom("\xEF\xBB\xBFtrue") == "true"
std::string_view strip_utf8_bom(std::string_view text);

// The text of a file dropped on an editor, as UTF-8. Everything from the first zero byte on is
// dropped (an edit box cannot show it). What is left is taken as UTF-8 when it is valid UTF-8, a
// leading byte-order mark removed; otherwise as GBK, the encoding of files the program saves.
// Example: decode_dropped_file("\xD6\xD0\xCE\xC4") == "中文"
//          decode_dropped_file("\xEF\xBB\xBF中文") == "中文"
//          decode_dropped_file(std::string("ab\0cd", 5)) == "ab"
std::string decode_dropped_file(std::string_view bytes);

#ifdef _WIN32
// A text of Windows' wide (UTF-16) interfaces, such as the command line or the environment, as UTF-8.
std::string wide_to_utf8(std::wstring_view wide);
#endif

}  // namespace vorlix
