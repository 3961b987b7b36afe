#include "windows/SideWindow.hpp"

namespace vorlix {

SideWindow::SideWindow(QWidget* owner) : QWidget(owner, Qt::Window) {
    setWindowModality(Qt::NonModal);
    // A closed window that is not deleted on close is only hidden: the close box keeps the window,
    // and with it what the user entered, for the next press of its button.
    setAttribute(Qt::WA_DeleteOnClose, false);
}

void SideWindow::present() {
    if (isMinimized()) showNormal();
    show();
    raise();
    activateWindow();
}

}  // namespace vorlix
