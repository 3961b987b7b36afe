#include "support/ros_args.hpp"

namespace vorlix::test {
namespace {

bool is_hex(char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}

bool is_control(char c) {
    const auto u = static_cast<unsigned char>(c);
    return u < 0x20 || u == 0x7F;
}

// Reads a quoted string starting at line[i] == '"'; returns the index after the closing quote.
std::optional<std::size_t> quoted(std::string_view line, std::size_t i, std::string& problem) {
    for (++i; i < line.size(); ++i) {
        const char c = line[i];
        if (c == '"') return i + 1;
        if (is_control(c)) {
            problem = "a control character inside quotes";
            return std::nullopt;
        }
        if (c == '$' || c == '?') {
            problem = std::string("an unescaped ") + c + " inside quotes";
            return std::nullopt;
        }
        if (c != '\\') continue;
        if (i + 1 >= line.size()) break;
        const char e = line[i + 1];
        if (e == '"' || e == '\\' || e == '$' || e == '?' || e == 'r' || e == 'n' || e == 't' || e == '_' || e == 'a' ||
            e == 'b' || e == 'f' || e == 'v') {
            ++i;
        } else if (i + 2 < line.size() && is_hex(e) && is_hex(line[i + 2])) {
            i += 2;
        } else {
            problem = "an unknown escape \\" + std::string(1, e);
            return std::nullopt;
        }
    }
    problem = "a quote that is not closed";
    return std::nullopt;
}

// Reads `[ ... ]` starting at line[i] == '['; checks the command inside; returns the index after ']'.
std::optional<std::size_t> bracketed(std::string_view line, std::size_t i, std::string& problem) {
    const std::size_t start = i + 1;
    int depth = 0;
    for (; i < line.size(); ++i) {
        const char c = line[i];
        if (c == '"') {
            const auto end = quoted(line, i, problem);
            if (!end) return std::nullopt;
            i = *end - 1;
        } else if (c == '[') {
            ++depth;
        } else if (c == ']' && --depth == 0) {
            if (auto p = command_line_problem(line.substr(start, i - start))) {
                problem = "inside [...]: " + *p;
                return std::nullopt;
            }
            return i + 1;
        }
    }
    problem = "a [ that is not closed";
    return std::nullopt;
}

}  // namespace

std::optional<std::string> command_line_problem(std::string_view line) {
    std::string problem;
    std::size_t i = 0;
    while (i < line.size()) {
        if (line[i] == ' ') {
            ++i;
            continue;
        }
        // One word: bare characters, at most one '=', then a bare value, a quoted value or a [command].
        bool after_equals = false, in_value = false;
        while (i < line.size() && line[i] != ' ') {
            const char c = line[i];
            if (c == '"') {
                if (!(after_equals && !in_value) && !(i == 0 || line[i - 1] == ' ')) return "a quote glued to a word";
                const auto end = quoted(line, i, problem);
                if (!end) return problem;
                i = *end;
                if (i < line.size() && line[i] != ' ' && line[i] != ';') return "a quote glued to what follows it";
                break;
            }
            if (c == '[') {
                const auto end = bracketed(line, i, problem);
                if (!end) return problem;
                i = *end;
                in_value = true;
                continue;
            }
            if (c == '$') return "an unescaped $ in a bare word";
            if (c == '?') return "a ? in a bare word";
            if (c == '\\') return "a backslash in a bare word";
            if (is_control(c)) return "a control character in a bare word";
            if (c == '=' && !after_equals) {
                after_equals = true;
            } else if (after_equals) {
                in_value = true;
            }
            ++i;
        }
    }
    return std::nullopt;
}

std::vector<std::string> command_lines(std::string_view script) {
    std::vector<std::string> lines;
    std::string current;
    while (!script.empty()) {
        const std::size_t end = script.find('\n');
        std::string_view line = script.substr(0, end);
        script.remove_prefix(end == std::string_view::npos ? script.size() : end + 1);
        if (line.ends_with('\r')) line.remove_suffix(1);
        if (line.ends_with('\\')) {
            line.remove_suffix(1);
            current += line;
            continue;
        }
        current += line;
        std::string_view whole = current;
        while (whole.starts_with(' ')) whole.remove_prefix(1);
        const bool block =
            whole.starts_with(':') || whole.starts_with('#') || whole.find_first_of("{}") != std::string_view::npos;
        if (!whole.empty() && !block) lines.emplace_back(whole);
        current.clear();
    }
    return lines;
}

std::optional<std::string> script_problem(std::string_view script) {
    for (const std::string& line : command_lines(script))
        if (auto p = command_line_problem(line)) return *p + " in: " + line;
    return std::nullopt;
}

}  // namespace vorlix::test
