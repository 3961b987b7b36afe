// End-to-end runs of the built vorlix-cli on the VLAN and VRRP multi-PPPoE pages and the wireless page:
// rows from --row or a --form file and --seed for the bridge MACs give the generators' bytes.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "cli_runner.hpp"
#include "generators/wan/VlanPppoe.hpp"
#include "generators/wan/VrrpPppoe.hpp"
#include "generators/wan/WirelessDhcp.hpp"

namespace {

using vorlix::test::cli;
using vorlix::test::CliRun;

std::filesystem::path scratch_dir() {
    const auto dir =
        std::filesystem::temp_directory_path() / ("vorlix-pppoe-lines-cli-test-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    return dir;
}

TEST(PppoeLinesWirelessCli, VlanRowsWithASeedAreRepeatable) {
    const std::initializer_list<std::string> args = {"generate", "按钮_18生成",
                                                     "--row",    R"(超级列表框_18=["adsl01","pw1","10"])",
                                                     "--row",    R"(超级列表框_18=["my adsl","pa$word","20"])",
                                                     "--row",    R"(超级列表框_18=["adsl03","pw3","30"])",
                                                     "--set",    "组合框_18VLAN网卡=ether5",
                                                     "--seed",   "5"};
    const CliRun first = cli(args), again = cli(args);
    EXPECT_EQ(first.code, 0) << first.err;
    EXPECT_EQ(first.out, again.out);

    vorlix::VlanPppoeFields f = vorlix::vlan_pppoe_fields(vorlix::Form::defaults(vorlix::vlan_pppoe_page_spec()));
    f.port = "ether5";
    f.lines = {{"adsl01", "pw1", "10"}, {"my adsl", "pa$word", "20"}, {"adsl03", "pw3", "30"}};
    vorlix::SeededRandom random(5);
    EXPECT_EQ(first.out, vorlix::generate_vlan_pppoe(f, random).script);
    EXPECT_NE(first.out.find(R"( user="my adsl" password="pa\$word" )"), std::string::npos);

    const CliRun other =
        cli({"generate", "按钮_18生成", "--row", R"(超级列表框_18=["adsl01","pw1","10"])", "--seed", "6"});
    EXPECT_EQ(other.code, 0);
    EXPECT_EQ(other.out.find(first.out.substr(first.out.find("admin-mac="), 27)), std::string::npos);

    const CliRun empty = cli({"generate", "按钮_18生成"});
    EXPECT_EQ(empty.code, 1);
    EXPECT_EQ(empty.out, "");
    EXPECT_EQ(empty.err, "请输入PPPoE拨号的相关信息!\n");
}

TEST(PppoeLinesWirelessCli, VrrpRowsFromAFormFile) {
    const auto dir = scratch_dir();
    std::ofstream(dir / "vrrp.json") << R"({"超级列表框_1a": [["a\"b", "pass word"], ["adsl02", "x?y"], ["adsl03", ""]],
                                            "编辑框_1a内网网段": "10.9.8", "组合框_1a内网卡": "ether4"})";
    const CliRun r = cli({"generate", "按钮_1a生成", "--form", (dir / "vrrp.json").string()});
    EXPECT_EQ(r.code, 0) << r.err;
    vorlix::VrrpPppoeFields f = vorlix::vrrp_pppoe_fields(vorlix::Form::defaults(vorlix::vrrp_pppoe_page_spec()));
    f.prefix = "10.9.8";
    f.lan = "ether4";
    f.lines = {{"a\"b", "pass word"}, {"adsl02", "x?y"}, {"adsl03", ""}};
    EXPECT_EQ(r.out, vorlix::generate_vrrp_pppoe(f).script);
    EXPECT_NE(r.out.find("add address=10.9.8.254/24 disabled=no interface=ether1\r\n"), std::string::npos);
    EXPECT_NE(r.out.find(R"( user="a\"b" password="pass word" )"), std::string::npos);
    std::filesystem::remove_all(dir);
}

TEST(PppoeLinesWirelessCli, WirelessChecksAndScript) {
    const CliRun ok = cli({"generate", "按钮_19生成", "--set", "选择框_19EAP=1", "--set", "组合框_19频段=auto"});
    EXPECT_EQ(ok.code, 0) << ok.err;
    vorlix::WirelessDhcpFields f =
        vorlix::wireless_dhcp_fields(vorlix::Form::defaults(vorlix::wireless_dhcp_page_spec()));
    f.wpa_eap = true;
    f.frequency = "auto";
    EXPECT_EQ(ok.out, vorlix::generate_wireless_dhcp(f).script);
    EXPECT_NE(ok.out.find("authentication-types=wpa-psk,wpa2-psk,wpa-eap "), std::string::npos);

    const CliRun refused = cli({"generate", "按钮_19生成", "--set", "编辑框_19无线密码=1234567"});
    EXPECT_EQ(refused.code, 1);
    EXPECT_EQ(refused.out, "");
    EXPECT_EQ(refused.err, "无线网络登录密码必须是8到63个英文字母、数字或符号!\n");
}

}  // namespace
