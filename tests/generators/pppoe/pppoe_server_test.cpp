#include <gtest/gtest.h>

#include "generators/all_pages.hpp"
#include "generators/pppoe/PppoeServer.hpp"
#include "support/press.hpp"

namespace vorlix {
namespace {

using test::Sets;

std::string press(const Sets& sets = {}) {
    return test::press("按钮_21生成", sets);
}

constexpr std::string_view kPool = "/ip pool add name=pppoe_pool ranges=10.10.10.2-10.10.10.254\r\n";
constexpr std::string_view kProfileHead =
    "/ppp profile add name=pppoe_profile local-address=10.10.10.1 remote-address=pppoe_pool use-ipv6=yes "
    "use-mpls=default use-compression=default use-vj-compression=default use-encryption=default only-one=default "
    "change-tcp-mss=default ";
constexpr std::string_view kServer =
    "\r\n/interface pppoe-server server add service-name=PPPoE_Server interface=ether1 one-session-per-host=yes "
    "disabled=no default-profile=pppoe_profile";

TEST(PppoeServer, ProfileLineByOptionsAndDns) {
    struct Case {
        std::string_view why;
        Sets sets;
        std::string_view profile_tail;  // the profile line after "change-tcp-mss=default "
    };
    const Case cases[] = {
        {"defaults", {}, "dns-server=218.85.152.99,218.85.157.99"},
        {"all three limits, in the order idle, session, rate",
         {{"选择框_21pppoe客户端限速", "1"}, {"选择框_21空闲超时", "1"}, {"选择框_21连接超时", "1"}},
         "idle-timeout=00:00:00 session-timeout=00:00:00 rate-limit=1M/1M dns-server=218.85.152.99,218.85.157.99"},
        {"a typed rate is used as typed",
         {{"选择框_21pppoe客户端限速", "1"}, {"组合框_21上传", "6M"}, {"组合框_21下载", "512k"}},
         "rate-limit=6M/512k dns-server=218.85.152.99,218.85.157.99"},
        {"an unchecked limit ignores its value",
         {{"编辑框_21空闲超时", "x y"}},
         "dns-server=218.85.152.99,218.85.157.99"},
        {"a time-out with a blank is quoted",
         {{"选择框_21连接超时", "1"}, {"编辑框_21连接超时", "1d 00:00:00"}},
         "session-timeout=\"1d 00:00:00\" dns-server=218.85.152.99,218.85.157.99"},
        {"second DNS only", {{"编辑框_21首选DNS", ""}}, "dns-server=218.85.157.99"},
        {"no DNS", {{"编辑框_21首选DNS", ""}, {"编辑框_21备用DNS", ""}}, "dns-server=\"\""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_EQ(press(c.sets),
                  std::string(kPool) + std::string(kProfileHead) + std::string(c.profile_tail) + std::string(kServer));
    }
}

TEST(PppoeServer, NamesUsedTwiceAreQuotedTheSameInBothPlaces) {
    EXPECT_EQ(press({{"编辑框_21地址池名", "pool \"1\""},
                     {"编辑框_21策略模板", "p$1"},
                     {"编辑框_21pppoe服务名称", "服务"},
                     {"组合框_21网卡接口", "ether13"},
                     {"组合框_21ipv6", "no"}}),
              "/ip pool add name=\"pool \\\"1\\\"\" ranges=10.10.10.2-10.10.10.254\r\n"
              "/ppp profile add name=\"p\\$1\" local-address=10.10.10.1 remote-address=\"pool \\\"1\\\"\" use-ipv6=no "
              "use-mpls=default use-compression=default use-vj-compression=default use-encryption=default "
              "only-one=default change-tcp-mss=default dns-server=218.85.152.99,218.85.157.99\r\n"
              "/interface pppoe-server server add service-name=\"\\B7\\FE\\CE\\F1\" interface=ether13 "
              "one-session-per-host=yes "
              "disabled=no default-profile=\"p\\$1\"");
}

}  // namespace
}  // namespace vorlix
