// How pages are laid out: one label column per page, fields sized by what they hold, button grids,
// and the pages with a list of lines at the main window's default size.
#include <gtest/gtest.h>

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QTest>
#include <QTreeWidget>
#include <algorithm>

#include "GuiTestSupport.hpp"
#include "app/MainWindow.hpp"
#include "app/PageView.hpp"
#include "app/QtText.hpp"
#include "forms/registry.hpp"
#include "generators/all_pages.hpp"

namespace vorlix {
namespace {

using test::centreY;
using test::labelFor;
using test::leftX;

const PageSpec& twoBoxes() {
    static const PageSpec kPage{
        .caption = "布局",
        .window = "布局",
        .controls = {
            group_box("分组框_甲", "甲"),
            edit("编辑框_短", "名:", "x").in("分组框_甲"),
            edit("编辑框_掩码", "掩码长度:", "24").typed(ValueType::prefix).in("分组框_甲"),
            group_box("分组框_乙", "乙"),
            edit("编辑框_地址", "网关地址:", "192.168.0.1").typed(ValueType::ipv4).in("分组框_乙"),
            editable_combo("组合框_网卡", "(多个服务器请勿重复)  拨号网卡接口:", {"ether1"}, "ether1")
                .typed(ValueType::interface_name)
                .in("分组框_乙")
                .hinted("(提示)"),
            edit("编辑框_备注", "备注:", "").in("分组框_乙"),
            group_box("分组框_命令", "命令"),
            button("按钮_一", "看").in("分组框_命令"),
            button("按钮_二", "查看系统日志").in("分组框_命令").beside(),
            button("按钮_三", "重启路由器").in("分组框_命令").warns(),
            button("按钮_四", "关").in("分组框_命令").beside(),
        }};
    return kPage;
}

TEST(PageLayout, FieldsOfEveryBoxStartInOneColumnAndFitWhatTheyHold) {
    PageView view(PageEntry{&twoBoxes(), {}});
    view.resize(760, 500);
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    const auto field = [&](const char* name) { return view.control(name); };

    // The fields of both boxes start at one x, whatever the length of their labels.
    const int column = leftX(field("编辑框_短"), &view);
    for (const char* name : {"编辑框_掩码", "编辑框_地址", "组合框_网卡", "编辑框_备注"}) {
        SCOPED_TRACE(name);
        EXPECT_EQ(leftX(field(name), &view), column);
    }
    // A label too long for the column loses its qualifier to a hint after the field (the page's own
    // hint follows it) and keeps its whole text as a tooltip.
    QLabel* label = labelFor(&view, field("组合框_网卡"));
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->text(), QStringLiteral("拨号网卡接口:"));
    EXPECT_EQ(label->toolTip(), qs("(多个服务器请勿重复)  拨号网卡接口:"));
    const auto hints = view.findChildren<QLabel*>();
    const auto hint = std::find_if(hints.begin(), hints.end(), [](const QLabel* l) {
        return l->text() == QStringLiteral("(多个服务器请勿重复) (提示)");
    });
    ASSERT_NE(hint, hints.end());
    EXPECT_EQ(centreY(*hint, &view), centreY(field("组合框_网卡"), &view));
    EXPECT_GT(leftX(*hint, &view), leftX(field("组合框_网卡"), &view));

    // Widths by what a box holds: a prefix length is narrow, an address shows fifteen characters, free
    // text takes more than an address.
    auto* prefix = qobject_cast<QLineEdit*>(field("编辑框_掩码"));
    auto* address = qobject_cast<QLineEdit*>(field("编辑框_地址"));
    const int digit = address->fontMetrics().horizontalAdvance(QLatin1Char('0'));
    EXPECT_LT(prefix->width(), 6 * digit);
    EXPECT_GE(address->width(), address->fontMetrics().horizontalAdvance(QStringLiteral("255.255.255.255")));
    EXPECT_LT(address->width(), 22 * digit);
    EXPECT_GT(field("编辑框_备注")->width(), address->width());

    // Group box titles are bold; what the boxes hold is not.
    EXPECT_TRUE(qobject_cast<QGroupBox*>(field("分组框_甲"))->font().bold());
    EXPECT_FALSE(field("编辑框_短")->font().bold());
    EXPECT_FALSE(label->font().bold());

    // A box of buttons is a grid: the cells of a column line up, whatever the captions; a button that
    // changes the router carries a warning.
    EXPECT_EQ(leftX(field("按钮_二"), &view), leftX(field("按钮_四"), &view));
    EXPECT_EQ(field("按钮_一")->width(), field("按钮_三")->width());
    EXPECT_FALSE(qobject_cast<QPushButton*>(field("按钮_三"))->icon().isNull());
    EXPECT_TRUE(qobject_cast<QPushButton*>(field("按钮_一"))->icon().isNull());
}

// Every page of the main window with a list of lines, at the window's default size: the inputs of a
// line sit in one row band with their buttons after them, the list shows five lines without scrolling
// its own rows, and the generate buttons come after the list and show without scrolling the page.
TEST(PageLayout, LineListPagesShowFiveLinesAndGenerateAfterTheList) {
    MainWindow window;
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const auto& tree = registry().tree();
    int pages = 0;
    for (std::size_t i = 0; i < tree.size(); ++i) {
        const PageEntry* entry = registry().page_at(tree[i].outer, tree[i].inner);
        if (entry == nullptr) continue;
        const auto list_spec = std::find_if(entry->spec->controls.begin(), entry->spec->controls.end(),
                                            [](const ControlSpec& c) { return c.kind == ControlKind::line_list; });
        if (list_spec == entry->spec->controls.end()) continue;
        SCOPED_TRACE(entry->spec->caption);
        ++pages;
        window.selectTreeItem(static_cast<int>(i));
        PageView* view = window.currentPageView();
        ASSERT_NE(view, nullptr);
        auto* list = qobject_cast<QTreeWidget*>(view->control(list_spec->name));
        ASSERT_NE(list, nullptr);

        Rows rows(6, Row(list_spec->columns.size(), "x"));
        view->apply({{list_spec->name, {.rows = rows}}});
        QApplication::processEvents();
        const QRect fifth = list->visualItemRect(list->topLevelItem(4));
        EXPECT_FALSE(fifth.isEmpty());
        EXPECT_LE(fifth.bottom(), list->viewport()->height());

        // The inputs above the list and their buttons: each below the previous row or right of it.
        const int listTop = list->mapTo(view, QPoint(0, 0)).y();
        QWidget* previous = nullptr;
        for (const ControlSpec& c : entry->spec->controls) {
            if (c.group != list_spec->group || &c >= &*list_spec) continue;
            QWidget* w = view->control(c.name);
            ASSERT_NE(w, nullptr);
            EXPECT_LT(w->mapTo(view, QPoint(0, 0)).y(), listTop);
            if (previous != nullptr && centreY(w, view) == centreY(previous, view)) {
                EXPECT_GT(leftX(w, view), leftX(previous, view));
            } else if (previous != nullptr) {
                EXPECT_GT(centreY(w, view), centreY(previous, view));
            }
            previous = w;
        }
        // ...and are on screen without scrolling the page.
        QWidget* viewport = view->parentWidget();
        while (viewport != nullptr && qobject_cast<QScrollArea*>(viewport->parentWidget()) == nullptr)
            viewport = viewport->parentWidget();
        ASSERT_NE(viewport, nullptr);
        const int listBottom = listTop + list->height();
        for (const Binding& b : entry->bindings) {
            if (b.kind != BindingKind::generate) continue;
            SCOPED_TRACE(b.control);
            const QWidget* generate = view->control(b.control);
            EXPECT_GT(generate->mapTo(view, QPoint(0, 0)).y(), listBottom);
            EXPECT_LE(generate->mapTo(viewport, QPoint(0, generate->height())).y(), viewport->height());
        }
    }
    EXPECT_GE(pages, 6);
}

}  // namespace
}  // namespace vorlix
