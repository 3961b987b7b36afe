// Page 封端口及封IP(批量): port and address rules, block lists one entry at a time or from the batch box.
#include <gtest/gtest.h>

#include "support/press.hpp"

namespace vorlix {
namespace {

using test::press;
using test::press_outcome;
using test::Sets;

constexpr std::string_view kBatch = "按钮_46生成脚本", kBatchBox = "编辑框_46ip地址列表";

TEST(BlockPortsAddresses, SingleRulesWithDefaults) {
    struct Case {
        std::string_view button, want;
    };
    const Case cases[] = {
        {"按钮_46生成1",
         "/ip firewall filter add chain=forward protocol=tcp dst-port=20 action=drop comment=\"WEB\\20SERVER\""},
        {"按钮_46生成2",
         "/ip firewall filter add chain=forward dst-address=203.0.113.20/32 action=drop comment=\"WEB\\20SERVER\""},
        {"按钮_46第一次生成",
         "/ip firewall filter add chain=forward dst-address-list=MavekList action=drop comment=\"Blockade IP List\""},
        {"按钮_46生成3",
         "/ip firewall address-list add address=203.0.113.20/32 list=\"MavekList\" comment=\"example.com\""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.button);
        EXPECT_EQ(press(c.button), c.want);
    }
}

TEST(BlockPortsAddresses, PortRuleByProtocolAndComment) {
    struct Case {
        std::string_view why;
        Sets sets;
        std::string_view want;
    };
    const Case cases[] = {
        {"a port list and a Chinese comment",
         {{"编辑框_46端口", "21,80,110"}, {"编辑框_46备注1", "中文"}},
         "/ip firewall filter add chain=forward protocol=tcp dst-port=21,80,110 action=drop "
         "comment=\"\\D6\\D0\\CE\\C4\""},
        {"udp range",
         {{"组合框_46tcp协议名", "udp"}, {"编辑框_46端口", "6881-6890"}},
         "/ip firewall filter add chain=forward protocol=udp dst-port=6881-6890 action=drop "
         "comment=\"WEB\\20SERVER\""},
        {"a protocol without ports is dropped whole",
         {{"组合框_46tcp协议名", "gre"}},
         "/ip firewall filter add chain=forward protocol=gre action=drop comment=\"WEB\\20SERVER\""},
        {"typed values that need quotes",
         {{"编辑框_46端口", "8$0"}, {"编辑框_46备注1", "a\"b"}},
         "/ip firewall filter add chain=forward protocol=tcp dst-port=\"8\\$0\" action=drop comment=\"a\\22b\""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_EQ(press("按钮_46生成1", c.sets), c.want);
    }
}

// The drop rule names every list the page fills: the single entry's and the batch's.
TEST(BlockPortsAddresses, BlockListRuleNamesTheListsInUse) {
    auto rule = [](std::string_view list) {
        return "/ip firewall filter add chain=forward dst-address-list=" + std::string(list) +
               " action=drop comment=\"Blockade IP List\"";
    };
    struct Case {
        std::string_view why;
        Sets sets;
        std::string want;
    };
    const Case cases[] = {
        {"a batch name typed but its box clear", {{"编辑框_46批量maveklist", "Foo"}}, rule("MavekList")},
        {"the batch's typed list",
         {{"选择框_46列表名称", "1"}, {"编辑框_46批量maveklist", "Foo"}},
         rule("MavekList") + "\r\n" + rule("Foo")},
        {"both name the same list", {{"选择框_46列表名称", "1"}}, rule("MavekList")},
        {"the single entry's list", {{"编辑框_46maveklist", "Bar"}}, rule("Bar") + "\r\n" + rule("MavekList")},
        {"a blank single-entry name is no list",
         {{"编辑框_46maveklist", " "}, {"选择框_46列表名称", "1"}, {"编辑框_46批量maveklist", "Foo"}},
         rule("Foo")},
        {"no name at all",
         {{"编辑框_46maveklist", ""}, {"选择框_46列表名称", "1"}, {"编辑框_46批量maveklist", ""}},
         rule("MavekList")},
        {"a name that needs quotes",
         {{"编辑框_46maveklist", "my list"}},
         rule("\"my list\"") + "\r\n" + rule("MavekList")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_EQ(press("按钮_46第一次生成", c.sets), c.want);
    }
}

TEST(BlockPortsAddresses, BatchLinesAreTrimmedAndBlankOnesSkipped) {
    auto entry = [](std::string_view address, std::string_view list = "MavekList") {
        return "/ip firewall address-list add address=" + std::string(address) + " list=\"" + std::string(list) +
               "\" disabled=no";
    };
    struct Case {
        std::string_view why, box;
        std::string want;
    };
    const Case cases[] = {
        {"an empty line between", "1.1.1.1\r\n\r\n2.2.2.0/24", entry("1.1.1.1") + "\r\n" + entry("2.2.2.0/24")},
        {"a line end after the last", "1.1.1.1\r\n", entry("1.1.1.1")},
        {"blanks around and blank-only lines", " 1.1.1.1 \r\n   \r\n\t2.2.2.2",
         entry("1.1.1.1") + "\r\n" + entry("2.2.2.2")},
        {"line ends of a pasted text", "1.1.1.1\n2.2.2.2", entry("1.1.1.1") + "\r\n" + entry("2.2.2.2")},
        {"only line ends: the pane is emptied", "\r\n\r\n", ""},
        {"only blanks: the pane is emptied", "   ", ""},
        {"an entry that needs quotes", "a\"b", entry("\"a\\\"b\"")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_EQ(press(kBatch, {{std::string(kBatchBox), std::string(c.box)}}), c.want);
    }
    // The typed list name counts only while its box is checked.
    const Sets named = {{std::string(kBatchBox), "1.1.1.1"}, {"编辑框_46批量maveklist", "Foo"}};
    EXPECT_EQ(press(kBatch, named), entry("1.1.1.1"));
    Sets checked = named;
    checked.emplace_back("选择框_46列表名称", "1");
    EXPECT_EQ(press(kBatch, checked), entry("1.1.1.1", "Foo"));
}

TEST(BlockPortsAddresses, AnEmptyBatchBoxLeavesThePaneAlone) {
    const Outcome o = press_outcome(kBatch);
    EXPECT_FALSE(o.script);
    EXPECT_FALSE(o.message);
    EXPECT_TRUE(o.updates.empty());
}

TEST(BlockPortsAddresses, ClearEmptiesTheBatchBox) {
    const Outcome o = press_outcome("按钮_46清空ip", {{std::string(kBatchBox), "1.1.1.1\r\n2.2.2.2"}});
    ASSERT_EQ(o.updates.size(), 1u);
    EXPECT_EQ(o.updates[0].name, kBatchBox);
    EXPECT_EQ(o.updates[0].value.text, "");
    EXPECT_FALSE(o.script);
}

}  // namespace
}  // namespace vorlix
