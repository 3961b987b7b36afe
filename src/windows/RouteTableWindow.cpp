#include "windows/RouteTableWindow.hpp"

#include <QAbstractButton>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <array>

#include "app/PageView.hpp"
#include "app/ScriptPane.hpp"
#include "windows/core/RouteTable.hpp"

namespace vorlix {
namespace {

constexpr const char* kEditor = "编辑框_代码";
constexpr const char* kSaveButton = "按钮_另存为";
constexpr const char* kCopyButton = "按钮_复制内容";
constexpr const char* kScopeBox = "编辑框_6";

// The parameter pages: each group box of the form becomes a tab page, shown when its mode radio
// button is checked (by a click, or by a binding that switches the mode).
struct TabPage {
    const char* group;
    const char* caption;
    const char* mode;
};
constexpr std::array<TabPage, 3> kTabPages = {{
    {"分组框_route", "route", "单选框_route"},
    {"分组框_rule", "rule", "单选框_rule"},
    {"分组框_address", "address list", "单选框_address"},
}};

QString qs(const std::string& s) {
    return QString::fromStdString(s);
}

PageSpec withoutEditor(const PageSpec& spec) {
    PageSpec form = spec;
    std::erase_if(form.controls, [](const ControlSpec& c) {
        return c.name == kEditor || c.name == kSaveButton || c.name == kCopyButton;
    });
    return form;
}

QPushButton* namedButton(const PageSpec& spec, const char* name, QWidget* parent) {
    const ControlSpec* c = spec.find(name);
    auto* button = new QPushButton(c != nullptr ? qs(c->text) : QString(), parent);
    button->setObjectName(QString::fromUtf8(name));
    return button;
}

}  // namespace

RouteTableWindow::RouteTableWindow(QWidget* owner)
    : SideWindow(owner), m_formSpec(withoutEditor(route_table_window_spec())) {
    const PageSpec& spec = route_table_window_spec();
    setWindowTitle(qs(spec.caption));

    m_form = new PageView(PageEntry{&m_formSpec, route_table_window().bindings}, this);
    QTabWidget* tabs = createTabs();
    auto* left = new QVBoxLayout;
    left->addWidget(m_form);
    left->addWidget(tabs);
    left->addStretch(1);

    m_editor = new ScriptPane(this);
    if (const ControlSpec* welcome = spec.find(kEditor)) m_editor->setScript(welcome->text);
    connect(m_form, &PageView::scriptReady, m_editor,
            [this](const std::string& script) { m_editor->setScript(script); });
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    QPushButton* save = namedButton(spec, kSaveButton, this);
    connect(save, &QPushButton::clicked, m_editor, &ScriptPane::saveAs);
    buttons->addWidget(save);
    QPushButton* copy = namedButton(spec, kCopyButton, this);
    connect(copy, &QPushButton::clicked, m_editor, &ScriptPane::copyToClipboard);
    buttons->addWidget(copy);
    auto* right = new QVBoxLayout;
    right->addWidget(m_editor, 1);
    right->addLayout(buttons);

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 0);
    layout->addLayout(right, 1);

    // An emptied scope box shows the default again once the user leaves it.
    if (auto* scope = qobject_cast<QLineEdit*>(m_form->control(kScopeBox))) {
        connect(scope, &QLineEdit::editingFinished, scope,
                [scope] { scope->setText(qs(scope_after_edit(scope->text().toStdString()))); });
    }
    resize(960, 640);
}

QTabWidget* RouteTableWindow::createTabs() {
    auto* tabs = new QTabWidget(this);
    tabs->setObjectName(QStringLiteral("选择夹1"));
    for (const TabPage& page : kTabPages) {
        QWidget* box = m_form->control(page.group);
        if (box == nullptr) continue;
        const int index = tabs->addTab(box, QString::fromUtf8(page.caption));
        if (auto* mode = qobject_cast<QAbstractButton*>(m_form->control(page.mode))) {
            connect(mode, &QAbstractButton::toggled, tabs, [tabs, index](bool checked) {
                if (checked) tabs->setCurrentIndex(index);
            });
            if (mode->isChecked()) tabs->setCurrentIndex(index);
        }
    }
    return tabs;
}

}  // namespace vorlix
