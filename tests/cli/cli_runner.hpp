#pragma once
// Runs the built vorlix-cli as a user would, and captures what it printed and its exit code.
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <string>

namespace vorlix::test {

struct CliRun {
    int code = -1;
    std::string out, err;
};

inline std::string read_file(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline std::string shell_quote(const std::string& s) {
    std::string out = "'";
    for (const char c : s) out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return out + "'";
}

// vorlix-cli ARGS..., with VORLIX_DATA_DIR set to `data_dir` when one is given. `shell_before` runs in the
// same shell first (a ulimit), `shell_after` follows the command (a redirection of its output).
inline CliRun cli(std::initializer_list<std::string> args, const std::filesystem::path& data_dir = {},
                  const std::string& shell_before = {}, const std::string& shell_after = {}) {
    const auto dir = std::filesystem::temp_directory_path() / ("vorlix-cli-run-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    std::string cmd = shell_before.empty() ? std::string() : shell_before + "; ";
    if (!data_dir.empty()) cmd += "VORLIX_DATA_DIR=" + shell_quote(data_dir.string()) + " ";
    cmd += shell_quote(VORLIX_CLI_PATH);
    for (const std::string& a : args) cmd += " " + shell_quote(a);
    cmd += " 2>" + shell_quote((dir / "err").string());
    if (!shell_after.empty()) cmd += " " + shell_after;
    CliRun r;
    FILE* p = ::popen(cmd.c_str(), "r");
    std::array<char, 4096> buf{};
    std::size_t n;
    while ((n = std::fread(buf.data(), 1, buf.size(), p)) > 0) r.out.append(buf.data(), n);
    const int status = ::pclose(p);
    r.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    r.err = read_file(dir / "err");
    return r;
}

}  // namespace vorlix::test
