#pragma once
// The widgets of one page, built from its PageSpec. Every widget carries its control name as
// objectName. The view maps the widgets to a Form and back and runs the page's bindings; it knows
// nothing about what the page generates.
#include <QWidget>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "forms/registry.hpp"
#include "script/random.hpp"

class QButtonGroup;
class QFormLayout;

namespace vorlix {

class PageView : public QWidget {
    Q_OBJECT
public:
    // A page of the registry: its buttons run the bindings registered for it.
    explicit PageView(const PageSpec& spec, QWidget* parent = nullptr);
    // A page with the given bindings.
    explicit PageView(const PageEntry& entry, QWidget* parent = nullptr);

    const PageSpec& spec() const { return m_spec; }
    // The widget of a control, or null.
    QWidget* control(std::string_view name) const;

    // The values the widgets show now.
    Form collect() const;
    // Sets controls as a binding asks: edits and combos take the text, a drop-down list the index,
    // check boxes and radio buttons the checked state, a line list its rows and selected row; an
    // update that says so also makes its control usable or greys it out.
    void apply(const std::vector<ControlUpdate>& updates);

Q_SIGNALS:
    // A binding produced a script for the window's editor.
    void scriptReady(const std::string& utf8);

private:
    void build();
    QWidget* createWidget(const ControlSpec& c);
    QLayout* createRow(const std::vector<const ControlSpec*>& row);
    void fillContainer(QFormLayout* layout, std::string_view group);
    // Runs what the page binds to a control: a button pressed, a check box or radio button clicked,
    // a line list's row selected by the user.
    void runBindingsOf(std::string_view control);
    void run(const ButtonBinding& binding);
    void deliver(const Outcome& outcome);

    const PageSpec& m_spec;
    std::vector<ButtonBinding> m_bindings;
    SeededRandom m_random;  // seeded by the operating system: generated names and passwords
    std::map<std::string, QWidget*, std::less<>> m_controls;
    std::map<std::string, QButtonGroup*, std::less<>> m_radioSets;
    bool m_applying = false;
};

}  // namespace vorlix
