#include <gtest/gtest.h>

#include <QImage>
#include <QMenu>
#include <QSignalSpy>
#include <algorithm>

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

// The icon compiled into the program is the drawn one, at every size the desktop gets: a transparent
// corner, the blue tile, and a yellow line end at the top left of the V.
TEST(TrayIcon, ProgramIconIsTheDrawnIconAtEverySize) {
    const QIcon icon = TrayIcon::programIcon();
    QList<int> sizes;
    for (const QSize& s : icon.availableSizes()) {
        EXPECT_EQ(s.width(), s.height());
        sizes << s.width();
    }
    std::sort(sizes.begin(), sizes.end());
    EXPECT_EQ(sizes, (QList<int>{16, 24, 32, 48, 64, 128, 256}));

    const QImage image = icon.pixmap(QSize(64, 64)).toImage();
    ASSERT_EQ(image.size(), QSize(64, 64));
    EXPECT_EQ(image.pixelColor(0, 0).alpha(), 0);
    const QColor tile = image.pixelColor(32, 58);
    EXPECT_GT(tile.blue(), 120);
    EXPECT_LT(tile.red(), 60);
    const QColor lineEnd = image.pixelColor(15, 17);
    EXPECT_GT(lineEnd.red(), 230);
    EXPECT_GT(lineEnd.green(), 170);
    EXPECT_LT(lineEnd.blue(), 60);
}

// Pictures are decoded when asked for: a size between two files comes from the larger one scaled
// down, a size above the largest is not blown up, and a disabled picture differs from the normal one.
TEST(TrayIcon, ProgramIconPicksAndScalesTheNearestPicture) {
    const QIcon icon = TrayIcon::programIcon();
    EXPECT_EQ(icon.actualSize(QSize(20, 20)), QSize(20, 20));
    EXPECT_EQ(icon.actualSize(QSize(512, 512)), QSize(256, 256));
    EXPECT_EQ(icon.actualSize(QSize(40, 20)), QSize(20, 20));
    EXPECT_EQ(icon.pixmap(QSize(20, 20)).size(), QSize(20, 20));
    EXPECT_EQ(icon.pixmap(QSize(512, 512)).size(), QSize(256, 256));
    const QImage normal = icon.pixmap(QSize(32, 32)).toImage();
    const QImage disabled = icon.pixmap(QSize(32, 32), QIcon::Disabled).toImage();
    ASSERT_EQ(disabled.size(), QSize(32, 32));
    EXPECT_NE(normal, disabled);
}

}  // namespace
}  // namespace vorlix
