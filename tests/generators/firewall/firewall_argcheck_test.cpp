// Every generate button of the firewall pages, on its defaults and with hostile text typed into every
// field, through the RouterOS argument checker: no typed value may break a command line.
#include <gtest/gtest.h>

#include <unistd.h>
#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <regex>

#include "forms/control_kind.hpp"
#include "forms/press.hpp"
#include "generators/all_pages.hpp"

#ifndef VORLIX_ROS_ARGCHECK
#define VORLIX_ROS_ARGCHECK ""
#endif

namespace vorlix {
namespace {

constexpr std::size_t kFirewallTab = 4;

// The command lines of a script as the checker reads them. A `:for` loop is split into its header
// (as a command of its own) and its body, with the address expression reduced to its quoted text.
std::string checkable(const std::string& script) {
    static const std::regex kExpression(R"re(=\(("(?:[^"\\]|\\.)*") \. \$mavek\))re");
    std::string out;
    std::size_t start = 0;
    while (start <= script.size()) {
        std::size_t end = script.find("\r\n", start);
        if (end == std::string::npos) end = script.size();
        std::string line = script.substr(start, end - start);
        start = end + 2;
        if (line.starts_with(":foreach")) continue;  // fixed text without typed values
        if (line.starts_with(":for ")) {
            const std::size_t body = line.find(" do={");
            out += "/for" + line.substr(line.find(' ', 5), body - line.find(' ', 5)) + "\r\n";
            line = std::regex_replace(line.substr(body + 5, line.size() - body - 6), kExpression, "=$1");
        }
        out += line + "\r\n";
    }
    return out;
}

TEST(FirewallArgcheck, EveryButtonWithDefaultsAndHostileValues) {
    const std::filesystem::path tool = VORLIX_ROS_ARGCHECK;
    if (tool.empty() || !std::filesystem::exists(tool)) GTEST_SKIP() << "no RouterOS argument checker at " << tool;
    const auto dir = std::filesystem::temp_directory_path() / ("vorlix-fw-argcheck-" + std::to_string(::getpid()));
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);

    // Case 0 is the page's defaults; the others type one value into every field and check every box.
    const std::array<std::string, 8> hostile = {"", "", "a\"b", "pa$word", "x?y", " ", "中文", "a b\\c;[x]"};
    int files = 0;
    for (const PageEntry& page : registry().areas()[kFirewallTab].pages) {
        for (const Binding& b : page.bindings) {
            if (b.kind != BindingKind::generate) continue;
            for (std::size_t h = 0; h < hostile.size(); ++h) {
                Form form = Form::defaults(*page.spec);
                const bool defaults = h == 0;
                for (const ControlSpec& c : page.spec->controls) {
                    if (defaults) break;
                    switch (kind_info(c.kind).value) {
                        case ValueForm::text:
                            form.at(c.name).text = hostile[h];
                            break;
                        case ValueForm::rows:
                            form.at(c.name).rows = {{hostile[h]}, {"ether1"}};
                            break;
                        case ValueForm::flag:
                            if (c.kind == ControlKind::check_box) form.at(c.name).checked = true;
                            break;
                        default:
                            break;
                    }
                }
                SeededRandom random(1);
                Env env{random, {2016, 3, 5, 7, 8, 9}, ""};
                const Outcome o = press(page, form, b.control, env);
                if (!o.script) continue;
                const auto file = dir / (b.control + "-" + std::to_string(h) + ".rsc");
                std::ofstream(file, std::ios::binary) << checkable(*o.script);
                ++files;
            }
        }
    }
    ASSERT_GT(files, 100);

    const std::string cmd = "python3 '" + tool.string() + "' '" + dir.string() + "'/*.rsc 2>&1";
    std::string out;
    FILE* p = ::popen(cmd.c_str(), "r");
    std::array<char, 4096> buf{};
    std::size_t n;
    while ((n = std::fread(buf.data(), 1, buf.size(), p)) > 0) out.append(buf.data(), n);
    const int status = ::pclose(p);
    std::filesystem::remove_all(dir);
    if (out.find("could not download") != std::string::npos) GTEST_SKIP() << out;
    EXPECT_EQ(status, 0) << out;
}

}  // namespace
}  // namespace vorlix
