#include "script/ini.hpp"

#include "script/text.hpp"

namespace vorlix {
namespace {

bool same_name(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i])) return false;
    }
    return true;
}

bool has_break(std::string_view s) {
    return s.find_first_of("\r\n") != std::string_view::npos;
}

}  // namespace

IniFile IniFile::parse(std::string_view text) {
    IniFile ini;
    std::string section;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        Line l{.raw = std::string(line)};
        const std::string_view t = trim_spaces(line);
        if (t.size() >= 2 && t.front() == '[' && t.find(']') != std::string_view::npos) {
            section = std::string(trim_spaces(t.substr(1, t.find(']') - 1)));
            l.header = true;
        } else if (!t.empty() && t.front() != ';' && t.front() != '#') {
            if (const std::size_t eq = t.find('='); eq != std::string_view::npos && eq > 0) {
                l.key = std::string(trim_spaces(t.substr(0, eq)));
                l.value = std::string(trim_spaces(t.substr(eq + 1)));
            }
        }
        l.section = section;
        ini.lines_.push_back(std::move(l));
    }
    return ini;
}

std::optional<std::string> IniFile::get(std::string_view section, std::string_view key) const {
    for (const Line& l : lines_)
        if (!l.header && !l.key.empty() && same_name(l.section, section) && same_name(l.key, key)) return l.value;
    return std::nullopt;
}

bool IniFile::set(std::string_view section, std::string_view key, std::string_view value) {
    if (trim_spaces(key).empty() || key.find('=') != std::string_view::npos || has_break(key) || has_break(section) ||
        has_break(value))
        return false;
    std::string raw = std::string(key) + "=" + std::string(value);
    std::optional<std::size_t> last_of_section;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        Line& l = lines_[i];
        if (!same_name(l.section, section)) continue;
        if (l.header && last_of_section) break;  // a second section of the same name: the first one counts
        if (!l.header && same_name(l.key, key)) {
            l.raw = std::move(raw);
            l.value = std::string(value);
            return true;
        }
        // Entries go after the section's last entry, before the blank lines that end it.
        if (l.header || !trim_spaces(l.raw).empty()) last_of_section = i;
    }
    Line entry{
        .raw = std::move(raw), .section = std::string(section), .key = std::string(key), .value = std::string(value)};
    if (last_of_section) {
        lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(*last_of_section) + 1, std::move(entry));
        return true;
    }
    lines_.push_back({.raw = "[" + std::string(section) + "]", .section = std::string(section), .header = true});
    lines_.push_back(std::move(entry));
    return true;
}

std::vector<IniFile::Entry> IniFile::entries() const {
    std::vector<Entry> out;
    for (const Line& l : lines_)
        if (!l.header && !l.key.empty()) out.push_back({l.section, l.key, l.value});
    return out;
}

std::string IniFile::text() const {
    std::string out;
    for (const Line& l : lines_) {
        out += l.raw;
        out += "\r\n";
    }
    return out;
}

}  // namespace vorlix
