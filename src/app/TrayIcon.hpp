#pragma once
// The notification-area icon with its menu "菜单".
#include <QSystemTrayIcon>

class QMenu;

namespace vorlix {

class TrayIcon : public QSystemTrayIcon {
    Q_OBJECT
public:
    explicit TrayIcon(QObject* parent = nullptr);
    ~TrayIcon() override;

    QMenu* menu() const { return m_menu; }

    // The program's icon, compiled in, so no image file travels with the program. main() makes it the
    // application's icon, which every window and the tray take; the pictures are decoded on first use.
    static QIcon programIcon();

Q_SIGNALS:
    // A left click or "显示主窗口".
    void showWindowRequested();
    // "退出": the window asks before anything ends.
    void quitRequested();

private:
    QMenu* m_menu;
};

}  // namespace vorlix
