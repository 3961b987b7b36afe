#pragma once
// The route-table generator window: the carrier and mode choice and the three parameter pages as a
// form, and an editor of its own that takes what its buttons produce. The main script pane is never
// touched from here.
#include "forms/page_spec.hpp"
#include "windows/SideWindow.hpp"

class QTabWidget;

namespace vorlix {

class PageView;
class ScriptPane;

class RouteTableWindow : public SideWindow {
    Q_OBJECT
public:
    explicit RouteTableWindow(QWidget* owner);

    // The window's own editor (the control 编辑框_代码 of this window).
    ScriptPane* editor() const { return m_editor; }
    // The form: carriers, modes and the parameter pages.
    PageView* form() const { return m_form; }

private:
    QTabWidget* createTabs();

    // The window's controls without the editor and its two buttons, which the window builds itself
    // with the file actions of a script pane.
    PageSpec m_formSpec;
    PageView* m_form = nullptr;
    ScriptPane* m_editor = nullptr;
};

}  // namespace vorlix
