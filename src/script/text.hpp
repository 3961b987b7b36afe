#pragma once
// Small text helpers that the generators share.
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace vorlix {

// The integer that the text starts with: an optional sign and the digits after it; 0 when the
// text starts with anything else. Saturates at the limits of long long instead of overflowing.
// Example: leading_integer("12ab") == 12, leading_integer("abc") == 0, leading_integer("-3") == -3
long long leading_integer(std::string_view text);

// The text without the spaces and tabs at either end; line ends and other characters stay.
// Example: trim_spaces(" a b\t") == "a b"
std::string_view trim_spaces(std::string_view text);

// Every occurrence of `from` replaced by `to`, left to right, without rescanning replaced text.
// An empty `from` leaves the text unchanged. On UTF-8 text a match always starts on a character.
// Example: replace_all("ether1 ether10", "ether1", "ether9") == "ether9 ether90"
std::string replace_all(std::string_view text, std::string_view from, std::string_view to);

// One placeholder of a built-in script and the text that takes its place.
struct Placeholder {
    std::string_view name;  // as the script writes it, "{账号}"
    std::string value;
};

// The text with every occurrence of each placeholder replaced by its value, in one pass from left
// to right. A value is never searched again, so a value that happens to hold another placeholder's
// name stays as it was given; where two names match at one place the first one listed wins.
// Example: fill_placeholders("{a} {b}", {{"{a}", "{b}"}, {"{b}", "2"}}) == "{b} 2"
std::string fill_placeholders(std::string_view text, std::initializer_list<Placeholder> fills);

// The text split at every CR LF; an empty remainder after the last CR LF adds no entry.
// Example: split_lines("a\r\nb\r\n") == {"a", "b"}
std::vector<std::string_view> split_lines(std::string_view text);

// The servers= text of a page's two DNS boxes: "a,b" when both are filled, else whichever is.
// Example: dns_servers("1.1.1.1", "") == "1.1.1.1"
std::string dns_servers(std::string_view first, std::string_view second);

// "1" to "n" joined by CR LF, without a line end after n: the text of a line-number gutter.
std::string line_numbers(int n);

}  // namespace vorlix
