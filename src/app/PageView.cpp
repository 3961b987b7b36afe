#include "app/PageView.hpp"

#include <QButtonGroup>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDesktopServices>
#include <QFormLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QStyle>
#include <QTabWidget>
#include <QTreeWidget>
#include <QUrl>
#include <QVBoxLayout>
#include <algorithm>
#include <exception>
#include <utility>

#include "app/Language.hpp"
#include "app/MessageBox.hpp"
#include "app/QtText.hpp"
#include "app/ScriptPane.hpp"
#include "forms/control_kind.hpp"
#include "forms/data_dir.hpp"
#include "forms/press.hpp"

namespace vorlix {
namespace {

// Controls that take the whole width of their row instead of sitting in the field column.
bool spansRow(ControlKind kind) {
    return kind == ControlKind::label || kind == ControlKind::hyperlink || kind == ControlKind::multi_line_edit ||
           kind == ControlKind::line_list || kind == ControlKind::editor || kind == ControlKind::list_box ||
           kind == ControlKind::slider;
}

bool growsDown(ControlKind kind) {
    return kind == ControlKind::multi_line_edit || kind == ControlKind::line_list || kind == ControlKind::editor;
}

// Group boxes and panels hold other controls and sit side by side in their row.
bool isBox(ControlKind kind) {
    return kind == ControlKind::group_box || kind == ControlKind::panel;
}

// A caption as buttons and boxes show it: a single '&' would be taken for a shortcut marker and vanish.
QString shownCaption(const QString& text) {
    QString shown = text;
    return shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
}

QLabel* textLabel(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    return label;
}

// A default longer than an edit box's usual width (an address range) is shown whole, up to a width
// that keeps the page from growing wide for a long text.
void fitText(QLineEdit* edit) {
    const QFontMetrics metrics = edit->fontMetrics();
    const int frame = 2 * edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, edit);
    const int textWidth = metrics.horizontalAdvance(edit->text() + QLatin1Char('x'));
    const int needed = std::min(textWidth, metrics.horizontalAdvance(QLatin1Char('x')) * 40) + frame + 4;
    if (needed > edit->sizeHint().width()) edit->setMinimumWidth(needed);
}

void setRows(QTreeWidget* list, const Rows& rows, int selected) {
    list->clear();
    QList<QTreeWidgetItem*> items;
    items.reserve(static_cast<qsizetype>(rows.size()));
    for (const Row& row : rows) {
        auto* item = new QTreeWidgetItem;
        for (std::size_t i = 0; i < row.size(); ++i) item->setText(static_cast<int>(i), qs(row[i]));
        items.append(item);
    }
    list->addTopLevelItems(items);
    // The set widths are where a column starts; it widens to show its longest cell whole, with a
    // gap before the next column.
    constexpr int kGap = 8;
    for (int column = 0; column + 1 < list->columnCount(); ++column) {
        const int width = list->columnWidth(column);
        list->resizeColumnToContents(column);
        list->setColumnWidth(column, std::max(width, list->columnWidth(column) + kGap));
    }
    if (selected >= 0 && selected < list->topLevelItemCount())
        list->setCurrentItem(list->topLevelItem(selected));
    else
        list->setCurrentItem(nullptr);
}

int selectedRow(const QTreeWidget* list) {
    const QList<QTreeWidgetItem*> selected = list->selectedItems();
    return selected.isEmpty() ? -1 : list->indexOfTopLevelItem(selected.constFirst());
}

// A list box shows the first cell of each row.
void setRows(QListWidget* list, const Rows& rows, int selected) {
    list->clear();
    for (const Row& row : rows) list->addItem(qs(cell_of(row, 0)));
    if (selected >= 0 && selected < list->count())
        list->setCurrentRow(selected);
    else
        list->setCurrentRow(-1);
}

int selectedRow(const QListWidget* list) {
    const QList<QListWidgetItem*> selected = list->selectedItems();
    return selected.isEmpty() ? -1 : list->row(selected.constFirst());
}

}  // namespace

PageView::PageView(const PageEntry& entry, QWidget* parent) : QWidget(parent), m_entry(entry) {
    build();
    connectTabs();
    connectCollapses();
    connectUnmasking();
}

QWidget* PageView::control(std::string_view name) const {
    const auto it = m_controls.find(name);
    return it == m_controls.end() ? nullptr : it->second;
}

void PageView::build() {
    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(6, 4, 6, 4);
    auto* form = new QFormLayout;
    fillContainer(form, "");
    // A page with a list or a text box lets it take the height; any other page keeps its rows at
    // the top.
    bool fillsHeight = false;
    for (const ControlSpec& c : spec().controls) fillsHeight = fillsHeight || growsDown(c.kind);
    page->addLayout(form, fillsHeight ? 1 : 0);
    if (!fillsHeight) page->addStretch(1);
}

// Lays out the controls of one group (or of the page itself, group ""): one row per control, a
// control marked beside joins the row before it.
void PageView::fillContainer(QFormLayout* layout, std::string_view group) {
    layout->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    layout->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    layout->setVerticalSpacing(4);
    std::vector<std::vector<const ControlSpec*>> rows;
    for (const ControlSpec& c : spec().controls) {
        // A control naming a group the page does not have is shown on the page itself rather than lost.
        const ControlSpec* box = c.group.empty() || c.group == c.name ? nullptr : spec().find(c.group);
        const std::string_view home = box != nullptr && isBox(box->kind) ? std::string_view(c.group) : "";
        if (home != group) continue;
        if (c.same_row && !rows.empty())
            rows.back().push_back(&c);
        else
            rows.push_back({&c});
    }
    for (const auto& row : rows) {
        const ControlSpec& first = *row.front();
        if (isBox(first.kind)) {
            addBoxes(layout, row);
            continue;
        }
        QLayout* field = createRow(row);
        if (!first.label.empty()) {
            auto* label = new QLabel(qs(first.label), this);
            label->setBuddy(control(first.name));
            label->setProperty(kLabelOfProperty, qs(first.name));
            layout->addRow(label, field);
        } else if (spansRow(first.kind)) {
            layout->addRow(field);
        } else {
            layout->addRow(static_cast<QWidget*>(nullptr), field);
        }
    }
}

// A row of group boxes and panels side by side, sharing its width. A group box on a tab goes into its
// tab set's tab widget instead, which takes the box's place the first time one of its boxes comes.
void PageView::addBoxes(QFormLayout* layout, const std::vector<const ControlSpec*>& row) {
    auto* boxes = new QHBoxLayout;
    bool used = false;
    for (const ControlSpec* c : row) {
        QWidget* w = createWidget(*c);
        auto* inner = new QFormLayout(w);
        if (c->kind == ControlKind::panel)
            inner->setContentsMargins(0, 0, 0, 0);
        else
            inner->setContentsMargins(8, 4, 8, 6);
        fillContainer(inner, c->name);
        if (!c->tab_set.empty()) {
            QTabWidget*& tabs = m_tabSets[c->tab_set];
            const bool first = tabs == nullptr;
            if (first) {
                tabs = new QTabWidget(this);
                tabs->setObjectName(qs(c->tab_set));
            }
            tabs->addTab(w, qs(c->tab));
            if (!first) continue;
            w = tabs;
        }
        used = true;
        if (c->kind == ControlKind::group_box) {
            boxes->addWidget(w, 1);
            continue;
        }
        // A panel that holds an editor or a list takes the room its neighbours leave; the others keep
        // their natural size at the top.
        if (holdsGrowing(c->name))
            boxes->addWidget(w, 1);
        else
            boxes->addWidget(w, 0, Qt::AlignTop);
    }
    if (used)
        layout->addRow(boxes);
    else
        delete boxes;
}

// Whether a box holds, directly or inside a box of its own, a control that takes the height it gets.
bool PageView::holdsGrowing(std::string_view box) const {
    for (const ControlSpec& inside : spec().controls) {
        if (inside.group != box || inside.name == box) continue;
        if (growsDown(inside.kind) || (isBox(inside.kind) && holdsGrowing(inside.name))) return true;
    }
    return false;
}

// A tab comes forward when the check box or radio button it follows is checked, by the user or by an
// update; the tab of the one checked at the start is shown first.
void PageView::connectTabs() {
    for (const ControlSpec& c : spec().controls) {
        if (c.tab_follows.empty() || c.tab_set.empty()) continue;
        const auto set = m_tabSets.find(c.tab_set);
        auto* follows = qobject_cast<QAbstractButton*>(control(c.tab_follows));
        QWidget* page = control(c.name);
        if (set == m_tabSets.end() || follows == nullptr || page == nullptr) continue;
        QTabWidget* tabs = set->second;
        connect(follows, &QAbstractButton::toggled, tabs, [tabs, page](bool checked) {
            if (checked) tabs->setCurrentWidget(page);
        });
        if (follows->isChecked()) tabs->setCurrentWidget(page);
        // A radio button and its tab page agree the other way too: bringing the page forward by its tab
        // is a click on the radio button, so what the page's buttons write matches the page in view.
        if (qobject_cast<QRadioButton*>(follows) != nullptr)
            connect(tabs, &QTabWidget::currentChanged, follows, [tabs, page, follows] {
                if (tabs->currentWidget() == page && !follows->isChecked()) follows->click();
            });
    }
}

// A collapsible group box is shown while its check box is checked, by the user or by an update.
void PageView::connectCollapses() {
    for (const ControlSpec& c : spec().controls) {
        if (c.collapse_with.empty()) continue;
        auto* check = qobject_cast<QAbstractButton*>(control(c.collapse_with));
        QWidget* box = control(c.name);
        if (check == nullptr || box == nullptr) continue;
        connect(check, &QAbstractButton::toggled, box, &QWidget::setVisible);
        box->setVisible(check->isChecked());
    }
}

// A check box that unmasks a password box: checked (by the user or by an update) shows the text in
// clear, unchecked masks it again.
void PageView::connectUnmasking() {
    for (const ControlSpec& c : spec().controls) {
        if (c.reveals.empty()) continue;
        auto* box = qobject_cast<QAbstractButton*>(control(c.name));
        auto* edit = qobject_cast<QLineEdit*>(control(c.reveals));
        if (box == nullptr || edit == nullptr) continue;
        const auto show = [edit](bool clear) { edit->setEchoMode(clear ? QLineEdit::Normal : QLineEdit::Password); };
        connect(box, &QAbstractButton::toggled, edit, show);
        show(box->isChecked());
    }
}

// One row: each control with its label in front (the first control's label sits in the label
// column) and its hint after it. A hint waits for the controls beside its own that have none, so a
// field continued there (an address, "/", its prefix length) stays in one piece before the hint.
//
// A row that starts with a label captioned like an input is a row of readouts (a calculator's
// results): its labels keep their natural width, so that each reads right after its caption and
// readouts of the same length stand in columns from row to row.
QLayout* PageView::createRow(const std::vector<const ControlSpec*>& row) {
    auto* line = new QHBoxLayout;
    line->setSpacing(6);
    const bool readouts = row.front()->kind == ControlKind::label && !row.front()->label.empty();
    bool grows = false;
    QString pendingHint, pendingHintOf;
    auto placeHint = [&] {
        if (pendingHint.isEmpty()) return;
        QLabel* hint = textLabel(pendingHint, this);
        hint->setProperty(kHintOfProperty, pendingHintOf);
        line->addWidget(hint, 1);
        pendingHint.clear();
        grows = true;
    };
    for (std::size_t i = 0; i < row.size(); ++i) {
        const ControlSpec& c = *row[i];
        const bool hinted = !c.hint.empty() && c.kind != ControlKind::hyperlink;
        if (hinted) placeHint();
        QWidget* w = createWidget(c);
        if (i > 0 && !c.label.empty()) {
            auto* label = new QLabel(qs(c.label), this);
            label->setBuddy(w);
            label->setProperty(kLabelOfProperty, qs(c.name));
            line->addWidget(label);
        }
        // Wide controls take the room left in the row; the others keep their natural width.
        const bool widgetGrows = spansRow(c.kind) && !(readouts && c.kind == ControlKind::label);
        line->addWidget(w, widgetGrows ? 1 : 0);
        grows = grows || widgetGrows;
        if (hinted) {
            pendingHint = qs(c.hint);
            pendingHintOf = qs(c.name);
        }
    }
    placeHint();
    if (!grows) line->addStretch(1);
    return line;
}

QWidget* PageView::createWidget(const ControlSpec& c) {
    QWidget* w = nullptr;
    const QString text = qs(c.text);
    switch (c.kind) {
        case ControlKind::edit:
        case ControlKind::password: {
            auto* edit = new QLineEdit(text, this);
            if (c.kind == ControlKind::password) edit->setEchoMode(QLineEdit::Password);
            fitText(edit);
            // A box the page watches reacts to every change of its text, or to being left (one that fills
            // itself in again). Text set by a reaction is no change the user made: it runs nothing.
            if (const Binding* b = m_entry.binding(c.name); b != nullptr && b->kind == BindingKind::change)
                connect(edit, &QLineEdit::textChanged, this, [this, name = c.name] {
                    if (!m_applying) press(name);
                });
            else if (b != nullptr)
                connect(edit, &QLineEdit::editingFinished, this, [this, name = c.name] { press(name); });
            w = edit;
            break;
        }
        case ControlKind::multi_line_edit: {
            auto* edit = new QPlainTextEdit(this);
            edit->setPlainText(fromScriptText(c.text));
            edit->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
            w = edit;
            break;
        }
        case ControlKind::label:
            w = textLabel(text, this);
            break;
        case ControlKind::hyperlink: {
            auto* link = new QLabel(this);
            link->setTextFormat(Qt::RichText);
            link->setText(
                QStringLiteral("<a href=\"%1\">%2</a>").arg(qs(c.hint).toHtmlEscaped(), text.toHtmlEscaped()));
            link->setOpenExternalLinks(true);
            link->setTextInteractionFlags(Qt::TextBrowserInteraction);
            w = link;
            break;
        }
        case ControlKind::button: {
            auto* button = new QPushButton(shownCaption(text), this);
            if (c.command == EditorCommand::none)
                connect(button, &QPushButton::clicked, this, [this, name = c.name] { press(name); });
            else
                connect(button, &QPushButton::clicked, this,
                        [this, target = c.target, command = c.command, caption = text] {
                            // A label's text (a result the page shows) is copied as it stands.
                            if (auto* label = qobject_cast<QLabel*>(control(target))) {
                                if (command == EditorCommand::copy || command == EditorCommand::copy_quietly)
                                    QGuiApplication::clipboard()->setText(label->text());
                                return;
                            }
                            auto* pane = qobject_cast<ScriptPane*>(control(target));
                            if (pane != nullptr) runEditorCommand(pane, command, caption);
                        });
            w = button;
            break;
        }
        case ControlKind::check_box: {
            auto* box = new QCheckBox(shownCaption(text), this);
            box->setChecked(c.checked);
            // clicked comes after the new state is set and only from the user (or click()), never
            // from setChecked, so a binding that sets check boxes cannot set itself off again.
            connect(box, &QCheckBox::clicked, this, [this, name = c.name] { press(name); });
            w = box;
            break;
        }
        case ControlKind::radio_button: {
            auto* radio = new QRadioButton(shownCaption(text), this);
            QButtonGroup*& set = m_radioSets[radio_set(c)];
            if (set == nullptr) set = new QButtonGroup(this);
            set->addButton(radio);
            radio->setChecked(c.checked);
            connect(radio, &QRadioButton::clicked, this, [this, name = c.name] { press(name); });
            w = radio;
            break;
        }
        case ControlKind::group_box:
            w = new QGroupBox(shownCaption(text), this);
            break;
        case ControlKind::panel:
            w = new QWidget(this);
            break;
        case ControlKind::editor: {
            auto* pane = new ScriptPane(this);
            pane->setScript(c.text);
            pane->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
            if (m_editor == nullptr) m_editor = pane;
            w = pane;
            break;
        }
        case ControlKind::slider: {
            auto* slider = new QSlider(Qt::Horizontal, this);
            slider->setRange(c.minimum, c.maximum);
            slider->setSingleStep(c.step);
            slider->setPageStep(c.step);
            slider->setTickPosition(QSlider::TicksBelow);
            slider->setTickInterval(c.step);
            slider->setValue(c.index);
            // Every position it passes through while dragged counts, so what depends on it follows live.
            if (m_entry.binding(c.name) != nullptr)
                connect(slider, &QSlider::valueChanged, this, [this, name = c.name] {
                    if (!m_applying) press(name);
                });
            w = slider;
            break;
        }
        case ControlKind::editable_combo:
        case ControlKind::drop_down: {
            auto* combo = new QComboBox(this);
            for (const std::string& item : c.items) combo->addItem(qs(item));
            if (c.kind == ControlKind::editable_combo) {
                combo->setEditable(true);
                combo->setEditText(text);
            } else {
                combo->setCurrentIndex(c.index);
            }
            w = combo;
            break;
        }
        case ControlKind::line_list: {
            auto* list = new QTreeWidget(this);
            list->setRootIsDecorated(false);
            list->setUniformRowHeights(true);
            list->setAllColumnsShowFocus(true);
            list->setSelectionMode(QAbstractItemView::SingleSelection);
            list->setColumnCount(static_cast<int>(c.columns.size()));
            QStringList titles;
            for (const ListColumn& column : c.columns) titles << qs(column.title);
            list->setHeaderLabels(titles);
            for (std::size_t i = 0; i < c.columns.size(); ++i)
                list->setColumnWidth(static_cast<int>(i), c.columns[i].width);
            list->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
            list->setMinimumHeight(120);
            connect(list, &QTreeWidget::itemSelectionChanged, this, [this, list, name = c.name] {
                if (m_applying || selectedRow(list) < 0) return;
                press(name);
            });
            w = list;
            break;
        }
        case ControlKind::list_box: {
            auto* list = new QListWidget(this);
            list->setSelectionMode(QAbstractItemView::SingleSelection);
            list->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
            // Room for a handful of entries; more scroll.
            list->setFixedHeight(list->fontMetrics().height() * 5 + 2 * list->frameWidth() + 8);
            connect(list, &QListWidget::itemSelectionChanged, this, [this, list, name = c.name] {
                if (m_applying || selectedRow(list) < 0) return;
                press(name);
            });
            w = list;
            break;
        }
    }
    w->setObjectName(qs(c.name));
    w->setEnabled(!c.disabled);
    m_controls.emplace(c.name, w);
    return w;
}

Form PageView::collect() const {
    Form form = Form::defaults(spec());
    for (const ControlSpec& c : spec().controls) {
        QWidget* w = control(c.name);
        if (w == nullptr) continue;
        switch (c.kind) {
            case ControlKind::edit:
            case ControlKind::password:
                form.at(c.name).text = static_cast<QLineEdit*>(w)->text().toStdString();
                break;
            case ControlKind::multi_line_edit:
                form.at(c.name).text =
                    documentText(static_cast<QPlainTextEdit*>(w)->document(), QStringLiteral("\r\n")).toStdString();
                break;
            case ControlKind::editor:
                form.at(c.name).text = static_cast<ScriptPane*>(w)->script();
                break;
            case ControlKind::check_box:
            case ControlKind::radio_button:
                form.at(c.name).checked = static_cast<QAbstractButton*>(w)->isChecked();
                break;
            case ControlKind::editable_combo:
                form.at(c.name).text = static_cast<QComboBox*>(w)->currentText().toStdString();
                break;
            case ControlKind::slider:
                form.at(c.name).index = static_cast<QSlider*>(w)->value();
                break;
            case ControlKind::drop_down: {
                const auto* combo = static_cast<QComboBox*>(w);
                FieldValue& v = form.at(c.name);
                v.index = combo->currentIndex();
                v.text = v.index >= 0 ? combo->currentText().toStdString() : std::string();
                break;
            }
            case ControlKind::line_list: {
                const auto* list = static_cast<QTreeWidget*>(w);
                FieldValue& v = form.at(c.name);
                v.rows.clear();
                for (int r = 0; r < list->topLevelItemCount(); ++r) {
                    const QTreeWidgetItem* item = list->topLevelItem(r);
                    Row row;
                    for (std::size_t col = 0; col < c.columns.size(); ++col)
                        row.push_back(item->text(static_cast<int>(col)).toStdString());
                    v.rows.push_back(std::move(row));
                }
                v.index = selectedRow(list);
                break;
            }
            case ControlKind::list_box: {
                const auto* list = static_cast<QListWidget*>(w);
                FieldValue& v = form.at(c.name);
                v.rows.clear();
                for (int r = 0; r < list->count(); ++r) v.rows.push_back({list->item(r)->text().toStdString()});
                v.index = selectedRow(list);
                break;
            }
            case ControlKind::label:
            case ControlKind::hyperlink:
            case ControlKind::button:
            case ControlKind::group_box:
            case ControlKind::panel:
                break;
        }
    }
    return form;
}

void PageView::apply(const std::vector<ControlUpdate>& updates) {
    // A line list's selection, a box's text or a slider's position set from here is not the user's
    // doing: it runs no binding.
    const bool applying = std::exchange(m_applying, true);
    for (const ControlUpdate& u : updates) {
        const ControlSpec* c = spec().find(u.name);
        QWidget* w = control(u.name);
        if (c == nullptr || w == nullptr) continue;
        if (u.enabled) w->setEnabled(*u.enabled);
        const QString text = qs(u.value.text);
        switch (c->kind) {
            case ControlKind::edit:
            case ControlKind::password:
                static_cast<QLineEdit*>(w)->setText(text);
                break;
            case ControlKind::multi_line_edit:
                static_cast<QPlainTextEdit*>(w)->setPlainText(fromScriptText(u.value.text));
                break;
            case ControlKind::editor:
                static_cast<ScriptPane*>(w)->setScript(u.value.text);
                break;
            case ControlKind::label:
            case ControlKind::button:
                if (auto* label = qobject_cast<QLabel*>(w)) label->setText(text);
                if (auto* button = qobject_cast<QPushButton*>(w)) button->setText(shownCaption(text));
                break;
            case ControlKind::hyperlink:
            case ControlKind::panel:
                break;
            case ControlKind::group_box:
                static_cast<QGroupBox*>(w)->setTitle(shownCaption(text));
                break;
            case ControlKind::slider:
                static_cast<QSlider*>(w)->setValue(u.value.index);
                break;
            case ControlKind::check_box:
                static_cast<QCheckBox*>(w)->setChecked(u.value.checked);
                break;
            case ControlKind::radio_button: {
                auto* radio = static_cast<QRadioButton*>(w);
                if (u.value.checked || !radio->isChecked()) {
                    radio->setChecked(u.value.checked);
                } else if (QButtonGroup* set = radio->group()) {
                    // An exclusive set does not let its checked button go; clearing it is wanted here.
                    set->setExclusive(false);
                    radio->setChecked(false);
                    set->setExclusive(true);
                }
                break;
            }
            case ControlKind::editable_combo:
                static_cast<QComboBox*>(w)->setEditText(text);
                break;
            case ControlKind::drop_down: {
                auto* combo = static_cast<QComboBox*>(w);
                combo->setCurrentIndex(u.value.index >= 0 && u.value.index < combo->count() ? u.value.index : -1);
                break;
            }
            case ControlKind::line_list:
                setRows(static_cast<QTreeWidget*>(w), u.value.rows, u.value.index);
                break;
            case ControlKind::list_box:
                setRows(static_cast<QListWidget*>(w), u.value.rows, u.value.index);
                break;
        }
    }
    m_applying = applying;
}

void PageView::runEditorCommand(ScriptPane* pane, EditorCommand command, const QString& caption) {
    switch (command) {
        case EditorCommand::save:
            pane->saveAs(caption);
            break;
        case EditorCommand::copy:
        case EditorCommand::copy_quietly:
            pane->copyToClipboard(command == EditorCommand::copy);
            break;
        case EditorCommand::clear:
            pane->clearText();
            break;
        case EditorCommand::choose_font:
            pane->chooseFont();
            break;
        case EditorCommand::none:
            break;
    }
}

void PageView::press(std::string_view control) {
    if (m_entry.binding(control) == nullptr) return;
    // Whatever goes wrong in a binding ends here, as a message, never in the event loop.
    try {
        Env env{m_random, local_now(), data_dir(), mac_registry_setting()};
        deliver(vorlix::press(m_entry, collect(), control, env));
    } catch (const std::exception& e) {
        showMessage({.text = std::string("操作失败: ") + e.what(), .icon = kIconError}, window());
    } catch (...) {
        showMessage({.text = "操作失败", .icon = kIconError}, window());
    }
}

void PageView::deliver(const Outcome& outcome) {
    // The page and the editor change first, so the user sees the result behind a message box.
    apply(outcome.updates);
    if (outcome.clipboard) QGuiApplication::clipboard()->setText(qs(*outcome.clipboard));
    if (outcome.script) {
        if (m_editor != nullptr)
            m_editor->setScript(*outcome.script);
        else
            Q_EMIT scriptReady(*outcome.script);
    }
    if (outcome.web_page) QDesktopServices::openUrl(QUrl(qs(*outcome.web_page)));
    // Only a window with an editor of its own has buttons that insert.
    if (outcome.insertion && m_editor != nullptr) m_editor->insert(*outcome.insertion);
    if (outcome.message) {
        showMessage(*outcome.message, window());
        if (QWidget* w = control(outcome.message->focus)) w->setFocus(Qt::OtherFocusReason);
    }
}

}  // namespace vorlix
