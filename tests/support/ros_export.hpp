#pragma once
// Reading RouterOS scripts back the way the router does, for tests of built-in rule sets: export
// line continuations joined, command lines split into arguments, quoted values unescaped.
#include <string>
#include <string_view>
#include <vector>

#include "script/ros_escape.hpp"
#include "script/text.hpp"

namespace vorlix::test {

// The command lines of a script: a line ending in an unescaped backslash goes on with the next,
// whose leading blanks are dropped (RouterOS export writes four).
inline std::vector<std::string> logical_lines(std::string_view script) {
    std::vector<std::string> out;
    std::string cur;
    bool joining = false;
    for (std::string_view line : split_lines(script)) {
        if (joining) line.remove_prefix(std::min(line.find_first_not_of(' '), line.size()));
        std::size_t slashes = 0;
        while (slashes < line.size() && line[line.size() - 1 - slashes] == '\\') ++slashes;
        joining = slashes % 2 == 1;
        cur += joining ? line.substr(0, line.size() - 1) : line;
        if (!joining) out.push_back(std::exchange(cur, {}));
    }
    if (joining) out.push_back(cur);
    return out;
}

// The bytes a RouterOS double-quoted string stands for (the text between the quotes).
// Example: ros_string_value("a\\\\b\\?\\$\\41") == "a\\b?$A"
inline std::string ros_string_value(std::string_view quoted) {
    std::string out;
    for (std::size_t i = 0; i < quoted.size(); ++i) {
        if (quoted[i] != '\\' || i + 1 == quoted.size()) {
            out += quoted[i];
            continue;
        }
        const char next = quoted[i + 1];
        if (next == '\\' || next == '"' || next == '?' || next == '$' || next == '_') {
            out += next == '_' ? ' ' : next;
            ++i;
        } else if (next == 'n' || next == 'r' || next == 't') {
            out += next == 'n' ? '\n' : next == 'r' ? '\r' : '\t';
            ++i;
        } else {
            const std::string byte = ros_unescape(quoted.substr(i, 3), ByteText::utf8);
            out += byte.size() == 1 ? byte : std::string(quoted.substr(i, 1));
            if (byte.size() == 1) i += 2;
        }
    }
    return out;
}

struct RosArg {
    std::string key;    // the whole word when it has no "="
    std::string value;  // unescaped
    bool quoted = false;
};

// The words of one command line: bare words and key=value arguments, split at blanks outside quotes.
inline std::vector<RosArg> ros_args(std::string_view line) {
    std::vector<RosArg> out;
    std::size_t i = 0;
    while (i < line.size()) {
        if (line[i] == ' ') {
            ++i;
            continue;
        }
        std::size_t end = i;
        bool in_quotes = false;
        while (end < line.size() && (in_quotes || line[end] != ' ')) {
            if (line[end] == '\\' && in_quotes)
                ++end;
            else if (line[end] == '"')
                in_quotes = !in_quotes;
            ++end;
        }
        const std::string_view word = line.substr(i, std::min(end, line.size()) - i);
        RosArg arg;
        const std::size_t eq = word.find('=');
        arg.key = std::string(word.substr(0, eq));
        if (eq != std::string_view::npos) {
            std::string_view value = word.substr(eq + 1);
            arg.quoted = value.size() >= 2 && value.front() == '"' && value.back() == '"';
            arg.value = arg.quoted ? ros_string_value(value.substr(1, value.size() - 2)) : std::string(value);
        }
        out.push_back(std::move(arg));
        i = end;
    }
    return out;
}

// The value of key= in a command line, or nullptr.
inline const RosArg* find_arg(const std::vector<RosArg>& args, std::string_view key) {
    for (const RosArg& a : args)
        if (a.key == key) return &a;
    return nullptr;
}

}  // namespace vorlix::test
