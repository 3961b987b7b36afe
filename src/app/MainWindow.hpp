#pragma once
// The main window: the navigation tree, the two levels of page tabs inside the frame, the script
// pane with its actions, and the version line.
#include <QMainWindow>
#include <QPointer>
#include <QStringList>
#include <map>
#include <string>
#include <vector>

#include "forms/language_pack.hpp"
#include "windows/SideWindow.hpp"

class QGroupBox;
class QPushButton;
class QSplitter;
class QTabWidget;
class QTreeWidget;
class QTreeWidgetItem;

namespace vorlix {

class FormFileBar;
class PageView;
class ScriptPane;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);

    // Selects item `index` of the navigation tree, as a click on it does.
    void selectTreeItem(int index);
    // Shows page `inner` of outer tab `outer`: by its tree item where it has one, else as a click on its
    // tab (an entry of an area's index does this).
    void showPage(int outer, int inner);
    ScriptPane* scriptPane() const { return m_scriptPane; }
    // The page at (outer, inner) once it has been shown, else null.
    PageView* pageView(int outer, int inner) const;
    // The page the frame shows now, or null for a page that is not built yet.
    PageView* currentPageView() const;
    // "保存表单" and "载入表单", beside the outer tabs; they act on the current page.
    FormFileBar* formFileBar() const { return m_formBar; }

    // The captions of the side windows the main window opens.
    static QStringList sideWindowCaptions();
    // The side window with that caption, built now if its button has not been pressed yet, but not
    // shown; null for a caption no side window has.
    SideWindow* sideWindow(const QString& caption);
    // What a side window's button does: build it if need be, then show it as it was left.
    void openSideWindow(const QString& caption);

    // The window's size and place and the split between the page area and the script pane, kept in
    // `file` (by default "window.state" in the data directory) from one run to the next. Restoring
    // from a file that is missing or damaged leaves the window as it starts and says false; saving
    // replaces the file whole or not at all and returns why it failed, or "".
    static QString stateFile();
    bool restoreState(const QString& file = stateFile());
    QString saveState(const QString& file = stateFile()) const;
    QSplitter* splitter() const { return m_splitter; }

    // Shows the window, restores it when minimised and brings it to the front.
    void bringToFront();
    // Asks "是否退出...?" and ends the program on Yes.
    void requestQuit();
    // Whether this run shows the Traditional interface.
    bool traditional() const { return m_traditional; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    bool confirmExit();
    // 按钮_语言: store the other language, say so, and end the program.
    void switchLanguage();
    // 按钮1 (hidden): write the language packs into "data" beside the program.
    void exportLanguagePacks();
    void navigate(int index);
    void ensurePage(int outer, int inner);
    QWidget* createPageArea();
    QWidget* createToolRow();
    QWidget* createBottomRow();
    // A button of the main window that opens the side window its page names, greyed out when none does.
    QPushButton* sideWindowButton(std::string_view name, QWidget* parent);

    QTreeWidget* m_tree = nullptr;
    QSplitter* m_splitter = nullptr;
    QGroupBox* m_frame = nullptr;
    QTabWidget* m_outerTabs = nullptr;
    std::vector<QTabWidget*> m_innerTabs;
    // Per inner tab: the holder the page goes into (empty until the page is first shown), and the page
    // once built.
    std::vector<std::vector<QWidget*>> m_holders;
    std::vector<std::vector<PageView*>> m_pages;
    ScriptPane* m_scriptPane = nullptr;
    FormFileBar* m_formBar = nullptr;
    // The side windows built so far, by caption.
    std::map<QString, QPointer<SideWindow>> m_sideWindows;
    bool m_exitConfirmed = false;
    bool m_traditional = false;
    LanguagePack m_pack;  // the main window's, in the Traditional interface
};

}  // namespace vorlix
