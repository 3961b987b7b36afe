#pragma once
// The working windows beside the main window (subnet calculator, route-table generator, script
// editor). Each one is built the first time its button is pressed, stands on its own (not modal, a
// top-level window of its own with the main window as parent) and outlives its close box: closing
// it only hides it, and its button shows it again with everything the user typed and generated.
#include <QPointer>
#include <QWidget>

namespace vorlix {

class SideWindow : public QWidget {
    Q_OBJECT
public:
    // `owner` is the main window: the side window ends with it and stays above it.
    explicit SideWindow(QWidget* owner);

    // Shows the window, restores it when minimised and brings it to the front.
    void present();
};

// One side window of the main window, built on first use.
template <typename W>
class SideWindowSlot {
public:
    explicit SideWindowSlot(QWidget* owner) : m_owner(owner) {}

    // The window, built now if it does not exist yet; not shown.
    W* window() {
        if (m_window.isNull()) m_window = new W(m_owner);
        return m_window;
    }
    // The window if it has been built, else null.
    W* built() const { return m_window; }
    // What its button does: build it if need be, then show it as it was left.
    W* open() {
        W* w = window();
        w->present();
        return w;
    }

private:
    QWidget* m_owner;
    QPointer<W> m_window;
};

}  // namespace vorlix
