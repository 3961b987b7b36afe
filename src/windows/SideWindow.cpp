#include "windows/SideWindow.hpp"

#include <QVBoxLayout>

#include "app/BringToFront.hpp"
#include "app/FormFileBar.hpp"
#include "app/PageView.hpp"
#include "app/QtText.hpp"

namespace vorlix {

SideWindow::SideWindow(const PageEntry& entry, QWidget* owner, const LanguagePack* pack) : QWidget(owner, Qt::Window) {
    setObjectName(qs(entry.spec->window));
    setWindowTitle(qs(entry.spec->caption));
    setWindowModality(Qt::NonModal);
    // A closed window that is not deleted on close is only hidden: the close box keeps the window,
    // and with it what the user entered, for the next press of its button.
    setAttribute(Qt::WA_DeleteOnClose, false);
    auto* layout = new QVBoxLayout(this);
    m_page = new PageView(entry, this, pack);
    // Its set-up can be kept in a form file like a page's; the buttons sit above it, on the right.
    auto* forms = new FormFileBar([this] { return m_page; }, this);
    layout->addWidget(forms, 0, Qt::AlignRight);
    layout->addWidget(m_page);
    if (entry.spec->width > 0 && entry.spec->height > 0) resize(entry.spec->width, entry.spec->height);
}

ScriptPane* SideWindow::editor() const {
    return m_page->editor();
}

void SideWindow::present() {
    bringToFront(this);
}

}  // namespace vorlix
