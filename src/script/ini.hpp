#pragma once
// A small INI file: "[section]" lines, "key=value" lines, and everything else (comments, blank lines)
// kept as it stands. Section and key names match without regard to ASCII case, and blanks around
// names and values are dropped when reading, as the INI files of Windows programs behave. Text is
// UTF-8 here; the callers convert the file's bytes (GBK for the program's own files).
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vorlix {

class IniFile {
public:
    struct Entry {
        std::string section, key, value;
    };

    // Any text parses: a line that is neither a section, an entry nor a comment is kept and ignored.
    // Example: IniFile::parse("[log]\r\nlanguage=1\r\n").get("LOG", "language") == "1"
    static IniFile parse(std::string_view text);

    // The value of the first entry `key` in the first section `section`, or nothing.
    std::optional<std::string> get(std::string_view section, std::string_view key) const;

    // Sets the entry in place when it exists, else adds it at the end of its section (the section
    // last in the file when there is none yet). A key may not hold '=' or a line break, and a value
    // no line break: such a call changes nothing and returns false.
    bool set(std::string_view section, std::string_view key, std::string_view value);

    // Every entry in file order.
    std::vector<Entry> entries() const;

    // The file's text: CR LF after every line, the last one included.
    std::string text() const;

private:
    struct Line {
        std::string raw;      // the line as it is written
        std::string section;  // the section it is in ("" before the first header)
        bool header = false;
        std::string key, value;  // an entry: its name and value; key empty for other lines
    };
    std::vector<Line> lines_;
};

}  // namespace vorlix
