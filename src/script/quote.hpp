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

}  // namespace vorlix
