#pragma once
// A small reader of RouterOS command lines, the way a terminal takes them: words and name=value pairs
// separated by blanks, a value bare or in double quotes, `[...]` commands inside a line. It says what a
// router would misread: a quote glued to a word, a `$` or `?` that is not escaped, an unknown escape, a
// control character, an unclosed quote or bracket. Script blocks (`:local`, `{ ... }`, comments) are not
// command lines and are left alone.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vorlix::test {

// What is wrong with one command line, or nothing.
std::optional<std::string> command_line_problem(std::string_view line);

// The command lines of a script: CR LF or LF between lines, a line ending in a backslash joined with the
// next (the export layout), blank lines and script blocks left out.
std::vector<std::string> command_lines(std::string_view script);

// The first problem of a whole script, with its line, or nothing.
std::optional<std::string> script_problem(std::string_view script);

}  // namespace vorlix::test
