// Pages 端口映射 and 封端口及封IP(批量) in the main window: the list box of UPnP interfaces and the batch
// box with its clear button, as a user drives them.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTest>

#include "GuiTestSupport.hpp"
#include "app/MainWindow.hpp"
#include "app/PageView.hpp"
#include "app/ScriptPane.hpp"

namespace vorlix {
namespace {

class FirewallPagesTest : public ::testing::Test {
protected:
    void SetUp() override {
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    void open(int tree_item, int inner) {
        window.selectTreeItem(tree_item);
        view = window.pageView(4, inner);
        ASSERT_NE(view, nullptr);
    }
    template <typename T = QWidget>
    T* find(const char* name) {
        return qobject_cast<T*>(view->control(name));
    }
    void press(const char* button) { QTest::mouseClick(find(button), Qt::LeftButton); }
    QStringList entries(QListWidget* list) {
        QStringList out;
        for (int i = 0; i < list->count(); ++i) out << list->item(i)->text();
        return out;
    }

    test::MessageRecorder messages;
    MainWindow window;
    PageView* view = nullptr;
};

TEST_F(FirewallPagesTest, UpnpInterfacesAreAddedAndRemovedInTheListBox) {
    open(27, 5);
    auto* list = find<QListWidget>("列表框_45外网网卡");
    auto* external = find<QComboBox>("组合框_45外网网卡接口");
    ASSERT_NE(list, nullptr);
    ASSERT_NE(external, nullptr);

    window.scriptPane()->setScript("keep");
    press("按钮_45生成2");
    ASSERT_EQ(messages.seen.size(), 1u);
    EXPECT_EQ(messages.seen[0].text, "请先添加您要端口映射功能外网网卡接口!");
    EXPECT_EQ(window.scriptPane()->script(), "keep");

    for (const char* name : {"ether1", "ether2", "ether1"}) {
        external->setEditText(QString::fromUtf8(name));
        press("按钮_45增加外网接口");
    }
    EXPECT_EQ(entries(list), (QStringList{"ether1", "ether2", "ether1"}));
    external->setEditText({});
    press("按钮_45增加外网接口");  // an empty name is not listed
    EXPECT_EQ(list->count(), 3);

    press("按钮_45删除外网接口");  // nothing selected: nothing removed
    EXPECT_EQ(list->count(), 3);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(1)).center());
    ASSERT_EQ(list->currentRow(), 1);
    press("按钮_45删除外网接口");
    EXPECT_EQ(entries(list), (QStringList{"ether1", "ether1"}));
    EXPECT_TRUE(list->selectedItems().isEmpty());

    press("按钮_45生成2");
    EXPECT_EQ(messages.seen.size(), 1u);
    EXPECT_EQ(window.scriptPane()->script(),
              "/ip upnp set allow-disable-external-interface=no enabled=yes show-dummy-rule=yes\r\n"
              "/ip upnp interfaces\r\n"
              "add disabled=no interface=lan type=internal\r\n"
              "add disabled=no interface=ether1 type=external\r\n"
              "add disabled=no interface=ether1 type=external");
}

TEST_F(FirewallPagesTest, ClearEmptiesTheBatchBoxAndAnEmptyBoxWritesNothing) {
    open(28, 6);
    auto* box = find<QPlainTextEdit>("编辑框_46ip地址列表");
    ASSERT_NE(box, nullptr);

    box->setPlainText(QStringLiteral("1.1.1.1\n\n 2.2.2.0/24 \n"));
    press("按钮_46生成脚本");
    EXPECT_EQ(window.scriptPane()->script(),
              "/ip firewall address-list add address=1.1.1.1 list=\"MavekList\" disabled=no\r\n"
              "/ip firewall address-list add address=2.2.2.0/24 list=\"MavekList\" disabled=no");

    press("按钮_46清空ip");
    EXPECT_TRUE(box->toPlainText().isEmpty());
    press("按钮_46生成脚本");  // an empty box leaves the pane as it was
    EXPECT_NE(window.scriptPane()->script().find("2.2.2.0/24"), std::string::npos);

    box->setPlainText(QStringLiteral("\n\n"));
    press("按钮_46生成脚本");  // only line breaks: nothing to write, and the pane says so by being empty
    EXPECT_EQ(window.scriptPane()->script(), "");
    EXPECT_TRUE(messages.seen.empty());
}

}  // namespace
}  // namespace vorlix
