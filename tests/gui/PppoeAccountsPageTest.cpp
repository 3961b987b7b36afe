// Page 添加PPPoE账号(批量): each side's case list follows its digits and letters check boxes.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QTest>

#include "GuiTestSupport.hpp"
#include "app/PageView.hpp"
#include "generators/pppoe/PppoeAccounts.hpp"

namespace vorlix {
namespace {

class PppoeAccountsPageTest : public ::testing::Test {
protected:
    PppoeAccountsPageTest() : view(pppoe_accounts_page()) {
        view.resize(800, 700);
        view.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&view));
    }
    template <typename T = QWidget>
    T* find(const char* name) {
        return qobject_cast<T*>(view.control(name));
    }
    // Where a user clicks a check box: on its indicator.
    void click(const char* name) {
        QWidget* box = find(name);
        test::clickIndicator(box);
    }

    PageView view;
};

TEST_F(PppoeAccountsPageTest, DigitsAndLettersTogetherFixTheCaseList) {
    struct Side {
        const char *digits, *letters, *cases;
    };
    const Side sides[] = {
        {"选择框_22账号数字", "选择框_22账号字母", "组合框_22账号大小写字母"},
        {"选择框_22密码数字", "选择框_22密码字母", "组合框_22密码大小写字母"},
    };
    for (const Side& side : sides) {
        SCOPED_TRACE(side.cases);
        const Side& other = &side == &sides[0] ? sides[1] : sides[0];
        auto* cases = find<QComboBox>(side.cases);
        ASSERT_TRUE(find<QCheckBox>(side.digits)->isChecked());
        ASSERT_TRUE(cases->isEnabled());

        click(side.letters);
        ASSERT_TRUE(find<QCheckBox>(side.letters)->isChecked());
        EXPECT_EQ(cases->currentText(), QStringLiteral("大小写字母"));
        EXPECT_FALSE(cases->isEnabled());
        EXPECT_TRUE(find(other.cases)->isEnabled());  // the other side is left alone

        // Either box cleared makes the list usable again; it keeps what it shows.
        click(side.digits);
        EXPECT_TRUE(cases->isEnabled());
        EXPECT_EQ(cases->currentText(), QStringLiteral("大小写字母"));
        click(side.digits);
        EXPECT_FALSE(cases->isEnabled());
        click(side.letters);
        EXPECT_TRUE(cases->isEnabled());
    }
}

}  // namespace
}  // namespace vorlix
