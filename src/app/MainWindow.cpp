#include "app/MainWindow.hpp"

#include <QApplication>
#include <QCloseEvent>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QSplitter>
#include <QStyle>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "app/AppInfo.hpp"
#include "app/AreaIndex.hpp"
#include "app/BringToFront.hpp"
#include "app/FormFileBar.hpp"
#include "app/Language.hpp"
#include "app/MessageBox.hpp"
#include "app/PageView.hpp"
#include "app/QtText.hpp"
#include "app/SaveFile.hpp"
#include "app/ScriptPane.hpp"
#include "data/embedded.hpp"
#include "forms/data_dir.hpp"
#include "forms/main_frame.hpp"
#include "forms/settings.hpp"
#include "generators/all_pages.hpp"
#include "generators/language_export.hpp"
#include "traditional/traditional.hpp"

namespace vorlix {
namespace {

// The window's size at first start, and the smallest it can be made.
constexpr QSize kDefaultSize(965, 740);

// The caption of one of the window's own controls, from the table the language packs are written from,
// so that the two cannot drift apart.
QString frameCaption(std::string_view name) {
    const ControlSpec* c = main_frame_spec().find(name);
    Q_ASSERT(c != nullptr);
    return c != nullptr ? qs(c->text) : QString();
}

QPushButton* namedButton(std::string_view name, QWidget* parent) {
    auto* button = new QPushButton(frameCaption(name), parent);
    button->setObjectName(qs(name));
    return button;
}

QLabel* namedLabel(std::string_view name, QWidget* parent) {
    auto* label = new QLabel(frameCaption(name), parent);
    label->setObjectName(qs(name));
    return label;
}

}  // namespace

// The caption 按钮_语言 shows in the Traditional interface, where it switches back.
constexpr const char* kBackToSimplified = "切換為簡體";

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent) {
    // The language is read once: a switch takes effect at the next start.
    m_traditional = traditional_chosen(data_dir());
    if (m_traditional) m_pack = builtinLanguagePack(main_window_pack_name());
    setWindowTitle(QStringLiteral("%1  %2").arg(QLatin1String(kProductName), QLatin1String(kWebAddress)));
    // The icon is the application's (set in main), which every window takes.

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setSpacing(4);
    // The user decides how the height is shared between the pages and the script.
    m_splitter = new QSplitter(Qt::Vertical, central);
    m_splitter->setObjectName(QStringLiteral("分隔条_编辑器"));
    m_splitter->setChildrenCollapsible(false);
    m_splitter->addWidget(createPageArea());
    auto* lower = new QWidget(m_splitter);
    auto* lowerLayout = new QVBoxLayout(lower);
    lowerLayout->setContentsMargins(0, 0, 0, 0);
    lowerLayout->setSpacing(4);
    QWidget* toolRow = createToolRow();
    lowerLayout->addWidget(toolRow);
    m_scriptPane = new ScriptPane(lower);
    m_scriptPane->setScript(embedded_file("welcome.txt"));
    const int line = m_scriptPane->fontMetrics().lineSpacing();
    const int paneChrome = 2 * m_scriptPane->frameWidth() +
                           m_scriptPane->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, m_scriptPane);
    m_scriptPane->setMinimumHeight(3 * line + paneChrome);
    lowerLayout->addWidget(m_scriptPane, 1);
    m_splitter->addWidget(lower);
    // A larger window gives its new height to the pages; the pane keeps what the user gave it.
    m_splitter->setStretchFactor(0, 1);
    m_splitter->setStretchFactor(1, 0);
    layout->addWidget(m_splitter, 1);
    layout->addWidget(createBottomRow());
    setCentralWidget(central);

    // The default size is the smallest that shows the pages whole; on a screen smaller than that, the
    // screen's room.
    QSize smallest = kDefaultSize;
    if (const QScreen* screen = this->screen()) smallest = smallest.boundedTo(screen->availableSize());
    setMinimumSize(smallest);
    resize(kDefaultSize);
    // The welcome text's five lines and the replace bar below the pages; the rest of the height goes to
    // the pages, which need it more.
    const int lowerHeight = toolRow->sizeHint().height() + lowerLayout->spacing() + 6 * line + paneChrome;
    m_splitter->setSizes({kDefaultSize.height() - lowerHeight, lowerHeight});
    ensurePage(0, 0);
    m_formBar->refresh();
    if (m_traditional) {
        applyLanguagePack(this, m_pack);
        applyLanguagePack(m_tree, std::string(frame::tree), m_pack);
        if (QTreeWidgetItem* first = m_tree->topLevelItem(0)) m_frame->setTitle(first->text(0));
        if (auto* language = findChild<QPushButton*>(qs(frame::language))) language->setText(qs(kBackToSimplified));
    }
}

QWidget* MainWindow::createPageArea() {
    auto* area = new QWidget(this);
    auto* row = new QHBoxLayout(area);
    row->setContentsMargins(0, 0, 0, 0);

    m_tree = new QTreeWidget(area);
    m_tree->setObjectName(qs(frame::tree));
    m_tree->setHeaderHidden(true);
    m_tree->setColumnCount(1);
    QTreeWidgetItem* heading = nullptr;
    const std::vector<TreeItem>& items = registry().tree();
    for (std::size_t i = 0; i < items.size(); ++i) {
        const TreeItem& t = items[i];
        QTreeWidgetItem* item = nullptr;
        if (t.level == 1 || heading == nullptr) {
            item = new QTreeWidgetItem(m_tree);
            heading = item;
        } else {
            item = new QTreeWidgetItem(heading);
        }
        item->setText(0, qs(t.text));
        item->setData(0, Qt::UserRole, static_cast<int>(i));
        // Still selectable: its page says that it is not built yet.
        if (isUnbuilt(t.outer, t.inner)) {
            item->setForeground(0, m_tree->palette().brush(QPalette::Disabled, QPalette::Text));
            item->setToolTip(0, QStringLiteral("尚未完成"));
        }
    }
    // Every row has the same height, so the tree need not measure each one; and it is as wide as
    // its longest item, so no text is cut off.
    m_tree->setUniformRowHeights(true);
    m_tree->expandAll();
    const QFontMetrics metrics(m_tree->font());
    int widest = 0;
    for (const TreeItem& t : items)
        widest = qMax(widest, metrics.horizontalAdvance(qs(t.text)) + t.level * m_tree->indentation());
    const int scrollBar = m_tree->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, m_tree);
    m_tree->setFixedWidth(qMax(175, widest + scrollBar + 2 * m_tree->frameWidth() + 12));
    connect(m_tree, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* current) {
        if (current != nullptr) navigate(current->data(0, Qt::UserRole).toInt());
    });
    // A click on the item that is already current brings its page back after the tabs were used.
    connect(m_tree, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem* item) { navigate(item->data(0, Qt::UserRole).toInt()); });
    row->addWidget(m_tree);

    m_frame = new QGroupBox(items.empty() ? QString() : qs(items.front().text), area);
    m_frame->setObjectName(qs(frame::page_frame));
    auto* frameLayout = new QVBoxLayout(m_frame);
    frameLayout->setContentsMargins(4, 4, 4, 4);
    m_outerTabs = new QTabWidget(m_frame);
    m_outerTabs->setObjectName(QStringLiteral("选择夹1"));
    const std::vector<Area>& areas = registry().areas();
    m_innerTabs.resize(areas.size());
    m_holders.resize(areas.size());
    m_pages.resize(areas.size());
    for (std::size_t o = 0; o < areas.size(); ++o) {
        auto* inner = new QTabWidget(m_outerTabs);
        inner->setObjectName(qs(areas[o].tab.tab_set));
        inner->setUsesScrollButtons(true);
        for (const PageEntry& page : areas[o].pages) {
            auto* holder = new QWidget(inner);
            auto* holderLayout = new QVBoxLayout(holder);
            holderLayout->setContentsMargins(0, 0, 0, 0);
            inner->addTab(holder, qs(page.spec->caption));
            m_holders[o].push_back(holder);
            m_pages[o].push_back(nullptr);
        }
        m_innerTabs[o] = inner;
        m_outerTabs->addTab(inner, qs(areas[o].tab.caption));
        const int outer = static_cast<int>(o);
        connect(inner, &QTabWidget::currentChanged, this, [this, outer](int index) {
            ensurePage(outer, index);
            m_formBar->refresh();
        });
    }
    connect(m_outerTabs, &QTabWidget::currentChanged, this, [this](int outer) {
        if (outer >= 0 && outer < static_cast<int>(m_innerTabs.size()))
            ensurePage(outer, m_innerTabs[static_cast<std::size_t>(outer)]->currentIndex());
        m_formBar->refresh();
    });
    // Beside the outer tabs, where the page area has room to spare, so that the pages keep their height.
    m_formBar = new FormFileBar([this] { return currentPageView(); }, m_outerTabs);
    m_outerTabs->setCornerWidget(m_formBar, Qt::TopRightCorner);
    frameLayout->addWidget(m_outerTabs);
    row->addWidget(m_frame, 1);
    return area;
}

QWidget* MainWindow::createToolRow() {
    auto* bar = new QWidget(this);
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(sideWindowButton("按钮_子网计算工具", bar));
    row->addWidget(sideWindowButton("按钮_路由表", bar));
    row->addSpacing(12);
    row->addWidget(namedLabel("标签455", bar));
    auto* from = new QLineEdit(bar);
    from->setObjectName(QStringLiteral("编辑框_待替换"));
    row->addWidget(from, 1);
    row->addWidget(namedLabel("标签456", bar));
    auto* to = new QLineEdit(bar);
    to->setObjectName(QStringLiteral("编辑框_替换为"));
    row->addWidget(to, 1);
    QPushButton* replace = namedButton("按钮_替换", bar);
    connect(replace, &QPushButton::clicked, this,
            [this, from, to] { m_scriptPane->replaceAll(from->text(), to->text()); });
    row->addWidget(replace);
    row->addSpacing(12);
    QPushButton* language = namedButton(frame::language, bar);
    connect(language, &QPushButton::clicked, this, &MainWindow::switchLanguage);
    row->addWidget(language);
    // A tool for whoever changes the pages: writes the language packs of every window from the page tables.
    QPushButton* exportPacks = namedButton(frame::export_packs, bar);
    exportPacks->setVisible(false);
    connect(exportPacks, &QPushButton::clicked, this, &MainWindow::exportLanguagePacks);
    row->addWidget(exportPacks);
    return bar;
}

QWidget* MainWindow::createBottomRow() {
    auto* bar = new QWidget(this);
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(namedLabel("标签56", bar));
    row->addWidget(namedLabel("标签_版本", bar));
    row->addSpacing(12);
    row->addWidget(sideWindowButton("按钮_脚本编辑器", bar));
    row->addSpacing(12);
    QLabel* hint = namedLabel("标签503", bar);
    hint->setWordWrap(true);
    row->addWidget(hint, 1);
    QPushButton* save = namedButton("按钮_另存为", bar);
    connect(save, &QPushButton::clicked, this, [this] { m_scriptPane->saveAs(); });
    row->addWidget(save);
    QPushButton* copy = namedButton("按钮_复制内容", bar);
    connect(copy, &QPushButton::clicked, this, [this] { m_scriptPane->copyToClipboard(); });
    row->addWidget(copy);
    return bar;
}

void MainWindow::selectTreeItem(int index) {
    QTreeWidgetItemIterator it(m_tree);
    for (; *it != nullptr; ++it) {
        if ((*it)->data(0, Qt::UserRole).toInt() == index) {
            m_tree->setCurrentItem(*it);
            return;
        }
    }
}

QPushButton* MainWindow::sideWindowButton(std::string_view name, QWidget* parent) {
    QPushButton* button = namedButton(name, parent);
    const PageEntry* opened = nullptr;
    for (const PageEntry& w : registry().windows())
        if (w.spec->opener == name) opened = &w;
    if (opened == nullptr) {
        button->setEnabled(false);  // its window is not built yet
        return button;
    }
    connect(button, &QPushButton::clicked, this,
            [this, caption = qs(opened->spec->window)] { openSideWindow(caption); });
    return button;
}

void MainWindow::navigate(int index) {
    const std::vector<TreeItem>& items = registry().tree();
    if (index < 0 || index >= static_cast<int>(items.size())) return;
    const TreeItem& item = items[static_cast<std::size_t>(index)];
    // The item's text as the tree shows it, in the interface language.
    const QTreeWidgetItem* current = m_tree->currentItem();
    m_frame->setTitle(current != nullptr && current->data(0, Qt::UserRole).toInt() == index ? current->text(0)
                                                                                            : qs(item.text));
    // The inner page first, so that switching the outer tab does not build the page it used to show.
    m_innerTabs[static_cast<std::size_t>(item.outer)]->setCurrentIndex(item.inner);
    m_outerTabs->setCurrentIndex(item.outer);
}

void MainWindow::ensurePage(int outer, int inner) {
    if (outer < 0 || outer >= static_cast<int>(m_pages.size())) return;
    auto& pages = m_pages[static_cast<std::size_t>(outer)];
    if (inner < 0 || inner >= static_cast<int>(pages.size()) || pages[static_cast<std::size_t>(inner)] != nullptr)
        return;
    QWidget* holder = m_holders[static_cast<std::size_t>(outer)][static_cast<std::size_t>(inner)];
    const PageEntry* entry = registry().page_at(outer, inner);
    if (entry == nullptr || holder->layout()->count() > 0) return;
    if (entry->spec->controls.empty()) {
        // The first page of an area that has none of its own lists the others; any other page without
        // controls is one still to come.
        if (isAreaIndex(outer, inner)) {
            auto* index = new AreaIndex(outer);
            connect(index, &AreaIndex::pageChosen, this, &MainWindow::showPage);
            auto* scroll = new QScrollArea;
            scroll->setFrameShape(QFrame::NoFrame);
            scroll->setWidgetResizable(true);
            scroll->setWidget(index);
            holder->layout()->addWidget(scroll);
        } else {
            holder->layout()->addWidget(createUnbuiltNotice());
        }
        return;
    }
    auto* view = new PageView(*entry, nullptr, m_traditional ? &m_pack : nullptr);
    if (m_traditional) applyLanguagePack(view, m_pack);
    connect(view, &PageView::scriptReady, m_scriptPane,
            [this](const std::string& script) { m_scriptPane->setScript(script); });
    connect(view, &PageView::statusReady, m_scriptPane,
            [this](const QString& text) { m_scriptPane->showStatus(text); });
    // A page taller than the frame scrolls instead of being cut off.
    auto* scroll = new QScrollArea;
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setWidget(view);
    holder->layout()->addWidget(scroll);
    pages[static_cast<std::size_t>(inner)] = view;
}

void MainWindow::showPage(int outer, int inner) {
    const std::vector<TreeItem>& items = registry().tree();
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (items[i].outer == outer && items[i].inner == inner) {
            selectTreeItem(static_cast<int>(i));
            // Already the tree's current item (a tab was clicked since): selecting it again changes nothing.
            navigate(static_cast<int>(i));
            return;
        }
    }
    // A page that only its tab reaches: as a click on its tab.
    if (outer < 0 || outer >= static_cast<int>(m_innerTabs.size())) return;
    m_innerTabs[static_cast<std::size_t>(outer)]->setCurrentIndex(inner);
    m_outerTabs->setCurrentIndex(outer);
}

QString MainWindow::stateFile() {
    return QDir(QString::fromStdString(data_dir())).filePath(QStringLiteral("window.state"));
}

// The file holds lines "geometry=..." and "splitter=..." with Qt's own descriptions in base64, and last
// "check=..." with a checksum of the lines before it: Qt takes a cut or altered description for a good
// one, so a file that does not match its checksum is passed over whole. Unknown lines are passed over.
namespace {

QByteArray stateChecksum(const QByteArray& lines) {
    return QCryptographicHash::hash(lines, QCryptographicHash::Sha1).toHex();
}

}  // namespace

bool MainWindow::restoreState(const QString& file) {
    QFile in(file);
    constexpr qint64 kLargest = 64 * 1024;  // a few hundred bytes when written here
    if (in.size() > kLargest || !in.open(QIODevice::ReadOnly)) return false;
    const QByteArray text = in.readAll();
    const qsizetype check = text.lastIndexOf("check=");
    if (check < 0 || (check > 0 && text[check - 1] != '\n')) return false;
    if (text.mid(check + 6).trimmed() != stateChecksum(text.left(check))) return false;
    bool restored = false;
    for (const QByteArray& line : text.left(check).split('\n')) {
        const qsizetype equals = line.indexOf('=');
        if (equals < 0) continue;
        const QByteArray key = line.left(equals).trimmed();
        const auto value =
            QByteArray::fromBase64Encoding(line.mid(equals + 1).trimmed(), QByteArray::AbortOnBase64DecodingErrors);
        if (!value) continue;
        if (key == "geometry")
            restored = restoreGeometry(*value) || restored;
        else if (key == "splitter")
            m_splitter->restoreState(*value);
    }
    return restored;
}

QString MainWindow::saveState(const QString& file) const {
    QDir().mkpath(QFileInfo(file).absolutePath());
    const QByteArray lines =
        "geometry=" + saveGeometry().toBase64() + "\nsplitter=" + m_splitter->saveState().toBase64() + "\n";
    return writeFileAtomically(file, lines + "check=" + stateChecksum(lines) + "\n");
}

PageView* MainWindow::pageView(int outer, int inner) const {
    if (outer < 0 || outer >= static_cast<int>(m_pages.size())) return nullptr;
    const auto& pages = m_pages[static_cast<std::size_t>(outer)];
    return inner >= 0 && inner < static_cast<int>(pages.size()) ? pages[static_cast<std::size_t>(inner)] : nullptr;
}

PageView* MainWindow::currentPageView() const {
    const int outer = m_outerTabs->currentIndex();
    if (outer < 0 || outer >= static_cast<int>(m_innerTabs.size())) return nullptr;
    return pageView(outer, m_innerTabs[static_cast<std::size_t>(outer)]->currentIndex());
}

QStringList MainWindow::sideWindowCaptions() {
    QStringList captions;
    for (const PageEntry& w : registry().windows()) captions << qs(w.spec->window);
    return captions;
}

SideWindow* MainWindow::sideWindow(const QString& caption) {
    QPointer<SideWindow>& slot = m_sideWindows[caption];
    if (slot.isNull()) {
        const PageEntry* entry = registry().window(caption.toStdString());
        if (entry == nullptr) return nullptr;
        // Translated once, when it is built: shown again later, it keeps what the user typed.
        const LanguagePack pack = m_traditional ? builtinLanguagePack(side_window_pack_name(*entry)) : LanguagePack{};
        slot = new SideWindow(*entry, this, m_traditional ? &pack : nullptr);
        if (m_traditional) applyLanguagePack(slot, pack);
    }
    return slot;
}

void MainWindow::openSideWindow(const QString& caption) {
    if (SideWindow* w = sideWindow(caption)) w->present();
}

void MainWindow::bringToFront() {
    vorlix::bringToFront(this);
}

void MainWindow::switchLanguage() {
    const bool toTraditional = !m_traditional;
    const Message question{
        .text = toTraditional ? "确认将Vorlix切换为繁体界面?" : "确认将Vorlix切换为简体界面?",
        .icon = kIconOkCancel,
    };
    if (showMessage(question, this) != QMessageBox::Ok) return;
    if (const std::optional<std::string> error =
            write_setting(data_dir(), setting::language, toTraditional ? "1" : "0")) {
        // Nothing changed: the program keeps running in its language.
        showMessage({.text = "无法保存设置: " + *error, .icon = kIconError}, this);
        return;
    }
    showMessage({.text = toTraditional ? "已切换为繁体界面,请重新启动软件!" : "已切换为简体界面,请重新启动软件!",
                 .icon = kIconInformation},
                this);
    m_exitConfirmed = true;
    QApplication::quit();
}

void MainWindow::exportLanguagePacks() {
    const QString dir = QCoreApplication::applicationDirPath() + QStringLiteral("/data");
    const TraditionalConverter traditional = open_traditional();
    std::optional<std::string> error = traditional.error;
    if (!error && !QDir().mkpath(dir)) error = "无法创建目录";
    if (!error) error = write_language_packs(dir.toStdString(), traditional.convert);
    if (error)
        showMessage({.text = "语言文件导出失败: " + *error, .icon = kIconError}, this);
    else
        showMessage({.text = "语言文件已导出到 " + dir.toStdString(), .icon = kIconInformation}, this);
}

bool MainWindow::confirmExit() {
    const Message question{
        .text = std::string("是否退出") + kWebAddress + "网站提供的Vorlix?",
        .icon = kIconYesNo,
        .caption = "提示",
    };
    return showMessage(question, this) == QMessageBox::Yes;
}

void MainWindow::requestQuit() {
    if (!confirmExit()) return;
    m_exitConfirmed = true;
    QApplication::quit();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (m_exitConfirmed || confirmExit()) {
        m_exitConfirmed = true;
        event->accept();
    } else {
        event->ignore();
    }
}

}  // namespace vorlix
