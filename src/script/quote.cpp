#include "script/quote.hpp"

#include <algorithm>

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
    std::string out;
    out.reserve(text.size() + 8);
    for (const char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
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
                if (c < 0x20 || c == 0x7F) {
                    out += hex_escape(c);
                } else {
                    out += ch;
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

}  // namespace vorlix
