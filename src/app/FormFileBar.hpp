#pragma once
// "保存表单" and "载入表单" for the page the window shows: keep a page's set-up in a form file, and
// bring it back later (or hand it to `vorlix-cli generate --form`).
#include <QWidget>
#include <functional>

class QToolButton;

namespace vorlix {

class PageView;

class FormFileBar : public QWidget {
    Q_OBJECT
public:
    // `currentPage` names the page the buttons act on; null while the window shows no built page.
    explicit FormFileBar(std::function<PageView*()> currentPage, QWidget* parent = nullptr);

    // Greys the buttons out while there is no page to act on; call it when the shown page changes.
    void refresh();

    // What the buttons do: ask for a file, then save or load, and say what went wrong.
    void saveCurrentPage();
    void loadIntoCurrentPage();

private:
    std::function<PageView*()> m_currentPage;
    QToolButton* m_save = nullptr;
    QToolButton* m_load = nullptr;
};

}  // namespace vorlix
