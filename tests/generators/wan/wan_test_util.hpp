#pragma once
// Helpers for the multi-line WAN page tests.
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "script/text.hpp"

namespace vorlix::test {

// Lines joined by CR LF, none after the last: how a generated script is laid out.
inline std::string crlf(std::initializer_list<std::string_view> lines) {
    std::string out;
    bool first = true;
    for (const std::string_view line : lines) {
        if (!first) out += "\r\n";
        first = false;
        out += line;
    }
    return out;
}

// The lines of a script, as strings (an empty line stays an empty entry).
inline std::vector<std::string> lines_of(std::string_view script) {
    std::vector<std::string> out;
    for (const std::string_view line : split_lines(script)) out.emplace_back(line);
    return out;
}

// The lines after `header` up to the next line starting with "/" (or the end).
inline std::vector<std::string> section(std::string_view script, std::string_view header) {
    const std::vector<std::string> all = lines_of(script);
    std::vector<std::string> out;
    bool in = false;
    for (const std::string& line : all) {
        if (in && line.starts_with('/')) break;
        if (in) out.push_back(line);
        if (line == header) in = true;
    }
    return out;
}

}  // namespace vorlix::test
