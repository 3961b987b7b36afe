#include "script/files.hpp"

#ifndef _WIN32
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace vorlix {
namespace {

namespace fs = std::filesystem;

fs::path path_of(const std::string& utf8) {
    // On Windows a narrow path would be read in the ANSI code page.
    return fs::u8path(utf8);
}

std::string error_text(int error) {
    return std::strerror(error);
}

}  // namespace

bool is_folder(const std::string& path) {
    std::error_code ec;
    return fs::is_directory(path_of(path), ec);
}

FileText read_whole_file(const std::string& path) {
    std::error_code ec;
    const fs::path p = path_of(path);
    const fs::file_status status = fs::status(p, ec);
    if (ec) return {{}, ec.message()};
    if (!fs::is_regular_file(status)) return {{}, fs::is_directory(status) ? "是一个目录" : "不是普通文件"};
    std::ifstream in(p, std::ios::binary);
    if (!in) return {{}, error_text(errno)};
    std::string bytes;
    char buffer[65536];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0)
        bytes.append(buffer, static_cast<std::size_t>(in.gcount()));
    if (in.bad()) return {{}, "读取失败"};
    return {std::move(bytes), std::nullopt};
}

std::optional<std::string> write_file_atomically(const std::string& path, std::string_view bytes) {
    const fs::path target = path_of(path);
    fs::path temp = target;
    temp += ".vorlix-tmp";
    // An existing temporary file of an earlier, interrupted run is simply replaced.
    std::FILE* out = nullptr;
#ifdef _WIN32
    out = _wfopen(temp.c_str(), L"wb");
#else
    out = std::fopen(temp.c_str(), "wb");
#endif
    if (out == nullptr) return error_text(errno);
    // Unbuffered, so that every failed write is seen here and not only at a close that reports success.
    std::setvbuf(out, nullptr, _IONBF, 0);
    std::optional<std::string> error;
    if (!bytes.empty() && std::fwrite(bytes.data(), 1, bytes.size(), out) != bytes.size()) error = error_text(errno);
#ifndef _WIN32
    if (!error && ::fsync(::fileno(out)) != 0) error = error_text(errno);
#endif
    if (std::fclose(out) != 0 && !error) error = error_text(errno);
    std::error_code ec;
    if (!error) {
        fs::rename(temp, target, ec);
        if (ec) error = ec.message();
    }
    if (error) fs::remove(temp, ec);
    return error;
}

#ifdef _WIN32
// The data directory lies in the user's own profile, which Windows keeps private to the user.
std::optional<std::string> append_private(const std::string& path, std::string_view bytes) {
    const fs::path file = path_of(path);
    std::error_code ec;
    fs::create_directories(file.parent_path(), ec);
    if (ec) return ec.message();
    if (fs::exists(file, ec) && !fs::is_regular_file(file, ec)) return std::string("不是普通文件");
    const std::uintmax_t old_size = fs::exists(file, ec) ? fs::file_size(file, ec) : 0;
    std::ofstream out(file, std::ios::binary | std::ios::app);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (out) return std::nullopt;
    fs::resize_file(file, old_size, ec);
    return std::string("写入失败");
}
#else
std::optional<std::string> append_private(const std::string& path, std::string_view bytes) {
    std::error_code ec;
    fs::create_directories(fs::path(path).parent_path(), ec);
    if (ec) return ec.message();
    // Non-blocking, so that a pipe put in the file's place cannot make the program wait for a reader.
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK, 0600);
    if (fd < 0) return error_text(errno);
    struct stat st {};
    std::optional<std::string> error;
    if (::fstat(fd, &st) != 0) {
        error = error_text(errno);
    } else if (!S_ISREG(st.st_mode)) {
        error = "不是普通文件";
    } else if (::fchmod(fd, 0600) != 0) {  // a file someone made readable by others holds passwords from now on
        error = error_text(errno);
    }
    const off_t old_size = st.st_size;
    bool wrote = false;
    while (!error && !bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            error = error_text(n < 0 ? errno : EIO);
            break;
        }
        wrote = true;
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    if (error && wrote && ::ftruncate(fd, old_size) != 0) error = *error + "; " + error_text(errno);
    if (::close(fd) != 0 && !error) error = error_text(errno);
    return error;
}
#endif

}  // namespace vorlix
