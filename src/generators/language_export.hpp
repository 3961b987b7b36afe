#pragma once
// The language packs of every window, made from the registry: the main window (its own controls,
// every page of every area and the navigation tree) and each side window. A page or side window added
// to the registry is in the packs the next time they are exported.
#include <optional>
#include <string>
#include <vector>

#include "forms/language_pack.hpp"
#include "forms/page_entry.hpp"

namespace vorlix {

// The file name of a window's pack: "language1.ini" for the main window, "language2.ini" to
// "language4.ini" for the route-table generator, the subnet calculator and the script editor, and
// numbers from 5 on for any other side window, in registry order.
std::string main_window_pack_name();
std::string side_window_pack_name(const PageEntry& window);

// What a window's pack covers.
PackSource main_window_pack_source();
PackSource side_window_pack_source(const PageEntry& window);

struct PackFile {
    std::string name;   // "language1.ini"
    std::string bytes;  // GBK
};

struct PackExport {
    std::vector<PackFile> files;       // main window first, then the side windows in registry order
    std::optional<std::string> error;  // the first pack that could not be made, and why
};

PackExport export_language_packs(const ToTraditional& convert);

// Writes every pack into `dir` (which must exist). Returns what went wrong, or nothing.
std::optional<std::string> write_language_packs(const std::string& dir, const ToTraditional& convert);

}  // namespace vorlix
