#include "script/ros_escape.hpp"

#include "script/encoding.hpp"
#include "script/quote.hpp"

namespace vorlix {
namespace {

constexpr char kHex[] = "0123456789ABCDEF";

bool is_kept(unsigned char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '-' || c == '.';
}

}  // namespace

int hex_value(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

std::string ros_escape(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() * 3);
    for (const char ch : bytes) {
        const auto c = static_cast<unsigned char>(ch);
        if (is_kept(c)) {
            out += ch;
        } else {
            out += hex_escape(c);
        }
    }
    return out;
}

std::string escape_non_ascii(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size() * 2);
    std::size_t i = 0;
    while (i < utf8.size()) {
        const auto c = static_cast<unsigned char>(utf8[i]);
        if (c < 0x80) {
            out += utf8[i++];
            continue;
        }
        // One character: the lead byte and the continuation bytes after it.
        std::size_t n = 1;
        while (i + n < utf8.size() && n < 4 && (static_cast<unsigned char>(utf8[i + n]) & 0xC0) == 0x80) ++n;
        for (const char b : utf8_to_gbk(utf8.substr(i, n))) out += hex_escape(static_cast<unsigned char>(b));
        i += n;
    }
    return out;
}

std::string hex_escape(unsigned char byte) {
    return {'\\', kHex[byte >> 4], kHex[byte & 0xF]};
}

std::string ros_comment(std::string_view utf8) {
    return quote_text(ros_escape(utf8_to_gbk(utf8)));
}

std::string ros_unescape(std::string_view bytes, ByteText text) {
    std::string out;
    out.reserve(bytes.size());
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto c = static_cast<unsigned char>(bytes[i]);
        if (text == ByteText::gbk && c >= 0x81 && c <= 0xFE && i + 1 < bytes.size()) {
            out.append(bytes.substr(i, 2));  // a whole GBK character, whatever its second byte
            i += 2;
            continue;
        }
        if (c == '\\' && i + 2 < bytes.size()) {
            const int hi = hex_value(bytes[i + 1]);
            const int lo = hex_value(bytes[i + 2]);
            if (hi >= 0 && lo >= 0) {
                out += static_cast<char>(hi * 16 + lo);
                i += 3;
                continue;
            }
        }
        out += bytes[i];
        ++i;
    }
    return out;
}

}  // namespace vorlix
