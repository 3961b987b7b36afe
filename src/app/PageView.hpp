#pragma once
// The widgets of one page (or side window), built from its PageSpec. Every widget carries its control
// name as objectName. The view maps the widgets to a Form and back and hands each press to the one
// definition of a press (forms/press.hpp); it knows nothing about what the page generates.
#include <QWidget>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "forms/page_entry.hpp"
#include "script/random.hpp"

class QButtonGroup;
class QFormLayout;
class QLabel;
class QTabWidget;

namespace vorlix {

class LanguagePack;
class ScriptPane;

class PageView : public QWidget {
    Q_OBJECT
public:
    // With a language pack, the row labels and hints are built from its texts, so that the label
    // column and a long label's shortening measure what is shown; the pack's other texts (captions,
    // edit contents) are applied afterwards with applyLanguagePack.
    explicit PageView(const PageEntry& entry, QWidget* parent = nullptr, const LanguagePack* pack = nullptr);

    const PageSpec& spec() const { return *m_entry.spec; }
    const PageEntry& entry() const { return m_entry; }
    // The widget of a control, or null.
    QWidget* control(std::string_view name) const;
    // The page's own editor, where its presses put their scripts; null for a page without one.
    ScriptPane* editor() const { return m_editor; }

    // The values the widgets show now.
    Form collect() const;
    // Sets controls as a binding asks: edits, combos and editors take the text, a drop-down list the
    // index, check boxes and radio buttons the checked state, a line list or list box its rows and
    // selected row; an update that says so also makes its control usable or greys it out.
    void apply(const std::vector<ControlUpdate>& updates);

Q_SIGNALS:
    // A press produced a script, and the page has no editor of its own: the window's editor takes it.
    void scriptReady(const std::string& utf8);
    // After a press, what it left in the window's editor: the script's length, or why there is none.
    void statusReady(const QString& text);

private:
    void build();
    // A control's row label and hint as the page shows them: the pack's text where it has one.
    QString shownLabel(const ControlSpec& c) const;
    QString shownHint(const ControlSpec& c) const;
    QWidget* createWidget(const ControlSpec& c);
    QLayout* createRow(const std::vector<const ControlSpec*>& row, const QString& qualifier = {});
    void fillContainer(QFormLayout* layout, std::string_view group);
    void addBoxes(QFormLayout* layout, const std::vector<const ControlSpec*>& row);
    QWidget* lineInputs(const std::vector<std::vector<const ControlSpec*>>& rows);
    bool isGenerateRow(const std::vector<const ControlSpec*>& row) const;
    void alignLabels();
    void connectTabs();
    void connectCollapses();
    void connectUnmasking();
    bool holdsGrowing(std::string_view box) const;
    void runEditorCommand(ScriptPane* pane, EditorCommand command, const QString& caption);
    // Runs what the page binds to a control: a button pressed, a check box or radio button clicked,
    // a line list's row selected by the user, an edit box left.
    void press(std::string_view control);
    void deliver(const Outcome& outcome);
    void reportStatus(const QString& text);

    PageEntry m_entry;
    const LanguagePack* m_pack = nullptr;  // only while the page is built
    SeededRandom m_random;                 // seeded by the operating system: generated names and passwords
    std::map<std::string, QWidget*, std::less<>> m_controls;
    std::map<std::string, QButtonGroup*, std::less<>> m_radioSets;
    std::map<std::string, QTabWidget*, std::less<>> m_tabSets;
    ScriptPane* m_editor = nullptr;
    bool m_applying = false;
    // The labels in front of the rows, which share one column width across the page.
    std::vector<QLabel*> m_gridLabels;
    int m_labelCap = 0;  // the widest those labels get before they wrap
    // The line list of the page (if any) and the rows of generate buttons that wait to be laid out
    // after it: a page with a list of lines reads settings, lines, then the buttons that use both.
    const ControlSpec* m_lineList = nullptr;
    std::vector<std::vector<const ControlSpec*>> m_generateRows;
    // Panels beside an editor's panel, held to their least width once the page is built.
    std::vector<QWidget*> m_narrowPanels;
};

}  // namespace vorlix
