#include "generators/language_export.hpp"

#include <array>

#include "forms/main_frame.hpp"
#include "generators/all_pages.hpp"
#include "script/files.hpp"

namespace vorlix {
namespace {

// The side windows whose packs have kept numbers since the first packs were made, by their buttons.
struct KnownPack {
    std::string_view opener;
    int number;
};
constexpr std::array<KnownPack, 3> kKnown = {{
    {"按钮_路由表", 2},
    {"按钮_子网计算工具", 3},
    {"按钮_脚本编辑器", 4},
}};

std::string pack_name(int number) {
    return "language" + std::to_string(number) + ".ini";
}

}  // namespace

std::string main_window_pack_name() {
    return pack_name(1);
}

std::string side_window_pack_name(const PageEntry& window) {
    for (const KnownPack& k : kKnown)
        if (window.spec->opener == k.opener) return pack_name(k.number);
    int number = static_cast<int>(kKnown.size()) + 1;
    for (const PageEntry& w : registry().windows()) {
        bool known = false;
        for (const KnownPack& k : kKnown) known = known || w.spec->opener == k.opener;
        if (known) continue;
        ++number;
        if (w.spec == window.spec) return pack_name(number);
    }
    return pack_name(number + 1);
}

PackSource main_window_pack_source() {
    PackSource source{.pages = {&main_frame_spec(), &form_file_buttons_spec()}, .tree = std::string(frame::tree)};
    for (const Area& area : registry().areas())
        for (const PageEntry& page : area.pages) source.pages.push_back(page.spec);
    for (const TreeItem& item : registry().tree()) source.tree_items.emplace_back(item.text);
    return source;
}

PackSource side_window_pack_source(const PageEntry& window) {
    return {.pages = {&form_file_buttons_spec(), window.spec}};
}

PackExport export_language_packs(const ToTraditional& convert) {
    PackExport out;
    auto add = [&](const std::string& name, const PackSource& source) {
        PackText text = language_pack_text(source, convert);
        if (text.error) {
            out.error = name + ": " + *text.error;
            return false;
        }
        out.files.push_back({name, std::move(text.bytes)});
        return true;
    };
    if (!add(main_window_pack_name(), main_window_pack_source())) return out;
    for (const PageEntry& w : registry().windows())
        if (!add(side_window_pack_name(w), side_window_pack_source(w))) return out;
    return out;
}

std::optional<std::string> write_language_packs(const std::string& dir, const ToTraditional& convert) {
    const PackExport packs = export_language_packs(convert);
    if (packs.error) return packs.error;
    for (const PackFile& f : packs.files) {
        const std::string path = dir + "/" + f.name;
        if (std::optional<std::string> error = write_file_atomically(path, f.bytes)) return path + ": " + *error;
    }
    return std::nullopt;
}

}  // namespace vorlix
