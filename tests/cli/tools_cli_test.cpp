// End-to-end runs of the built vorlix-cli for the MAC vendor lookup.
#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "cli_runner.hpp"

namespace vorlix {
namespace {

using test::cli;
using test::CliRun;

const std::string kRegistry = std::string(VORLIX_FIXTURE_DIR) + "/ieee-data";

TEST(MacVendorCli, ThreeTabSeparatedFieldsOrAStatusThatSaysWhy) {
    struct Case {
        std::string_view why, mac;
        int code;
        std::string_view out, err;  // err: a piece of the message
    };
    const Case cases[] = {
        {"a 36-bit block, typed with dashes", "70-b3-d5-f2-f0-01", 0,
         "70:B3:D5:F2:F0:01\tSmall Block Oy\tKatu 3/1 Helsinki FI 00100\n", ""},
        {"a private block has no address", "1100AA000001", 0, "11:00:AA:00:00:01\tPrivate\t\n", ""},
        {"locally administered, not listed", "02:11:22:33:44:55", 0, "02:11:22:33:44:55\t本地管理地址\t\n", ""},
        {"multicast, not listed", "01:00:5E:00:00:FB", 0, "01:00:5E:00:00:FB\t组播地址\t\n", ""},
        {"a vendor's address the registry does not list", "00:11:22:33:44:55", 1, "", "00:11:22:33:44:55"},
        {"not a MAC address", "00:11:22:33:44", 2, "", "not a MAC address"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        const CliRun r = cli({"mac-vendor", "--registry", kRegistry, std::string(c.mac)});
        EXPECT_EQ(r.code, c.code) << r.err;
        EXPECT_EQ(r.out, c.out);
        EXPECT_NE(r.err.find(c.err), std::string::npos) << r.err;
    }
}

TEST(MacVendorCli, MissingRegistryNamesThePackage) {
    const CliRun r = cli({"mac-vendor", "--registry", kRegistry + "/missing", "00:01:6C:06:A6:29"});
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find("ieee-data"), std::string::npos) << r.err;
}

}  // namespace
}  // namespace vorlix
