#pragma once
// RouterOS reads a script byte by byte, so a Chinese comment or name is written as escapes: every
// byte that is not an ASCII letter, digit, "-" or "." becomes a backslash and two upper-case hex
// digits, which RouterOS turns back into that byte inside a quoted string.
#include <string>
#include <string_view>

namespace vorlix {

// Every byte outside A-Z a-z 0-9 - . as \XX. The bytes are whatever encoding the caller hands in:
// GBK for comments (ros_escape(utf8_to_gbk(text))), UTF-8 for a wireless network name.
// Example: ros_escape("default gateway") == "default\\20gateway"
std::string ros_escape(std::string_view bytes);

// The text with every character outside ASCII written as the \XX escapes of its GBK bytes, all of
// them (a GBK second byte may look like an ASCII letter or a backslash); ASCII stays as it is. For
// Chinese in a script that is pasted whole, in its strings and its comments alike: inside a quoted
// string RouterOS turns the escapes back into the GBK bytes, so the router holds GBK whatever the
// terminal sends. A byte that is not UTF-8 becomes the escape of "?".
// Example: escape_non_ascii(":log info \"中文\"") == ":log info \"\\D6\\D0\\CE\\C4\""
std::string escape_non_ascii(std::string_view utf8);

// The value of one hexadecimal digit of either case; -1 for any other character.
// Example: hex_value('d') == 13
int hex_value(char c);

// One byte as RouterOS reads it escaped inside quotes: a backslash and two upper-case hex digits.
// Example: hex_escape(0xD6) == "\\D6"
std::string hex_escape(unsigned char byte);

// A comment or name the user typed, as the router should store it: its GBK bytes escaped, in quotes.
// Example: ros_comment("中文") == "\"\\D6\\D0\\CE\\C4\""
std::string ros_comment(std::string_view utf8);

// How ros_unescape steps over multi-byte characters that it leaves unchanged.
enum class ByteText {
    gbk,   // a GBK double-byte character is stepped over whole: its second byte may be 0x5C
    utf8,  // UTF-8 never holds 0x5C inside a character, so every backslash is an escape
};

// The bytes that \XX escapes stand for (hex digits in either case); every other byte passes
// through. A backslash not followed by two hex digits is kept literally, and so is a "%".
// Example: ros_unescape("\\d6\\d0\\ce\\c4") == "\xD6\xD0\xCE\xC4" (the GBK bytes of 中文)
std::string ros_unescape(std::string_view bytes, ByteText text = ByteText::gbk);

}  // namespace vorlix
