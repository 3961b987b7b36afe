#include "app/TrayIcon.hpp"

#include <QDesktopServices>
#include <QMenu>
#include <QPainter>
#include <QPainterPath>
#include <QUrl>

#include "app/AppInfo.hpp"

namespace vorlix {

TrayIcon::TrayIcon(QObject* parent) : QSystemTrayIcon(programIcon(), parent), m_menu(new QMenu) {
    setToolTip(QStringLiteral("%1\n%2").arg(QLatin1String(kProductName), QLatin1String(kWebAddress)));
    m_menu->setObjectName(QStringLiteral("菜单"));
    m_menu->setTitle(QStringLiteral("菜单"));
    connect(m_menu->addAction(QStringLiteral("显示主窗口")), &QAction::triggered, this, &TrayIcon::showWindowRequested);
    m_menu->addSeparator();
    connect(m_menu->addAction(QStringLiteral("访问官网")), &QAction::triggered, this,
            [] { QDesktopServices::openUrl(QUrl(QLatin1String(kWebAddress))); });
    m_menu->addSeparator();
    connect(m_menu->addAction(QStringLiteral("退出")), &QAction::triggered, this, &TrayIcon::quitRequested);
    setContextMenu(m_menu);
    connect(this, &QSystemTrayIcon::activated, this, [this](ActivationReason reason) {
        if (reason == Trigger) Q_EMIT showWindowRequested();
    });
}

TrayIcon::~TrayIcon() {
    delete m_menu;  // a context menu is not owned by the icon
}

QIcon TrayIcon::programIcon() {
    // A blue tile with a white "V" whose arms end in two small dots: two lines meeting at one router.
    QIcon icon;
    for (const int size : {16, 32, 64}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(size / 64.0, size / 64.0);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x1f, 0x5f, 0xa8));
        p.drawRoundedRect(QRectF(2, 2, 60, 60), 12, 12);
        QPainterPath v;
        v.moveTo(15, 17);
        v.lineTo(32, 50);
        v.lineTo(49, 17);
        p.setPen(QPen(Qt::white, 8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(v);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xff, 0xc1, 0x07));
        p.drawEllipse(QPointF(15, 17), 6, 6);
        p.drawEllipse(QPointF(49, 17), 6, 6);
        p.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

}  // namespace vorlix
