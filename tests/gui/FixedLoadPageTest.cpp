// Page 多线固定IP负载 in the main window: its line list filled through the input boxes, and the PCC
// button writing the lines into the script pane.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include "GuiTestSupport.hpp"
#include "app/MainWindow.hpp"
#include "app/PageView.hpp"
#include "app/ScriptPane.hpp"
#include "generators/wan/LoadBalance.hpp"

namespace vorlix {
namespace {

constexpr int kFixedLoadItem = 7;  // tree item of 多线固定IP叠加NTH+PCC负载

struct Line {
    const char *address, *prefix, *gateway, *interface;
};
constexpr Line kDefaultLine{"218.85.167.150", "24", "218.85.167.1", "ether2"};
constexpr Line kSecondLine{"10.0.0.2", "30", "10.0.0.1", "ether3"};

class FixedLoadPageTest : public ::testing::Test {
protected:
    void SetUp() override {
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        window.selectTreeItem(kFixedLoadItem);
        view = window.pageView(1, 3);
        ASSERT_NE(view, nullptr);
        list = find<QTreeWidget>("超级列表框_13");
        ASSERT_NE(list, nullptr);
    }
    template <typename T = QWidget>
    T* find(const char* name) {
        return qobject_cast<T*>(view->control(name));
    }
    QString text(const char* name) {
        if (auto* combo = find<QComboBox>(name)) return combo->currentText();
        return find<QLineEdit>(name)->text();
    }
    void press(const char* button) { QTest::mouseClick(find(button), Qt::LeftButton); }
    void type(const Line& l) {
        find<QLineEdit>("编辑框_13配置IP")->setText(QString::fromUtf8(l.address));
        find<QLineEdit>("编辑框_13配置IP掩码")->setText(QString::fromUtf8(l.prefix));
        find<QLineEdit>("编辑框_13配置网关")->setText(QString::fromUtf8(l.gateway));
        find<QComboBox>("组合框_13配置网卡")->setEditText(QString::fromUtf8(l.interface));
    }
    void add(const Line& l) {
        type(l);
        press("按钮_13添加账号");
    }
    Rows rows() { return view->collect().rows("超级列表框_13"); }
    void clickRow(int row) {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->topLevelItem(row)).center());
    }

    // No test here may stop at a modal box; every message is kept instead.
    test::MessageRecorder messages;
    MainWindow window;
    PageView* view = nullptr;
    QTreeWidget* list = nullptr;
};

TEST_F(FixedLoadPageTest, TwoLinesAddedThroughTheInputsGiveThePccScript) {
    add(kDefaultLine);
    add(kSecondLine);
    const Rows lines = {{"218.85.167.150/24", "218.85.167.1", "ether2"}, {"10.0.0.2/30", "10.0.0.1", "ether3"}};
    ASSERT_EQ(rows(), lines);
    EXPECT_TRUE(messages.seen.empty());

    // Another classifier than the first, so the script shows the drop-down reached the generator.
    find<QComboBox>("组合框_13pcc叠加类型")->setCurrentIndex(4);
    press("按钮_13PCC生成");
    const Result want = generate_fixed_load({.lan = "ether1",
                                             .lan_address = "192.168.0.254",
                                             .lan_prefix = "24",
                                             .dns1 = "218.85.152.99",
                                             .dns2 = "218.85.157.99",
                                             .classifier = 4,
                                             .lines = lines},
                                            Balancing::pcc);
    ASSERT_FALSE(want.refusal);
    EXPECT_NE(want.script.find("per-connection-classifier=dst-address-and-port:2/1"), std::string::npos);
    EXPECT_EQ(window.scriptPane()->script(), want.script);
}

TEST_F(FixedLoadPageTest, ADuplicateAddShowsTheMessageAndLeavesTheList) {
    add(kDefaultLine);
    const Rows before = rows();
    struct Case {
        const char* why;
        Line line;
        std::string message;
    };
    const Case cases[] = {
        {"the same address with another prefix",
         {"218.85.167.150", "29", "218.85.150.9", "ether5"},
         "IP地址: 218.85.167.150 已经被使用,不能重复添加!"},
        {"another address on the same interface",
         {"10.0.0.2", "30", "10.0.0.1", "ether2"},
         "外网网卡: ether2 已经被使用,不能重复添加!"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        messages.seen.clear();
        add(c.line);
        ASSERT_EQ(messages.seen.size(), 1u);
        EXPECT_EQ(messages.seen[0].text, c.message);
        EXPECT_EQ(rows(), before);
    }
}

TEST_F(FixedLoadPageTest, SelectingARowFillsTheInputsAndOnlyTheUserSelects) {
    add(kDefaultLine);
    add(kSecondLine);
    type(kDefaultLine);
    clickRow(1);
    EXPECT_EQ(text("编辑框_13配置IP"), QStringLiteral("10.0.0.2"));
    EXPECT_EQ(text("编辑框_13配置IP掩码"), QStringLiteral("30"));
    EXPECT_EQ(text("编辑框_13配置网关"), QStringLiteral("10.0.0.1"));
    EXPECT_EQ(text("组合框_13配置网卡"), QStringLiteral("ether3"));

    // Adding keeps the selected row selected, and the inputs keep what was typed: the list's new rows
    // are not a row picked by the user.
    add({"10.0.0.6", "30", "10.0.0.5", "ether4"});
    EXPECT_EQ(rows().size(), 3u);
    EXPECT_EQ(view->collect().index("超级列表框_13"), 1);
    EXPECT_EQ(text("编辑框_13配置IP"), QStringLiteral("10.0.0.6"));
    EXPECT_EQ(text("组合框_13配置网卡"), QStringLiteral("ether4"));

    // Deleting removes the selected row and leaves none selected.
    press("按钮_13删除账号");
    const Rows left = {{"218.85.167.150/24", "218.85.167.1", "ether2"}, {"10.0.0.6/30", "10.0.0.5", "ether4"}};
    EXPECT_EQ(rows(), left);
    EXPECT_EQ(view->collect().index("超级列表框_13"), -1);
    EXPECT_TRUE(list->selectedItems().isEmpty());
    press("按钮_13删除账号");  // nothing selected: nothing goes
    EXPECT_EQ(rows(), left);
    EXPECT_TRUE(messages.seen.empty());
}

}  // namespace
}  // namespace vorlix
