#include <gtest/gtest.h>

#include "support/press.hpp"

namespace vorlix {
namespace {

using test::press;

constexpr const char* kTypes =
    "/queue type add name=\"PCQ-up\" kind=pcq pcq-rate=1M pcq-limit=50 pcq-classifier=src-address "
    "pcq-total-limit=2000\r\n"
    "/queue type add name=\"PCQ-down\" kind=pcq pcq-rate=1M pcq-limit=50 pcq-classifier=dst-address "
    "pcq-total-limit=2000\r\n"
    "/ip firewall mangle add chain=prerouting action=mark-packet new-packet-mark=all-mark passthrough=yes\r\n";

TEST(PcqDynamic, StaticDefaultsGiveFiveLinesUpTreeFirst) {
    EXPECT_EQ(press("按钮_32生成2"),
              std::string(kTypes) +
                  "/queue tree add name=\"PCQup\" parent=ether1 queue=PCQ-up packet-mark=all-mark\r\n"
                  "/queue tree add name=\"PCQdown\" parent=ether1 queue=PCQ-down packet-mark=all-mark");
}

TEST(PcqDynamic, DynamicDefaultsGiveThirteenLinesDownTreeFirst) {
    const std::string policy = " policy=ftp,password,read,reboot,sniff,telnet,web,write,local,policy,ssh,test,winbox";
    EXPECT_EQ(
        press("按钮_32生成1"),
        std::string(kTypes) +
            "/queue tree add name=\"PCQdown\" parent=ether1 queue=PCQ-down packet-mark=all-mark\r\n"
            "/queue tree add name=\"PCQup\" parent=ether1 queue=PCQ-up packet-mark=all-mark\r\n"
            "/tool traffic-monitor add name=\"PCQupon\" interface=ether1 traffic=transmitted trigger=above "
            "threshold=2M on-event=upon disabled=no\r\n"
            "/tool traffic-monitor add name=\"PCQupoff\" interface=ether1 traffic=transmitted trigger=below "
            "threshold=4M on-event=upoff disabled=no\r\n"
            "/tool traffic-monitor add name=\"PCQdownon\" interface=ether1 traffic=received trigger=above "
            "threshold=4M on-event=downon disabled=no\r\n"
            "/tool traffic-monitor add name=\"PCQdownoff\" interface=ether1 traffic=received trigger=below "
            "threshold=8M on-event=downoff disabled=no\r\n"
            // The sources test the property by its full name, "disabled".
            "/system script add name=\"upon\" source=\":if ([/queue tree get [/queue tree find name=\\\"PCQup\\\"] "
            "disabled]=true) do={/queue tree enable PCQup}\"" +
            policy +
            "\r\n"
            "/system script add name=\"upoff\" source=\":if ([/queue tree get [/queue tree find name=\\\"PCQup\\\"] "
            "disabled]=false) do={/queue tree disable PCQup}\"" +
            policy +
            "\r\n"
            "/system script add name=\"downon\" source=\":if ([/queue tree get [/queue tree find "
            "name=\\\"PCQdown\\\"] disabled]=true) do={/queue tree enable PCQdown}\"" +
            policy +
            "\r\n"
            "/system script add name=\"downoff\" source=\":if ([/queue tree get [/queue tree find "
            "name=\\\"PCQdown\\\"] disabled]=false) do={/queue tree disable PCQdown}\"" +
            policy);
}

// Counts the occurrences of `what` in `text`.
int count(const std::string& text, std::string_view what) {
    int n = 0;
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
    return n;
}

TEST(PcqDynamic, TheChosenInterfaceCarriesTreesAndMonitors) {
    const std::string dynamic = press("按钮_32生成1", {{"组合框_32网卡接口1", "ether3"}, {"组合框_32网卡接口2", "x"}});
    EXPECT_EQ(count(dynamic, " parent=ether3 "), 2);
    EXPECT_EQ(count(dynamic, " interface=ether3 "), 4);
    EXPECT_EQ(count(dynamic, "ether1"), 0);
    // Each button reads only its own group.
    const std::string whole = press("按钮_32生成2", {{"组合框_32网卡接口1", "ether3"}, {"组合框_32up1", "9M"}});
    EXPECT_EQ(count(whole, " parent=ether1 "), 2);
    EXPECT_EQ(count(whole, "9M"), 0);
}

TEST(PcqDynamic, TypedValuesAreWrittenAsTypedOrQuotedWhole) {
    const std::string dynamic = press("按钮_32生成1", {{"组合框_32网卡接口1", "my wan"},
                                                       {"组合框_32up1", "1500k"},
                                                       {"组合框_32down1", ""},
                                                       {"组合框_32up开启限速", "x?y"},
                                                       {"组合框_32down关闭限速", "a\"b"}});
    EXPECT_NE(dynamic.find(" pcq-rate=1500k "), std::string::npos);
    EXPECT_NE(dynamic.find(" pcq-rate=\"\" "), std::string::npos);
    EXPECT_EQ(count(dynamic, " parent=\"my wan\" "), 2);
    EXPECT_EQ(count(dynamic, " interface=\"my wan\" "), 4);
    EXPECT_NE(dynamic.find(" threshold=\"x\\?y\" on-event=upon "), std::string::npos);
    EXPECT_NE(dynamic.find(" threshold=\"a\\\"b\" on-event=downoff "), std::string::npos);
    EXPECT_NE(press("按钮_32生成2", {{"组合框_32网卡接口2", "pa$word"}}).find(" parent=\"pa\\$word\" "),
              std::string::npos);
}

}  // namespace
}  // namespace vorlix
