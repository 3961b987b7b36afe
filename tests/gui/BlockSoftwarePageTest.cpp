// Page 封锁软件类 in the real window: each button puts its whole rule set into the script pane.
#include <gtest/gtest.h>

#include <QPushButton>
#include <QTest>
#include <algorithm>

#include "app/MainWindow.hpp"
#include "app/ScriptPane.hpp"
#include "forms/registry.hpp"
#include "generators/all_pages.hpp"
#include "generators/firewall/FixedRuleSets.hpp"
#include "script/text.hpp"

namespace vorlix {
namespace {

TEST(BlockSoftwarePageTest, EachButtonShowsItsWholeRuleSet) {
    MainWindow window;
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const auto& tree = registry().tree();
    const auto item = std::find_if(tree.begin(), tree.end(), [](const TreeItem& t) { return t.text == "封锁软件类"; });
    ASSERT_NE(item, tree.end());
    window.selectTreeItem(static_cast<int>(item - tree.begin()));

    int pressed = 0;
    for (const FixedRuleSet& set : fixed_rule_sets()) {
        if (set.button == name::recommended_firewall) continue;  // on the keyword page
        auto* button = window.findChild<QPushButton*>(QString::fromUtf8(set.button.data(), set.button.size()));
        SCOPED_TRACE(set.button);
        ASSERT_NE(button, nullptr);
        EXPECT_TRUE(button->isVisible());
        QTest::mouseClick(button, Qt::LeftButton);
        ++pressed;
        const std::string_view want = fixed_rule_set_script(set.button);
        EXPECT_EQ(window.scriptPane()->script(), want);
        EXPECT_EQ(window.scriptPane()->lineCount(), static_cast<int>(split_lines(want).size()));
    }
    EXPECT_EQ(pressed, 8);
}

}  // namespace
}  // namespace vorlix
