#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSlider>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include "SideWindowFixture.hpp"
#include "app/FormFiles.hpp"
#include "app/MainWindow.hpp"
#include "app/PageView.hpp"
#include "app/QtText.hpp"
#include "app/ScriptPane.hpp"
#include "windows/SideWindow.hpp"
#include "windows/core/SubnetCalculator.hpp"

namespace vorlix {
namespace {

class SubnetCalculatorWindowTest : public test::SideWindowFixture {
protected:
    SubnetCalculatorWindowTest() : SideWindowFixture("按钮_子网计算工具", kSubnetCalculatorWindow) {}
    QString shown(const char* label) { return find<QLabel>(label)->text(); }
    // Types into a box as a user does: select what it holds, then one key per character.
    void type(const char* box, const QString& text) {
        auto* edit = find<QLineEdit>(box);
        edit->setFocus();
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(edit, text);
    }
};

TEST_F(SubnetCalculatorWindowTest, EveryKeyAndEverySliderMoveShowsTheResultAtOnce) {
    EXPECT_EQ(w->windowTitle(), QStringLiteral("子网计算工具"));
    EXPECT_EQ(shown("标签_网络掩码十进制"), QStringLiteral("128.0.0.0"));
    EXPECT_EQ(shown("标签_可用地址2"), QStringLiteral("127.255.255.254"));
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w));

    // Each character counts as it is typed.
    auto* first = find<QLineEdit>("编辑框_ip1");
    first->setFocus();
    QTest::keyClick(first, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(first, Qt::Key_1);
    EXPECT_EQ(shown("标签_主机地址21"), QStringLiteral("00000001"));
    QTest::keyClicks(first, QStringLiteral("92"));
    EXPECT_EQ(shown("标签_主机地址21"), QStringLiteral("11000000"));
    type("编辑框_ip2", QStringLiteral("168"));
    type("编辑框_ip3", QStringLiteral("1"));
    type("编辑框_ip4", QStringLiteral("10"));

    auto* slider = find<QSlider>("横向滚动条");
    EXPECT_EQ(slider->minimum(), 1);  // no /0
    EXPECT_EQ(slider->maximum(), 32);
    slider->setValue(23);
    slider->setFocus();
    QTest::keyClick(slider, Qt::Key_Right);  // to 24
    EXPECT_EQ(shown("标签_位数"), QStringLiteral("24"));
    EXPECT_EQ(shown("标签_网络掩码十进制"), QStringLiteral("255.255.255.0"));
    EXPECT_EQ(shown("标签_子网地址十进制"), QStringLiteral("192.168.1.0"));
    EXPECT_EQ(shown("标签_广播地址十进制"), QStringLiteral("192.168.1.255"));
    EXPECT_EQ(shown("标签_可用地址1"), QStringLiteral("192.168.1.1"));
    EXPECT_EQ(shown("标签_可用地址2"), QStringLiteral("192.168.1.254"));
    EXPECT_EQ(shown("标签_网络掩码24"), QStringLiteral("00000000"));
    EXPECT_EQ(shown("标签_广播地址24"), QStringLiteral("11111111"));

    // An octet typed beyond 255 becomes 255 in its box, and the caret stays where typing goes on.
    type("编辑框_ip4", QStringLiteral("300"));
    EXPECT_EQ(find<QLineEdit>("编辑框_ip4")->text(), QStringLiteral("255"));
    EXPECT_EQ(shown("标签_主机地址24"), QStringLiteral("11111111"));
    slider->setValue(32);
    EXPECT_EQ(shown("标签_可用地址1"), QStringLiteral("192.168.1.255"));
    EXPECT_EQ(shown("标签_可用地址2"), QStringLiteral("192.168.1.255"));
    EXPECT_EQ(mainWindow.scriptPane()->script(), welcome);

    // Closing only hides it; its button brings back the same window as it was left.
    EXPECT_TRUE(w->close());
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(open(), w);
    EXPECT_EQ(find<QSlider>("横向滚动条")->value(), 32);
    EXPECT_EQ(find<QLineEdit>("编辑框_ip1")->text(), QStringLiteral("192"));
    EXPECT_EQ(shown("标签_子网地址十进制"), QStringLiteral("192.168.1.255"));
    EXPECT_EQ(mainWindow.findChildren<SideWindow*>().size(), 1);
}

// A form file loaded into the window gives the results of its values, as typing them would.
TEST_F(SubnetCalculatorWindowTest, ALoadedFormFileShowsItsResults) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    type("编辑框_ip1", QStringLiteral("192"));
    type("编辑框_ip2", QStringLiteral("168"));
    find<QSlider>("横向滚动条")->setValue(24);
    const QString file = dir.filePath(QStringLiteral("calc.json"));
    ASSERT_EQ(saveForm(*w->page(), file), QString());
    type("编辑框_ip1", QStringLiteral("10"));
    find<QSlider>("横向滚动条")->setValue(8);
    ASSERT_EQ(shown("标签_网络掩码十进制"), QStringLiteral("255.0.0.0"));

    ASSERT_EQ(loadForm(*w->page(), file).error, QString());
    EXPECT_EQ(find<QLineEdit>("编辑框_ip1")->text(), QStringLiteral("192"));
    EXPECT_EQ(shown("标签_网络掩码十进制"), QStringLiteral("255.255.255.0"));
    EXPECT_EQ(shown("标签_主机地址21"), QStringLiteral("11000000"));
}

TEST_F(SubnetCalculatorWindowTest, TheSplitListsEachSubnetsHosts) {
    auto* tabs = find<QTabWidget>("选择夹1");
    ASSERT_EQ(tabs->count(), 2);
    EXPECT_EQ(tabs->tabText(0), QStringLiteral("主机IP→本子网IP"));
    EXPECT_EQ(tabs->tabText(1), QStringLiteral("网络IP→各子网IP"));
    tabs->setCurrentIndex(1);
    EXPECT_FALSE(find("编辑框_ip6")->isEnabled());

    type("编辑框_ip5", QStringLiteral("10"));
    find<QComboBox>("组合框_子网数量")->setCurrentIndex(8);
    EXPECT_EQ(shown("标签_子网掩码"), QStringLiteral("255.0.0.0"));  // nothing until the button
    QTest::mouseClick(find("按钮_计算"), Qt::LeftButton);
    EXPECT_EQ(shown("标签_子网掩码"), QStringLiteral("255.255.0.0"));
    EXPECT_EQ(shown("标签_主机数"), QStringLiteral("65534"));
    const QString list = find<QPlainTextEdit>("编辑框_内容")->toPlainText();
    EXPECT_EQ(list.count(QLatin1Char('\n')), 256);
    EXPECT_TRUE(list.endsWith(QStringLiteral("\n256)  10.255.0.1 -- 10.255.255.254")));

    // Letters read as 0, in the list too.
    type("编辑框_ip5", QStringLiteral("abc"));
    find<QComboBox>("组合框_子网数量")->setCurrentIndex(0);
    QTest::mouseClick(find("按钮_计算"), Qt::LeftButton);
    EXPECT_EQ(find<QPlainTextEdit>("编辑框_内容")->toPlainText(),
              QStringLiteral("你输入的网络地址为：0.0.0.0，各子网IP范围如下所示：\n1)  0.0.0.1 -- 0.255.255.254"));
}

}  // namespace
}  // namespace vorlix
