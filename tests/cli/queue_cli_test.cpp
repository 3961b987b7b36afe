// End-to-end runs of vorlix-cli on the rate-limiting pages: check boxes that open panels and radio
// buttons set with --set act as clicks, and the copy button is a press that prints nothing.
#include <gtest/gtest.h>

#include "cli_runner.hpp"

namespace {

using vorlix::test::cli;
using vorlix::test::CliRun;

TEST(QueueCli, PanelsAndRadiosAreSetLikeClicks) {
    const CliRun both =
        cli({"generate", "按钮_33生成", "--set", "选择框_33开启Burst功能=1", "--set", "选择框_33开启Time功能=1",
             "--set", "选择框_33sun=0", "--set", "编辑框_33数量左=9", "--set", "编辑框_33数量右=3"});
    EXPECT_EQ(both.code, 0) << both.err;
    EXPECT_TRUE(both.out.ends_with(
        "\r\n:for mavek from=3 to=9 do={/queue simple add name=(\"PC\".$mavek) target=(\"192.168.1.\" . $mavek) "
        "limit-at=0/0 max-limit=0/0 burst-limit=0/0 burst-threshold=0/0 burst-time=3s/3s priority=8 "
        "time=00h00m00s-1d00h00m00s,mon,tue,wed,thu,fri,sat disabled=no}"))
        << both.out;

    const CliRun types = cli({"generate", "按钮63", "--set", "单选框4=1", "--set", "编辑框162=ether9"});
    EXPECT_EQ(types.code, 0) << types.err;
    EXPECT_TRUE(types.out.starts_with("/queue type add name=up kind=pcq ")) << types.out;
    EXPECT_NE(types.out.find(" out-interface=ether9 "), std::string::npos) << types.out;
}

TEST(QueueCli, RefusalsExitWithTheirMessageAndCopyPrintsNothing) {
    const CliRun bad =
        cli({"generate", "按钮_31生成", "--set", "选择框_31开启Time功能=1", "--set", "编辑框_31Time左=12::10"});
    EXPECT_EQ(bad.code, 1);
    EXPECT_EQ(bad.out, "");
    EXPECT_EQ(bad.err, "您填写的Time时间段格式有误,格式: 12:10:10\n");

    const CliRun copy = cli({"generate", "按钮_33复制"});
    EXPECT_EQ(copy.code, 0) << copy.err;
    EXPECT_EQ(copy.out, "");
    EXPECT_EQ(copy.err, "");

    // The copy button writes no script, so the list of generate buttons leaves it out.
    const CliRun list = cli({"list"});
    for (const char* button :
         {"按钮_31生成\t", "按钮_31删除脚本\t", "按钮_32生成1\t", "按钮_32生成2\t", "按钮_33生成\t", "按钮63\t"})
        EXPECT_NE(list.out.find(button), std::string::npos) << button;
    EXPECT_EQ(list.out.find("按钮_33复制"), std::string::npos);
}

}  // namespace
