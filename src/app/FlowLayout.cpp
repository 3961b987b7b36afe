#include "app/FlowLayout.hpp"

#include <QWidget>
#include <algorithm>

namespace vorlix {

FlowLayout::FlowLayout(int horizontalSpacing, int verticalSpacing)
    : m_hSpacing(horizontalSpacing), m_vSpacing(verticalSpacing) {
    setContentsMargins(0, 0, 0, 0);
}

FlowLayout::~FlowLayout() {
    while (QLayoutItem* item = takeAt(0)) delete item;
}

void FlowLayout::addItem(QLayoutItem* item) {
    m_items.append(item);
}

int FlowLayout::count() const {
    return static_cast<int>(m_items.size());
}

QLayoutItem* FlowLayout::itemAt(int index) const {
    return index >= 0 && index < m_items.size() ? m_items.at(index) : nullptr;
}

QLayoutItem* FlowLayout::takeAt(int index) {
    return index >= 0 && index < m_items.size() ? m_items.takeAt(index) : nullptr;
}

Qt::Orientations FlowLayout::expandingDirections() const {
    return {};
}

bool FlowLayout::hasHeightForWidth() const {
    return true;
}

int FlowLayout::heightForWidth(int width) const {
    return place(QRect(0, 0, width, 0), false);
}

QSize FlowLayout::minimumSize() const {
    // Never narrower than its widest item; the height is what heightForWidth gives.
    QSize size;
    for (const QLayoutItem* item : m_items) size = size.expandedTo(item->minimumSize());
    const QMargins m = contentsMargins();
    return size + QSize(m.left() + m.right(), m.top() + m.bottom());
}

QSize FlowLayout::sizeHint() const {
    // All on one line.
    int width = 0, height = 0;
    for (const QLayoutItem* item : m_items) {
        if (item->isEmpty()) continue;
        width += (width > 0 ? m_hSpacing : 0) + item->sizeHint().width();
        height = std::max(height, item->sizeHint().height());
    }
    const QMargins m = contentsMargins();
    return {width + m.left() + m.right(), height + m.top() + m.bottom()};
}

void FlowLayout::setGeometry(const QRect& rect) {
    QLayout::setGeometry(rect);
    place(rect, true);
}

int FlowLayout::place(const QRect& rect, bool apply) const {
    const QRect area = rect.marginsRemoved(contentsMargins());
    int x = area.x(), y = area.y(), lineHeight = 0;
    // The items of one line are centred on the line's height, so labels and boxes share a middle.
    QList<QLayoutItem*> line;
    auto finishLine = [&] {
        if (apply)
            for (QLayoutItem* item : line) {
                const QSize size = item->sizeHint();
                const QRect g = item->geometry();
                item->setGeometry(QRect(QPoint(g.x(), y + (lineHeight - size.height()) / 2), size));
            }
        line.clear();
    };
    for (QLayoutItem* item : m_items) {
        if (item->isEmpty()) continue;
        const QSize size = item->sizeHint();
        if (x > area.x() && x + size.width() > area.right() + 1) {
            finishLine();
            x = area.x();
            y += lineHeight + m_vSpacing;
            lineHeight = 0;
        }
        if (apply) item->setGeometry(QRect(QPoint(x, y), size));
        line.append(item);
        x += size.width() + m_hSpacing;
        lineHeight = std::max(lineHeight, size.height());
    }
    finishLine();
    const QMargins m = contentsMargins();
    return y + lineHeight - rect.y() + m.bottom();
}

}  // namespace vorlix
