// vorlix-cli on the DDNS and router-script pages: the sign-up button prints the provider's address,
// the scripts come out whole and, being plain ASCII, the same in either encoding.
#include <gtest/gtest.h>

#include "cli_runner.hpp"

namespace {

using vorlix::test::cli;
using vorlix::test::CliRun;

TEST(CliScripts, SignUpPrintsTheChosenProvidersAddress) {
    const CliRun f3322 = cli({"generate", "按钮_60申请域名"});
    EXPECT_EQ(f3322.code, 0) << f3322.err;
    EXPECT_EQ(f3322.out, "https://www.pubyun.com/\n");
    const CliRun changeip = cli({"generate", "按钮_60申请域名", "--set", "单选框_60changeip=1"});
    EXPECT_EQ(changeip.code, 0) << changeip.err;
    EXPECT_EQ(changeip.out, "https://www.changeip.com/\n");
}

TEST(CliScripts, EveryButtonWritesItsScript) {
    struct Case {
        const char* button;
        std::size_t lines;
    };
    const Case cases[] = {{"按钮_60生成", 19}, {"按钮_71生成", 9},   {"按钮_72生成", 15},
                          {"按钮_73生成", 43}, {"按钮_73生成1", 67}, {"按钮_75生成", 58}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.button);
        const CliRun utf8 = cli({"generate", c.button});
        ASSERT_EQ(utf8.code, 0) << utf8.err;
        std::size_t breaks = 0;
        for (std::size_t at = utf8.out.find("\r\n"); at != std::string::npos; at = utf8.out.find("\r\n", at + 2))
            ++breaks;
        EXPECT_EQ(breaks + 1, c.lines);
        EXPECT_EQ(cli({"generate", c.button, "--encoding", "gbk"}).out, utf8.out);
    }
}

}  // namespace
