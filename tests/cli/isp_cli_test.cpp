// End-to-end runs of the built vorlix-cli for the carrier lists, the dual-line page and the
// route-table window.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "cli_runner.hpp"
#include "script/isp_lists.hpp"
#include "script/text.hpp"

namespace vorlix {
namespace {

using test::cli;
using test::CliRun;
using test::read_file;

TEST(IspCli, PrintsEachListExactlyAsStored) {
    for (const IspList list : kIspLists) {
        SCOPED_TRACE(isp_key(list));
        const CliRun r = cli({"isp-list", std::string(isp_key(list))});
        EXPECT_EQ(r.code, 0) << r.err;
        EXPECT_TRUE(r.out == isp_list_text(list));  // not EXPECT_EQ: a mismatch would print 100 kB
    }
    const CliRun bad = cli({"isp-list", "chinanet"});
    EXPECT_EQ(bad.code, 2);
    EXPECT_EQ(bad.out, "");
    EXPECT_NE(bad.err.find("chinanet"), std::string::npos) << bad.err;
    EXPECT_NE(bad.err.find("telecom, unicom, mobile, netcom, tietong, greatwall, cernet, qq_servers, all_china"),
              std::string::npos)
        << bad.err;
    EXPECT_EQ(cli({"isp-list"}).code, 2);
}

TEST(IspCli, RouteTableWindowButtonsRunLikeTheWindow) {
    CliRun r = cli(
        {"generate", "按钮_生成1", "--set", "单选框_长宽=1", "--set", "单选框_route=1", "--set", "编辑框_2=10.0.0.1"});
    EXPECT_EQ(r.code, 0) << r.err;
    const std::vector<std::string_view> entries = isp_list_entries(IspList::greatwall);
    std::vector<std::string_view> l = split_lines(r.out);
    ASSERT_EQ(l.size(), entries.size() + 1);
    EXPECT_EQ(l[0], "/ip route");
    EXPECT_EQ(l.back(),
              "add dst-address=" + std::string(entries.back()) + " gateway=10.0.0.1 type=unicast scope=30 disabled=no");

    // Checking the all-China button switches to address-list entries, as clicking it does.
    r = cli({"generate", "按钮_生成1", "--set", "单选框_中国ip=1", "--set", "编辑框_31=cn"});
    EXPECT_EQ(r.code, 0) << r.err;
    l = split_lines(r.out);
    ASSERT_EQ(l.size(), isp_list_entries(IspList::all_china).size() + 1);
    EXPECT_EQ(l[0], "/ip firewall address-list");

    r = cli({"generate", "按钮_生成3"});
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "请填写网关地址!\n");

    const CliRun list = cli({"list"});
    EXPECT_NE(list.out.find("按钮_17路由表\t双线固定IP电信网通\t5.X/6.X路由表生成\n"), std::string::npos);
    EXPECT_NE(list.out.find("按钮_生成1\t路由表生成器\t带参数生成\n"), std::string::npos);
    // The all-China radio's reaction is not a script of its own.
    EXPECT_EQ(list.out.find("单选框_中国ip"), std::string::npos);
}

TEST(IspCli, DualLineRouteTableToAFile) {
    const auto path = std::filesystem::temp_directory_path() / ("vorlix-dual-" + std::to_string(::getpid()) + ".rsc");
    const CliRun r = cli({"generate", "按钮_17路由表", "--set", "单选框_17网通=1", "-o", path.string()});
    EXPECT_EQ(r.code, 0) << r.err;
    const std::string text = read_file(path);
    std::filesystem::remove(path);
    const std::vector<std::string_view> l = split_lines(text);
    ASSERT_EQ(l.size(), isp_list_entries(IspList::telecom).size() + 3);
    EXPECT_EQ(l[1], "add dst-address=" + std::string(isp_list_entries(IspList::telecom).front()) +
                        " gateway=218.85.167.145 check-gateway=ping distance=1 scope=255 target-scope=10 disabled=no");
    EXPECT_EQ(l[l.size() - 2],
              "add dst-address=0.0.0.0/0 gateway=210.13.218.81 check-gateway=ping distance=2 scope=255 "
              "target-scope=10 disabled=no");
}

}  // namespace
}  // namespace vorlix
