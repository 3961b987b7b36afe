#include "app/PageView.hpp"

#include <QButtonGroup>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDesktopServices>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSlider>
#include <QStyle>
#include <QTabWidget>
#include <QTextDocument>
#include <QTreeWidget>
#include <QUrl>
#include <QVBoxLayout>
#include <algorithm>
#include <exception>
#include <utility>

#include "app/FlowLayout.hpp"
#include "app/MessageBox.hpp"
#include "app/QtText.hpp"
#include "app/ScriptPane.hpp"
#include "forms/control_kind.hpp"
#include "forms/data_dir.hpp"
#include "forms/language_pack.hpp"
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

// The widest a row label gets before it wraps: about eleven Chinese characters. Every row label of a page
// takes the width of the page's longest one up to this, so the fields of a page start in one column.
int labelCap(const QFontMetrics& metrics) {
    return metrics.horizontalAdvance(QString(11, QChar(0x56FD)));
}

// A label too long for the label column loses its parenthesised qualifier ("(多个服务器请勿重复)
// 拨号网卡接口:" reads "拨号网卡接口:"), which is shown after the field instead. `qualifier` is empty
// when the label is left whole.
QString shortLabel(const QString& label, const QFontMetrics& metrics, int cap, QString& qualifier) {
    qualifier.clear();
    if (metrics.horizontalAdvance(label) <= cap) return label;
    static const QRegularExpression kQualifier(QStringLiteral("[(（][^()（）]*[)）]"));
    const QRegularExpressionMatch match = kQualifier.match(label);
    if (!match.hasMatch()) return label;
    QString shown = label;
    shown.remove(match.capturedStart(), match.capturedLength());
    shown = shown.trimmed();
    if (shown.isEmpty() || shown == QStringLiteral(":")) return label;
    qualifier = match.captured();
    return shown;
}

// How many characters a box for a value of this type shows; 0 for free text, which takes the room
// its row leaves.
int charsFor(ValueType type) {
    switch (type) {
        case ValueType::prefix:
            return 3;
        case ValueType::rate:
            return 8;
        case ValueType::interface_name:
            return 8;
        case ValueType::ports:
            return 11;
        case ValueType::ipv4:
            return 15;
        case ValueType::mac:
            return 17;
        case ValueType::ipv4_net:
            return 18;
        case ValueType::address_range:
            return 25;
        case ValueType::text:
            return 0;
    }
    return 0;
}

// Free text gets at least this many characters, and at most the longer bound however wide the row.
constexpr int kTextChars = 12, kTextMaxChars = 32;

// A free-text box that starts with a short number or time (an MSS, a VLAN ID, "00:01:00") holds one:
// it is sized for it rather than stretched across the row.
bool holdsNumber(const ControlSpec& c) {
    static const QRegularExpression kNumber(QStringLiteral("^[0-9][0-9:.]{0,9}$"));
    return c.type == ValueType::text && kNumber.match(qs(c.text)).hasMatch();
}
int charsFor(const ControlSpec& c) {
    return holdsNumber(c) ? 10 : charsFor(c.type);
}

// An edit box as wide as the values of its type are long, and never narrower than its default needs:
// a default longer than the type's usual width (an address range) is shown whole, up to a width that
// keeps the page from growing wide for a long text. A free-text box grows with its row.
void sizeByType(QLineEdit* edit, const ControlSpec& c) {
    const QFontMetrics metrics = edit->fontMetrics();
    const int frameWidth = 2 * edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, edit);
    const int textWidth = metrics.horizontalAdvance(edit->text() + QLatin1Char('x'));
    const int needed = std::min(textWidth, metrics.horizontalAdvance(QLatin1Char('x')) * 40) + frameWidth + 4;
    const int least = needed > edit->sizeHint().width() ? needed : edit->minimumWidth();
    const int digit = metrics.horizontalAdvance(QLatin1Char('0'));
    const int frame = frameWidth + 8;
    const int chars = charsFor(c);
    if (chars == 0) {
        const int minimum = std::max(least, digit * kTextChars + frame);
        edit->setMinimumWidth(minimum);
        edit->setMaximumWidth(std::max(minimum, digit * kTextMaxChars + frame));
        edit->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        return;
    }
    edit->setFixedWidth(std::max(least, digit * chars + frame));
}

// Rows a line list shows without scrolling, whatever its page asks of the height.
constexpr int kListRows = 5;

// A line list prefers no more height than those rows. A page whose hints wrap is sized by its
// preferred heights, and the default preference of a list (192 px) pushed the generate buttons below
// the fold; the list still grows into any room the page leaves.
class LineList final : public QTreeWidget {
public:
    using QTreeWidget::QTreeWidget;
    QSize sizeHint() const override { return {QTreeWidget::sizeHint().width(), minimumHeight()}; }
};

// Lines a multi-line box prefers to show, for the same reason: the default preference (192 px) made
// pages scroll to reach what comes after the box. It grows into any room the page leaves.
constexpr int kEditLines = 6;

class MultiLineEdit final : public QPlainTextEdit {
public:
    using QPlainTextEdit::QPlainTextEdit;
    QSize sizeHint() const override {
        const QMargins margins = contentsMargins();
        const int height = kEditLines * fontMetrics().lineSpacing() +
                           2 * static_cast<int>(document()->documentMargin()) + margins.top() + margins.bottom();
        return {QPlainTextEdit::sizeHint().width(), height};
    }
};

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

PageView::PageView(const PageEntry& entry, QWidget* parent, const LanguagePack* pack)
    : QWidget(parent), m_entry(entry), m_pack(pack) {
    build();
    m_pack = nullptr;  // the caller's pack may not outlive the page
    connectTabs();
    connectCollapses();
    connectUnmasking();
}

QWidget* PageView::control(std::string_view name) const {
    const auto it = m_controls.find(name);
    return it == m_controls.end() ? nullptr : it->second;
}

QString PageView::shownLabel(const ControlSpec& c) const {
    if (m_pack != nullptr)
        if (const std::string* v = m_pack->find(pack_section::input_label, c.name); v != nullptr && !v->empty())
            return qs(from_pack_value(*v));
    return qs(c.label);
}

QString PageView::shownHint(const ControlSpec& c) const {
    if (m_pack != nullptr && !c.hint.empty())
        if (const std::string* v = m_pack->find(pack_section::hint, c.name); v != nullptr && !v->empty())
            return qs(from_pack_value(*v));
    return qs(c.hint);
}

void PageView::build() {
    m_labelCap = labelCap(fontMetrics());
    for (const ControlSpec& c : spec().controls)
        if (c.kind == ControlKind::line_list && m_lineList == nullptr) m_lineList = &c;
    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(6, 4, 6, 4);
    auto* form = new QFormLayout;
    fillContainer(form, "");
    // A page with a list or a text box lets it take the height; any other page keeps its rows at
    // the top.
    bool fillsHeight = false;
    for (const ControlSpec& c : spec().controls) fillsHeight = fillsHeight || growsDown(c.kind);
    // Generate buttons whose list is not in a box of its own come last.
    for (const auto& row : std::exchange(m_generateRows, {})) form->addRow(createRow(row));
    page->addLayout(form, fillsHeight ? 1 : 0);
    if (!fillsHeight) page->addStretch(1);
    alignLabels();
    for (QWidget* panel : m_narrowPanels) panel->setMaximumWidth(panel->minimumSizeHint().width());
}

// Every row label of the page takes the width of the longest one (capped; a longer one wraps), right
// aligned, so that fields start in one column in every box.
void PageView::alignLabels() {
    const QFontMetrics metrics = fontMetrics();
    std::vector<int> widths;
    widths.reserve(m_gridLabels.size());
    for (const QLabel* label : m_gridLabels) widths.push_back(metrics.horizontalAdvance(label->text()));
    const int width = std::min((widths.empty() ? 0 : *std::max_element(widths.begin(), widths.end())) + 2, m_labelCap);
    for (std::size_t i = 0; i < m_gridLabels.size(); ++i) {
        QLabel* label = m_gridLabels[i];
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        label->setWordWrap(widths[i] > width);
        label->setFixedWidth(width);
    }
}

bool PageView::isGenerateRow(const std::vector<const ControlSpec*>& row) const {
    bool generates = false;
    for (const ControlSpec* c : row) {
        if (c->kind != ControlKind::button) return false;
        const Binding* b = m_entry.binding(c->name);
        generates = generates || (b != nullptr && b->kind == BindingKind::generate);
    }
    return generates;
}

// The inputs of one line and the buttons that add, change or remove it, as one row that wraps only
// where the page is too narrow for it.
QWidget* PageView::lineInputs(const std::vector<std::vector<const ControlSpec*>>& rows) {
    auto* holder = new QWidget(this);
    auto* flow = new FlowLayout(14, 4);
    holder->setLayout(flow);
    for (const auto& row : rows) {
        const ControlSpec& first = *row.front();
        auto* unit = new QWidget(holder);
        auto* line = new QHBoxLayout(unit);
        line->setContentsMargins(0, 0, 0, 0);
        line->setSpacing(6);
        QLabel* label = first.label.empty() ? nullptr : new QLabel(shownLabel(first), unit);
        if (label != nullptr) line->addWidget(label);
        line->addLayout(createRow(row));
        if (label != nullptr) label->setBuddy(control(first.name));
        flow->addWidget(unit);
    }
    return holder;
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
    // A box of nothing but rows of buttons shows them as a grid of equal cells.
    const auto onlyButtons = [](const std::vector<const ControlSpec*>& row) {
        return std::all_of(row.begin(), row.end(), [](const ControlSpec* c) { return c->kind == ControlKind::button; });
    };
    if (!group.empty() && rows.size() > 1 && std::all_of(rows.begin(), rows.end(), onlyButtons)) {
        auto* grid = new QGridLayout;
        grid->setHorizontalSpacing(6);
        grid->setVerticalSpacing(4);
        std::size_t columns = 0;
        for (std::size_t r = 0; r < rows.size(); ++r) {
            columns = std::max(columns, rows[r].size());
            for (std::size_t col = 0; col < rows[r].size(); ++col) {
                QWidget* w = createWidget(*rows[r][col]);
                w->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
                grid->addWidget(w, static_cast<int>(r), static_cast<int>(col));
            }
        }
        for (std::size_t col = 0; col < columns; ++col) grid->setColumnStretch(static_cast<int>(col), 1);
        layout->addRow(grid);
        return;
    }
    // In the box of a line list, the rows above the list are the inputs of one line and its buttons.
    const bool linesHere = m_lineList != nullptr && !group.empty() && m_lineList->group == group;
    std::vector<std::vector<const ControlSpec*>> lineRows;
    for (const auto& row : rows) {
        const ControlSpec& first = *row.front();
        // Pointers into one vector: the row comes before the list in the page's order.
        const bool beforeList = m_lineList != nullptr && &first < m_lineList;
        if (beforeList && !linesHere && isGenerateRow(row)) {
            m_generateRows.push_back(row);
            continue;
        }
        if (linesHere && beforeList && !isBox(first.kind) && !spansRow(first.kind)) {
            lineRows.push_back(row);
            continue;
        }
        if (!lineRows.empty()) layout->addRow(lineInputs(std::exchange(lineRows, {})));
        if (isBox(first.kind)) {
            addBoxes(layout, row);
            continue;
        }
        QString qualifier;
        const QString whole = shownLabel(first);
        const QString shown = first.label.empty() ? QString() : shortLabel(whole, fontMetrics(), m_labelCap, qualifier);
        QLayout* field = createRow(row, qualifier);
        if (!first.label.empty()) {
            auto* label = new QLabel(shown, this);
            label->setBuddy(control(first.name));
            if (!qualifier.isEmpty()) {
                label->setToolTip(whole);
                control(first.name)->setToolTip(whole);
            }
            m_gridLabels.push_back(label);
            layout->addRow(label, field);
        } else if (spansRow(first.kind)) {
            layout->addRow(field);
        } else {
            layout->addRow(static_cast<QWidget*>(nullptr), field);
        }
    }
    if (!lineRows.empty()) layout->addRow(lineInputs(lineRows));
}

// A row of group boxes and panels side by side, sharing its width. A group box on a tab goes into its
// tab set's tab widget instead, which takes the box's place the first time one of its boxes comes.
void PageView::addBoxes(QFormLayout* layout, const std::vector<const ControlSpec*>& row) {
    auto* boxes = new QHBoxLayout;
    bool used = false;
    // Beside a panel that holds an editor or a list, the other panels keep to their least width, so
    // the editor gets the room (a side window's form beside its output).
    const bool besideGrowing = std::any_of(row.begin(), row.end(), [this](const ControlSpec* c) {
        return c->kind == ControlKind::panel && holdsGrowing(c->name);
    });
    for (const ControlSpec* c : row) {
        QWidget* w = createWidget(*c);
        QWidget* holder = w;
        if (c->kind == ControlKind::group_box) {
            // The title is bold and what the box holds keeps the page's weight: the fields go into a
            // plain holder, made so while still empty. Setting the fonts on a filled box instead spread
            // each change through every field inside, as much work as building the page.
            auto* frame = new QVBoxLayout(w);
            frame->setContentsMargins(8, 4, 8, 6);
            holder = new QWidget(w);
            QFont plain = holder->font();
            plain.setBold(false);
            holder->setFont(plain);
            frame->addWidget(holder);
        }
        auto* inner = new QFormLayout(holder);
        inner->setContentsMargins(0, 0, 0, 0);
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
        if (holdsGrowing(c->name)) {
            boxes->addWidget(w, 1);
        } else {
            boxes->addWidget(w, 0, Qt::AlignTop);
            if (besideGrowing) m_narrowPanels.push_back(w);
        }
    }
    if (!used) {
        delete boxes;
        return;
    }
    layout->addRow(boxes);
    const bool holdsList = m_lineList != nullptr && std::any_of(row.begin(), row.end(), [this](const ControlSpec* c) {
                               return c->name == m_lineList->group;
                           });
    if (holdsList)
        for (const auto& deferred : std::exchange(m_generateRows, {})) layout->addRow(createRow(deferred));
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
QLayout* PageView::createRow(const std::vector<const ControlSpec*>& row, const QString& qualifier) {
    auto* line = new QHBoxLayout;
    line->setSpacing(6);
    const bool readouts = row.front()->kind == ControlKind::label && !row.front()->label.empty();
    bool grows = false;
    QString pendingHint;
    auto placeHint = [&] {
        if (pendingHint.isEmpty()) return;
        // Hints are muted, so the fields and their labels stand out.
        QLabel* hint = textLabel(pendingHint, this);
        hint->setForegroundRole(QPalette::PlaceholderText);
        line->addWidget(hint, 1);
        pendingHint.clear();
        grows = true;
    };
    for (std::size_t i = 0; i < row.size(); ++i) {
        const ControlSpec& c = *row[i];
        QString hintText = c.kind == ControlKind::hyperlink ? QString() : shownHint(c);
        if (i == 0 && !qualifier.isEmpty())
            hintText = hintText.isEmpty() ? qualifier : qualifier + QLatin1Char(' ') + hintText;
        const bool hinted = !hintText.isEmpty();
        if (hinted) placeHint();
        QWidget* w = createWidget(c);
        if (i > 0 && !c.label.empty()) {
            auto* label = new QLabel(shownLabel(c), this);
            label->setBuddy(w);
            line->addWidget(label);
        }
        // Wide controls and free-text boxes take the room left in the row; the others keep their width.
        const bool freeText = (c.kind == ControlKind::edit || c.kind == ControlKind::password) && charsFor(c) == 0;
        const bool widgetGrows = (spansRow(c.kind) && !(readouts && c.kind == ControlKind::label)) || freeText;
        line->addWidget(w, widgetGrows ? 1 : 0);
        grows = grows || widgetGrows;
        if (hinted) pendingHint = hintText;
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
            sizeByType(edit, c);
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
            auto* edit = new MultiLineEdit(this);
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
            if (c.destructive) {
                // A script that reboots, stops or resets the router reads differently from one that looks.
                button->setIcon(style()->standardIcon(QStyle::SP_MessageBoxWarning));
                QPalette warning = button->palette();
                warning.setColor(QPalette::ButtonText, QColor(0xA0, 0x1E, 0x1E));
                button->setPalette(warning);
            }
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
        case ControlKind::group_box: {
            auto* box = new QGroupBox(shownCaption(text), this);
            QFont bold = box->font();
            bold.setBold(true);
            box->setFont(bold);
            w = box;
            break;
        }
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
                if (const int chars = charsFor(c.type); chars > 0) {
                    combo->setMinimumContentsLength(chars);
                    combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
                }
            } else {
                combo->setCurrentIndex(c.index);
            }
            w = combo;
            break;
        }
        case ControlKind::line_list: {
            auto* list = new LineList(this);
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
            // The header and a handful of rows, plus a scroll bar for columns wider than the list.
            auto* probe = new QTreeWidgetItem(list, QStringList(QStringLiteral("0")));
            const int rowHeight = list->sizeHintForRow(0);
            delete probe;
            list->setMinimumHeight(list->header()->sizeHint().height() + kListRows * rowHeight +
                                   2 * list->frameWidth() +
                                   list->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, list) + 2);
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
    const Binding* binding = m_entry.binding(control);
    if (binding == nullptr) return;
    // Whatever goes wrong in a binding ends here, as a message, never in the event loop.
    try {
        Env env{m_random, local_now(), data_dir(), mac_registry_setting()};
        const Outcome outcome = vorlix::press(m_entry, collect(), control, env);
        deliver(outcome);
        // Once any message box is closed, the editor says what the press left there.
        if (outcome.script)
            reportStatus(ScriptPane::generatedStatus(*outcome.script));
        else if (binding->kind == BindingKind::generate && outcome.message)
            reportStatus(qs(outcome.message->text));
    } catch (const std::exception& e) {
        showMessage({.text = std::string("操作失败: ") + e.what(), .icon = kIconError}, window());
    } catch (...) {
        showMessage({.text = "操作失败", .icon = kIconError}, window());
    }
}

void PageView::reportStatus(const QString& text) {
    if (m_editor != nullptr)
        m_editor->showStatus(text);
    else
        Q_EMIT statusReady(text);
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
