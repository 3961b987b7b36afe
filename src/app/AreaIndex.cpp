#include "app/AreaIndex.hpp"

#include <QCommandLinkButton>
#include <QGridLayout>
#include <QLabel>

#include "app/QtText.hpp"
#include "generators/all_pages.hpp"

namespace vorlix {
namespace {

bool hasNoControls(int outer, int inner) {
    const PageEntry* entry = registry().page_at(outer, inner);
    return entry != nullptr && entry->spec->controls.empty();
}

}  // namespace

bool isAreaIndex(int outer, int inner) {
    return inner == 0 && hasNoControls(outer, inner);
}

bool isUnbuilt(int outer, int inner) {
    return inner > 0 && hasNoControls(outer, inner);
}

AreaIndex::AreaIndex(int outer, QWidget* parent) : QWidget(parent), m_outer(outer) {
    // Two columns, read down the first and then the second, so that an area of ten pages fits the
    // frame without scrolling.
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(8, 6, 8, 6);
    grid->setSpacing(2);
    const std::vector<Area>& areas = registry().areas();
    if (outer < 0 || outer >= static_cast<int>(areas.size())) return;
    const std::vector<PageEntry>& pages = areas[static_cast<std::size_t>(outer)].pages;
    const int entries = static_cast<int>(pages.size()) - 1;
    if (entries <= 0) return;
    const int rows = (entries + 1) / 2;
    for (int n = 0; n < entries; ++n) {
        const int inner = n + 1;
        const PageSpec& spec = *pages[static_cast<std::size_t>(inner)].spec;
        QString description = qs(spec.summary);
        if (isUnbuilt(outer, inner)) description = QStringLiteral("(尚未完成) ") + description;
        auto* link = new QCommandLinkButton(qs(spec.tree_text()), description, this);
        link->setObjectName(QStringLiteral("索引_%1").arg(inner));
        connect(link, &QCommandLinkButton::clicked, this, [this, inner] { Q_EMIT pageChosen(m_outer, inner); });
        grid->addWidget(link, n % rows, n / rows);
    }
    grid->setRowStretch(rows, 1);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);
}

QCommandLinkButton* AreaIndex::entry(int inner) const {
    return findChild<QCommandLinkButton*>(QStringLiteral("索引_%1").arg(inner));
}

QWidget* createUnbuiltNotice(QWidget* parent) {
    auto* notice = new QLabel(QStringLiteral("此页尚未完成,以后的版本会加上。"), parent);
    notice->setObjectName(QStringLiteral("标签_尚未完成"));
    notice->setAlignment(Qt::AlignCenter);
    notice->setEnabled(false);  // in the muted colour of text that cannot be used
    return notice;
}

}  // namespace vorlix
