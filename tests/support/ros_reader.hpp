#pragma once
// Reading generated script text back as the RouterOS console reads it, so that tests can check that
// a typed value survives every level of quoting it was written into.
#include <algorithm>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vorlix::test {

// The lines of a script with export-style continuations joined: a line that ends in a backslash
// goes on with the next line, whose leading blanks the console drops. CR LF or LF between lines.
inline std::vector<std::string> logical_lines(std::string_view script) {
    std::vector<std::string> out;
    std::string current;
    bool continued = false;
    while (true) {
        const std::size_t end = script.find('\n');
        std::string_view line = script.substr(0, end);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (continued) line.remove_prefix(std::min(line.find_first_not_of(" \t"), line.size()));
        // An odd run of backslashes at the end: the last one is not part of an escaped backslash.
        const std::size_t kept = line.find_last_not_of('\\');
        const std::size_t run = line.size() - (kept == std::string_view::npos ? 0 : kept + 1);
        continued = run % 2 == 1;
        if (continued) line.remove_suffix(1);
        current += line;
        if (!continued || end == std::string_view::npos) {
            out.push_back(std::move(current));
            current.clear();
        }
        if (end == std::string_view::npos) break;
        script.remove_prefix(end + 1);
    }
    return out;
}

namespace detail {
inline int hex_digit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}
}  // namespace detail

// The bytes a double-quoted string stands for, the opening quote at text[pos]; pos moves past the
// closing quote. Nothing when the string is not one the console reads literally: an escape it does
// not know, an unescaped $ (a variable, substituted when the line is read) or ? (help), a missing
// closing quote.
inline std::optional<std::string> read_quoted(std::string_view text, std::size_t& pos) {
    if (pos >= text.size() || text[pos] != '"') return std::nullopt;
    std::string out;
    for (std::size_t i = pos + 1; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '"') {
            pos = i + 1;
            return out;
        }
        if (c == '$' || c == '?') return std::nullopt;
        if (c != '\\') {
            out += c;
            continue;
        }
        if (++i >= text.size()) return std::nullopt;
        switch (text[i]) {
            case '"':
            case '\\':
            case '$':
            case '?':
                out += text[i];
                break;
            case 'n':
                out += '\n';
                break;
            case 'r':
                out += '\r';
                break;
            case 't':
                out += '\t';
                break;
            case '_':
                out += ' ';
                break;
            default: {
                const int hi = detail::hex_digit(text[i]);
                const int lo = i + 1 < text.size() ? detail::hex_digit(text[i + 1]) : -1;
                if (hi < 0 || lo < 0) return std::nullopt;
                out += static_cast<char>(hi * 16 + lo);
                ++i;
            }
        }
    }
    return std::nullopt;
}

// The value that follows the first occurrence of `key` ("on-event=", ":local pass "): a quoted
// string read as above, or a bare word up to a blank, ";" or "]". Nothing when the key is missing
// or the quoted string cannot be read.
inline std::optional<std::string> value_after(std::string_view text, std::string_view key) {
    const std::size_t at = text.find(key);
    if (at == std::string_view::npos) return std::nullopt;
    std::size_t pos = at + key.size();
    if (pos < text.size() && text[pos] == '"') return read_quoted(text, pos);
    const std::size_t end = text.find_first_of(" ;]", pos);
    return std::string(text.substr(pos, end == std::string_view::npos ? std::string_view::npos : end - pos));
}

}  // namespace vorlix::test
