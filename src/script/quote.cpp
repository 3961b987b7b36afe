#include "script/quote.hpp"

#include <algorithm>

#include "script/encoding.hpp"
#include "script/ros_escape.hpp"

namespace vorlix {
namespace {

bool is_bare_safe(unsigned char c) {
    if ((c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')) return true;
    switch (c) {
        case '.':
        case '-':
        case '_':
        case '/':
        case ':':
        case ',':
        case '+':
        case '*':
        case '@':
        case '%':
            return true;
        default:
            return false;
    }
}

}  // namespace

std::string quote_text(std::string_view text) {
    std::string out;
    out.reserve(text.size() + 2);
    out += '"';
    out += text;
    out += '"';
    return out;
}

std::string escape_value(std::string_view text) {
    // The router stores GBK; writing a Chinese character as the escapes of its GBK bytes keeps the
    // script plain ASCII, and keeps a GBK trail byte 0x5C from reading as a backslash.
    const bool ascii =
        std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    const std::string gbk = ascii ? std::string() : utf8_to_gbk(text);
    const std::string_view bytes = ascii ? text : std::string_view(gbk);
    std::string out;
    out.reserve(bytes.size() + 8);
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const auto c = static_cast<unsigned char>(bytes[i]);
        switch (c) {
            case '\\':
                out += "\\\\";
                break;
            case '"':
                out += "\\\"";
                break;
            case '$':
                out += "\\$";
                break;
            case '?':
                out += "\\?";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                if (c >= 0x81 && i + 1 < bytes.size()) {
                    // A double-byte character: both bytes, whatever the second one is.
                    out += hex_escape(c);
                    out += hex_escape(static_cast<unsigned char>(bytes[++i]));
                } else if (c < 0x20 || c >= 0x7F) {
                    out += hex_escape(c);
                } else {
                    out += static_cast<char>(c);
                }
        }
    }
    return out;
}

std::string quote_value(std::string_view text) {
    return quote_text(escape_value(text));
}

std::string bare_value(std::string_view text) {
    const bool safe = !text.empty() && std::all_of(text.begin(), text.end(),
                                                   [](char c) { return is_bare_safe(static_cast<unsigned char>(c)); });
    return safe ? std::string(text) : quote_value(text);
}

std::string bare_time(std::string_view text) {
    std::string kept;
    for (const char c : text)
        if (c != ' ' && c != '\t') kept += c;
    return bare_value(kept);
}

std::string quote_script(std::string_view script) {
    if (script.empty()) return "\"\"";
    std::string out = "\"\\\r\n";
    bool first = true;
    for (;;) {
        const std::size_t end = script.find("\r\n");
        const std::string_view line = script.substr(0, end);
        out += "    ";
        if (first) {
            // The console drops the blanks that start a continued line; the first line has no \n
            // before its own blanks to keep them, so they are written as escapes.
            std::size_t blanks = 0;
            while (blanks < line.size() && line[blanks] == ' ') ++blanks;
            for (std::size_t i = 0; i < blanks; ++i) out += "\\20";
            out += escape_non_ascii(escape_value(line.substr(blanks)));
        } else {
            out += "\\n";
            out += escape_non_ascii(escape_value(line));
        }
        first = false;
        if (end == std::string_view::npos) break;
        out += "\\r\\\r\n";
        script.remove_prefix(end + 2);
    }
    out += '"';
    return out;
}

std::string item_by_name(std::string_view name) {
    std::string bare = bare_value(name);
    if (bare == name) return bare;
    return "[find name=" + bare + "]";
}

}  // namespace vorlix
