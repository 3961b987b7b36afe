#include "script/encoding.hpp"

#include <algorithm>

#ifdef _WIN32
#include <windows.h>
#else
#include <iconv.h>

#include <cerrno>
#endif

namespace vorlix {
namespace {

// Length of the UTF-8 sequence that starts at s[0], or 0 when it is malformed.
std::size_t utf8_sequence_length(std::string_view s) {
    const auto b = [&](std::size_t i) { return static_cast<unsigned char>(s[i]); };
    const unsigned char c = b(0);
    if (c < 0x80) return 1;
    std::size_t n = 0;
    unsigned lo = 0x80, hi = 0xBF;  // allowed range of the second byte
    if (c >= 0xC2 && c <= 0xDF) {
        n = 2;
    } else if (c >= 0xE0 && c <= 0xEF) {
        n = 3;
        if (c == 0xE0) lo = 0xA0;
        if (c == 0xED) hi = 0x9F;  // no surrogates
    } else if (c >= 0xF0 && c <= 0xF4) {
        n = 4;
        if (c == 0xF0) lo = 0x90;
        if (c == 0xF4) hi = 0x8F;
    } else {
        return 0;
    }
    if (s.size() < n) return 0;
    if (b(1) < lo || b(1) > hi) return 0;
    for (std::size_t i = 2; i < n; ++i)
        if (b(i) < 0x80 || b(i) > 0xBF) return 0;
    return n;
}

#ifdef _WIN32
// Windows has no iconv; its own code-page functions do the same work.
std::wstring widen(UINT code_page, std::string_view in) {
    if (in.empty()) return {};
    const int n = MultiByteToWideChar(code_page, 0, in.data(), static_cast<int>(in.size()), nullptr, 0);
    std::wstring out(static_cast<std::size_t>(n), L'\0');
    MultiByteToWideChar(code_page, 0, in.data(), static_cast<int>(in.size()), out.data(), n);
    return out;
}

std::string narrow(UINT code_page, std::wstring_view in) {
    if (in.empty()) return {};
    const char* unmappable = code_page == CP_UTF8 ? nullptr : "?";
    const int n =
        WideCharToMultiByte(code_page, 0, in.data(), static_cast<int>(in.size()), nullptr, 0, unmappable, nullptr);
    std::string out(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(code_page, 0, in.data(), static_cast<int>(in.size()), out.data(), n, unmappable, nullptr);
    return out;
}
#else
// Converts with iconv, replacing each unconvertible input unit (its length given by `unit`) by
// `replacement` and going on.
template <typename UnitLength>
std::string convert(const char* to, const char* from, std::string_view in, std::string_view replacement,
                    UnitLength unit) {
    std::string out;
    if (in.empty()) return out;
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) return out;
    out.reserve(in.size() * 3 / 2 + 16);
    char buffer[4096];
    char* src = const_cast<char*>(in.data());
    std::size_t left = in.size();
    while (left > 0) {
        char* dst = buffer;
        std::size_t room = sizeof buffer;
        const std::size_t rc = iconv(cd, &src, &left, &dst, &room);
        out.append(buffer, static_cast<std::size_t>(dst - buffer));
        if (rc != static_cast<std::size_t>(-1)) break;
        if (errno == E2BIG) continue;
        // EILSEQ or EINVAL: skip one unit of the input and write the replacement.
        std::size_t skip = unit(std::string_view(src, left));
        if (skip == 0 || skip > left) skip = 1;
        src += skip;
        left -= skip;
        out.append(replacement);
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
    }
    iconv_close(cd);
    return out;
}

#endif

}  // namespace

#ifdef _WIN32
std::string utf8_to_gbk(std::string_view utf8) {
    // Valid runs are converted whole; each malformed byte becomes "?", as on the other systems.
    std::string out;
    while (!utf8.empty()) {
        std::size_t run = 0;
        for (std::size_t n; run < utf8.size() && (n = utf8_sequence_length(utf8.substr(run))) != 0;) run += n;
        out += narrow(936, widen(CP_UTF8, utf8.substr(0, run)));
        utf8.remove_prefix(run);
        if (!utf8.empty()) {
            out += '?';
            utf8.remove_prefix(1);
        }
    }
    return out;
}

std::string wide_to_utf8(std::wstring_view wide) {
    return narrow(CP_UTF8, wide);
}

std::string gbk_to_utf8(std::string_view gbk) {
    return narrow(CP_UTF8, widen(936, gbk));
}
#else

std::string utf8_to_gbk(std::string_view utf8) {
    return convert("CP936", "UTF-8", utf8, "?", [](std::string_view s) {
        const std::size_t n = utf8_sequence_length(s);
        return n == 0 ? std::size_t{1} : n;
    });
}

std::string gbk_to_utf8(std::string_view gbk) {
    return convert("UTF-8", "CP936", gbk, "\xEF\xBF\xBD", [](std::string_view s) {
        // A lead byte with a bad trail byte stands for one character; a lone byte for itself.
        const auto c = static_cast<unsigned char>(s[0]);
        if (c >= 0x81 && c <= 0xFE && s.size() >= 2 && static_cast<unsigned char>(s[1]) >= 0x40) return std::size_t{2};
        return std::size_t{1};
    });
}

#endif

std::optional<std::string> first_non_gbk(std::string_view utf8) {
    // The whole text at once first: each character GBK lacks becomes one more "?" than the text has.
    const auto questions = [](std::string_view t) { return std::count(t.begin(), t.end(), '?'); };
    if (questions(utf8_to_gbk(utf8)) == questions(utf8)) return std::nullopt;
    while (!utf8.empty()) {
        const std::size_t n = std::max<std::size_t>(1, utf8_sequence_length(utf8));
        const std::string_view c = utf8.substr(0, n);
        if (c != "?" && utf8_to_gbk(c) == "?") return std::string(c);
        utf8.remove_prefix(std::min(n, utf8.size()));
    }
    return std::nullopt;
}

bool is_valid_utf8(std::string_view bytes) {
    while (!bytes.empty()) {
        const std::size_t n = utf8_sequence_length(bytes);
        if (n == 0) return false;
        bytes.remove_prefix(n);
    }
    return true;
}

std::string_view strip_utf8_bom(std::string_view text) {
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
    return text;
}

std::string decode_dropped_file(std::string_view bytes) {
    bytes = strip_utf8_bom(bytes);
    bytes = bytes.substr(0, bytes.find('\0'));
    if (is_valid_utf8(bytes)) return std::string(bytes);
    return gbk_to_utf8(bytes);
}

}  // namespace vorlix
