#include "script/files.hpp"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>

namespace vorlix {
namespace {

namespace fs = std::filesystem;

fs::path scratch(const char* name) {
    const fs::path dir = fs::temp_directory_path() / ("vorlix-files-" + std::to_string(::getpid()) + "-" + name);
    fs::remove_all(dir);
    fs::create_directories(dir);
    return dir;
}

std::string slurp(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Runs `body` in a child process whose files may not grow past `limit` bytes; returns its exit code.
template <typename Body>
int with_file_size_limit(rlim_t limit, Body body) {
    const pid_t child = ::fork();
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit r{limit, limit};
        ::setrlimit(RLIMIT_FSIZE, &r);
        ::_exit(body());
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// A failed append (here: the file may not grow further) leaves the log as it was, so the next record
// starts on a line of its own instead of continuing half a password.
TEST(Files, AFailedAppendLeavesTheLogAsItWas) {
    const fs::path dir = scratch("append");
    const std::string log = (dir / "log" / "pppoe.txt").string();
    ASSERT_FALSE(append_private(log, "first\tpw1\r\n"));
    const int code = with_file_size_limit(64, [&] { return append_private(log, std::string(1000, 'x')) ? 1 : 0; });
    EXPECT_EQ(code, 1);  // reported
    EXPECT_EQ(slurp(log), "first\tpw1\r\n");
    ASSERT_FALSE(append_private(log, "second\tpw2\r\n"));
    EXPECT_EQ(slurp(log), "first\tpw1\r\nsecond\tpw2\r\n");
    struct stat st {};
    ASSERT_EQ(::stat(log.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
    fs::remove_all(dir);
}

// A pipe in the log's place would block the program until someone reads it; it is refused at once.
TEST(Files, SomethingElseInTheLogsPlaceIsRefused) {
    const fs::path dir = scratch("fifo");
    const fs::path fifo = dir / "pppoe.txt";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_TRUE(append_private(fifo.string(), "a\r\n"));
    fs::create_directories(dir / "sub.txt");
    EXPECT_TRUE(append_private((dir / "sub.txt").string(), "a\r\n"));
    EXPECT_TRUE(read_whole_file(dir.string()).error);
    EXPECT_TRUE(read_whole_file(fifo.string()).error);
    fs::remove_all(dir);
}

TEST(Files, AnAtomicWriteKeepsTheOldFileWhenItFails) {
    const fs::path dir = scratch("atomic");
    const fs::path file = dir / "out.rsc";
    ASSERT_FALSE(write_file_atomically(file.string(), "old"));
    const int code =
        with_file_size_limit(16, [&] { return write_file_atomically(file.string(), std::string(4096, 'n')) ? 1 : 0; });
    EXPECT_EQ(code, 1);
    EXPECT_EQ(slurp(file), "old");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);  // no temporary left
    ASSERT_FALSE(write_file_atomically(file.string(), "new"));
    EXPECT_EQ(read_whole_file(file.string()).bytes, "new");
    fs::remove_all(dir);
}

}  // namespace
}  // namespace vorlix
