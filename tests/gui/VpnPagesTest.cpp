// Pages PPTP and L2TP in the window: the route choice of the client group reaches its generator.
#include <gtest/gtest.h>

#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <algorithm>

#include "GuiTestSupport.hpp"
#include "app/PageView.hpp"
#include "generators/vpn/PptpL2tp.hpp"
#include "script/isp_lists.hpp"

namespace vorlix {
namespace {

TEST(VpnPages, ClientRouteChoiceReachesTheScript) {
    struct Case {
        PageEntry (*page)();
        const char *radio, *button, *client;
    };
    const Case cases[] = {
        {pptp_page, "单选框_51电信路由", "按钮_51生成3", "/interface pptp-client add "},
        {l2tp_page, "单选框_52网通路由", "按钮_52生成3", "/interface l2tp-client add "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.button);
        PageView view(c.page());
        view.resize(800, 700);
        view.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
        QSignalSpy scripts(&view, &PageView::scriptReady);
        QTest::mouseClick(view.control(c.button), Qt::LeftButton);  // the default route first
        QWidget* radio = view.control(c.radio);
        test::clickIndicator(radio);
        ASSERT_TRUE(qobject_cast<QRadioButton*>(radio)->isChecked());
        QTest::mouseClick(view.control(c.button), Qt::LeftButton);
        ASSERT_EQ(scripts.count(), 2);
        const std::string first = scripts.at(0).at(0).value<std::string>();
        const std::string routes = scripts.at(1).at(0).value<std::string>();
        EXPECT_TRUE(first.starts_with(c.client));
        EXPECT_TRUE(first.ends_with(" add-default-route=yes disabled=no"));
        EXPECT_TRUE(routes.starts_with(c.client));
        const std::size_t route_lines = static_cast<std::size_t>(std::count(routes.begin(), routes.end(), '\n')) + 1;
        const IspList secondary = std::string_view(c.radio).ends_with("电信路由") ? IspList::netcom : IspList::telecom;
        EXPECT_EQ(route_lines, isp_list_entries(secondary).size() + 3);
    }
}

}  // namespace
}  // namespace vorlix
