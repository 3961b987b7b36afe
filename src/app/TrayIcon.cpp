#include "app/TrayIcon.hpp"

#include <QDesktopServices>
#include <QDir>
#include <QMenu>
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
    // The sizes rendered at build time from packaging/org.vorlix.Vorlix.svg, the same pictures the
    // desktop's icon theme gets; each file tells its own size.
    QIcon icon;
    const QDir sizes(QStringLiteral(":/icons"));
    for (const QString& size : sizes.entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        icon.addFile(sizes.filePath(size + QStringLiteral("/org.vorlix.Vorlix.png")));
    return icon;
}

}  // namespace vorlix
