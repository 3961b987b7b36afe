#pragma once
// A working window beside the main window (subnet calculator, route-table generator, script editor):
// one page of the registry shown in a window of its own. It is built the first time its button is
// pressed, stands on its own (not modal, a top-level window with the main window as parent) and
// outlives its close box: closing it only hides it, and its button shows it again with everything the
// user typed and generated. Its presses write into its own editor, never into the main window's pane.
#include <QWidget>

#include "forms/page_entry.hpp"

namespace vorlix {

class LanguagePack;
class PageView;
class ScriptPane;

class SideWindow : public QWidget {
    Q_OBJECT
public:
    // `owner` is the main window: the side window ends with it and stays above it. With a language
    // pack, its page builds its labels and hints from the pack (see PageView).
    SideWindow(const PageEntry& entry, QWidget* owner, const LanguagePack* pack = nullptr);

    PageView* page() const { return m_page; }
    // The window's own editor, or null for a window without one.
    ScriptPane* editor() const;

    // Shows the window, restores it when minimised and brings it to the front.
    void present();

private:
    PageView* m_page = nullptr;
};

}  // namespace vorlix
