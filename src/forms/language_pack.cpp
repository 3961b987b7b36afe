#include "forms/language_pack.hpp"

#include <algorithm>
#include <array>
#include <utility>

#include "script/encoding.hpp"
#include "script/ini.hpp"

namespace vorlix {
namespace {

constexpr std::string_view kBreak = "><br><";

}  // namespace

std::string tree_item_key(std::size_t index) {
    return std::string(kTreeKeyPrefix) + std::to_string(index);
}

std::string_view pack_section_of(ControlKind kind) {
    switch (kind) {
        case ControlKind::edit:
        case ControlKind::password:
        case ControlKind::multi_line_edit:
            return pack_section::edit;
        case ControlKind::label:
            return pack_section::label;
        case ControlKind::button:
            return pack_section::button;
        case ControlKind::radio_button:
            return pack_section::radio;
        case ControlKind::check_box:
            return pack_section::check;
        case ControlKind::group_box:
            return pack_section::group;
        default:
            return {};
    }
}

std::string to_pack_value(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n') {
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
            out += kBreak;
        } else {
            out += text[i];
        }
    }
    return out;
}

std::string from_pack_value(std::string_view value) {
    std::string out;
    for (std::size_t at = 0;;) {
        const std::size_t found = value.find(kBreak, at);
        out += value.substr(at, found - at);
        if (found == std::string_view::npos) return out;
        out += "\r\n";
        at = found + kBreak.size();
    }
}

LanguagePack LanguagePack::parse(std::string_view gbk_bytes) {
    LanguagePack pack;
    for (IniFile::Entry& e : IniFile::parse(gbk_to_utf8(gbk_bytes)).entries()) {
        auto& section = pack.values_[e.section];
        // The first entry of a name counts, as with any INI reader.
        section.emplace(std::move(e.key), std::move(e.value));
    }
    return pack;
}

const std::string* LanguagePack::find(std::string_view section, std::string_view key) const {
    const auto s = values_.find(section);
    if (s == values_.end()) return nullptr;
    const auto k = s->second.find(key);
    return k == s->second.end() ? nullptr : &k->second;
}

PackText language_pack_text(const PackSource& source, const ToTraditional& convert) {
    struct Item {
        std::string section, key, text;
    };
    std::vector<Item> items;
    for (const PageSpec* page : source.pages) {
        for (const ControlSpec& c : page->controls) {
            const std::string_view section = pack_section_of(c.kind);
            if (!section.empty()) items.push_back({std::string(section), c.name, c.text});
            if (!c.label.empty()) items.push_back({std::string(pack_section::input_label), c.name, c.label});
            if (!c.hint.empty() && c.kind != ControlKind::hyperlink)
                items.push_back({std::string(pack_section::hint), c.name, c.hint});
        }
    }
    for (std::size_t i = 0; i < source.tree_items.size(); ++i)
        items.push_back({source.tree, tree_item_key(i), source.tree_items[i]});

    static constexpr std::array<std::string_view, 8> kOrder = {
        pack_section::edit,  pack_section::label, pack_section::button,      pack_section::radio,
        pack_section::check, pack_section::group, pack_section::input_label, pack_section::hint};
    auto rank = [&](const std::string& section) {
        for (std::size_t i = 0; i < kOrder.size(); ++i)
            if (kOrder[i] == section) return i;
        return kOrder.size();  // the tree last
    };

    // Sections in that order; within one, the controls' order.
    std::stable_sort(items.begin(), items.end(),
                     [&](const Item& a, const Item& b) { return rank(a.section) < rank(b.section); });

    IniFile ini;
    std::map<std::pair<std::string, std::string>, std::string> seen;
    for (const Item& item : items) {
        const auto [at, fresh] = seen.emplace(std::pair(item.section, item.key), item.text);
        if (!fresh) {
            if (at->second == item.text) continue;
            return {{},
                    "[" + item.section + "] " + item.key + ": 两个控件同名而文字不同 (\"" + at->second + "\", \"" +
                        item.text + "\")"};
        }
        const std::string value = convert(to_pack_value(item.text));
        if (const std::optional<std::string> lost = first_non_gbk(value))
            return {{}, "[" + item.section + "] " + item.key + ": 字符 " + *lost + " 无法以 GBK 保存"};
        if (!ini.set(item.section, item.key, value))
            return {{}, "[" + item.section + "] " + item.key + ": 名称不能用作键"};
    }
    return {utf8_to_gbk(ini.text()), std::nullopt};
}

}  // namespace vorlix
