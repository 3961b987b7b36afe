#pragma once
#include <QWidget>

namespace vorlix {

// Shows a top-level window, restores it when minimised and brings it to the front.
inline void bringToFront(QWidget* window) {
    if (window->isMinimized()) window->showNormal();
    window->show();
    window->raise();
    window->activateWindow();
}

}  // namespace vorlix
