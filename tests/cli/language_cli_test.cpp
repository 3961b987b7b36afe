// The committed language packs are what the export makes of the page tables today: a control added
// without regenerating them (vorlix-cli export-language src/data/language) fails here.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "cli_runner.hpp"

namespace vorlix::test {
namespace {

namespace fs = std::filesystem;

TEST(CliLanguage, ExportRegeneratesTheCommittedPacks) {
    const fs::path out = fs::temp_directory_path() / ("vorlix-language-" + std::to_string(::getpid())) / "new";
    fs::remove_all(out.parent_path());
    const CliRun run = cli({"export-language", out.string()});
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(run.out, "");

    const fs::path committed = fs::path(VORLIX_SOURCE_DIR) / "src/data/language";
    std::set<std::string> made, kept;
    for (const auto& e : fs::directory_iterator(out)) made.insert(e.path().filename().string());
    for (const auto& e : fs::directory_iterator(committed))
        if (e.path().extension() == ".ini") kept.insert(e.path().filename().string());
    EXPECT_EQ(made, kept);
    for (const std::string& name : made) {
        SCOPED_TRACE(name);
        const std::string bytes = read_file(out / name);
        EXPECT_TRUE(bytes == read_file(committed / name))
            << "regenerate with: vorlix-cli export-language src/data/language";
        EXPECT_TRUE(bytes.ends_with("\r\n"));
    }
    fs::remove_all(out.parent_path());
}

TEST(CliLanguage, ExportIntoAPlaceThatCannotHoldItFails) {
    const fs::path file = fs::temp_directory_path() / ("vorlix-language-file-" + std::to_string(::getpid()));
    { std::ofstream(file) << "x"; }
    const CliRun run = cli({"export-language", (file / "sub").string()});
    EXPECT_EQ(run.code, 1);
    EXPECT_NE(run.err, "");
    fs::remove(file);
}

}  // namespace
}  // namespace vorlix::test
