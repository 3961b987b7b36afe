#pragma once
// Files the program reads and writes outside the GUI: form files, scripts written by vorlix-cli -o, the
// private account log. Paths are UTF-8. Each function reports what went wrong instead of throwing.
#include <optional>
#include <string>
#include <string_view>

namespace vorlix {

struct FileText {
    std::string bytes;
    std::optional<std::string> error;  // set when the file could not be read; `bytes` is then empty
};

// The whole of a regular file. A directory, a device or a pipe is refused: reading one would fail half
// way or never end.
FileText read_whole_file(const std::string& path);

// True when `path` names a folder (following links); false for anything else or nothing.
bool is_folder(const std::string& path);

// Writes the bytes to a temporary file beside `path` and renames it over `path`, so that a failure
// (a full disk, a size limit) leaves the old file as it was. Returns what went wrong, or nothing.
std::optional<std::string> write_file_atomically(const std::string& path, std::string_view bytes);

// Appends bytes to a file that only its owner may read, creating it (and its folder) when needed. The
// bytes go in whole or not at all: a failed write cuts the file back to its old length, so the next
// append does not continue a torn record. Anything but a regular file in its place is refused.
// Returns what went wrong, or nothing.
std::optional<std::string> append_private(const std::string& path, std::string_view bytes);

}  // namespace vorlix
