#pragma once
// Writing values into RouterOS command lines.
//
// Inside a double-quoted string RouterOS gives `\`, `"`, `$` and `?` a meaning of their own: a
// password pa$word written as it stands reaches the router as "pa", a"b ends the string early, and
// a ? pasted into a terminal prints help instead of being typed. So every value the user typed goes
// through quote_value (or bare_value where the command writes it without quotes); quote_text is only
// for the program's own constants and for text that ros_escape has already made safe.
#include <string>
#include <string_view>

namespace vorlix {

// A double quote, the text as it stands, a double quote.
// Example: quote_text("\\D6\\D0") == "\"\\D6\\D0\""
std::string quote_text(std::string_view text);

// The text escaped for the inside of a RouterOS double-quoted string, without the quotes:
// `\ " $ ?` become `\\ \" \$ \?`, CR, LF and TAB become `\r \n \t`, other control bytes `\XX`, and
// every character beyond ASCII the `\XX` escapes of its GBK bytes (the encoding the router stores), so
// the script is plain ASCII and reads the same saved as UTF-8 or as GBK.
// Example: escape_value("pa$word") == "pa\\$word", escape_value("中") == "\\D6\\D0"
std::string escape_value(std::string_view text);

// A typed value wrapped in double quotes, escaped as escape_value does.
// Example: quote_value("a\"b") == "\"a\\\"b\""
std::string quote_value(std::string_view text);

// A typed value written without quotes when RouterOS reads every byte of it literally in a bare
// word (letters, digits and . - _ / : , + * @ %), otherwise quote_value of it; an empty value is "".
// Example: bare_value("ether1") == "ether1", bare_value("my wan") == "\"my wan\""
std::string bare_value(std::string_view text);

// A time or interval the user typed, written without quotes: its blanks and tabs dropped, then
// bare_value of the rest. Outside quotes RouterOS reads "1d 00:00:00" as two words and rejects the
// line; "1d00:00:00" is the same interval.
// Example: bare_time("1d 00:00:00") == "1d00:00:00", bare_time("x y;") == "\"xy;\""
std::string bare_time(std::string_view text);

// A whole script as the quoted value of source= or on-event=, laid out as RouterOS exports one:
// the quote opens and the line continues, then each line of the script stands on a text line of its
// own, indented by four blanks; every line but the first starts with \n and every line but the last
// ends in \r and a continuing backslash; the last one ends in the closing quote. Blanks that start
// the first line are written \20, since the console drops the blanks that start a continued line.
//
// This is the second level of quoting. A value typed into a quoted string of the script is escaped
// there once (escape_value); quote_script escapes the whole script once more, so the value ends up
// escaped twice and comes back unchanged after both readings: the console reads the command and
// stores the script, the script reads its own string when it runs. Chinese text becomes the escapes
// of its GBK bytes, so the stored script holds GBK whatever the terminal sends.
// Example: quote_script(":local p \"pa\\$w\"\r\n:put $p") ==
//          "\"\\\r\n    :local p \\\"pa\\\\\\$w\\\"\\r\\\r\n    \\n:put \\$p\""
//          the value pa$w is written pa\\\$w: \$ for the script's own string, then each of the two
//          characters escaped once more for the command that stores the script.
std::string quote_script(std::string_view script);

// The item a `set` or `remove` command names by the name the user typed: the name itself where
// bare_value keeps it bare, otherwise the item found by its quoted name. A quoted name in the place
// of the item is not read the same way by every tool that parses RouterOS commands; `[find ...]` is.
// Example: item_by_name("ether1") == "ether1", item_by_name("my wan") == "[find name=\"my wan\"]"
std::string item_by_name(std::string_view name);

}  // namespace vorlix
