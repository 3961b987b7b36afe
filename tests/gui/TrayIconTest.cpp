#include <gtest/gtest.h>

#include <QMenu>
#include <QSignalSpy>

#include "app/TrayIcon.hpp"

namespace vorlix {
namespace {

TEST(TrayIcon, MenuAndToolTip) {
    TrayIcon tray;
    EXPECT_EQ(tray.toolTip(), QStringLiteral("Vorlix 5.X/6.X\nhttps://vorlix.org"));
    EXPECT_FALSE(tray.icon().isNull());
    EXPECT_EQ(tray.menu()->title(), QStringLiteral("菜单"));
    QStringList entries;
    for (const QAction* a : tray.menu()->actions()) entries << (a->isSeparator() ? QStringLiteral("-") : a->text());
    EXPECT_EQ(entries, (QStringList{"显示主窗口", "-", "访问官网", "-", "退出"}));

    QSignalSpy show(&tray, &TrayIcon::showWindowRequested);
    QSignalSpy quit(&tray, &TrayIcon::quitRequested);
    tray.menu()->actions().at(0)->trigger();
    Q_EMIT tray.activated(QSystemTrayIcon::Trigger);  // a left click
    tray.menu()->actions().at(4)->trigger();
    EXPECT_EQ(show.count(), 2);
    EXPECT_EQ(quit.count(), 1);
}

}  // namespace
}  // namespace vorlix
