#pragma once
// A layout that places its items left to right at their preferred widths and starts a new line when
// the next item would not fit: a row of fields that wraps in a narrow window instead of being cut.
#include <QLayout>
#include <QList>

namespace vorlix {

class FlowLayout : public QLayout {
public:
    explicit FlowLayout(int horizontalSpacing = 6, int verticalSpacing = 4);
    ~FlowLayout() override;

    void addItem(QLayoutItem* item) override;
    int count() const override;
    QLayoutItem* itemAt(int index) const override;
    QLayoutItem* takeAt(int index) override;
    Qt::Orientations expandingDirections() const override;
    bool hasHeightForWidth() const override;
    int heightForWidth(int width) const override;
    QSize minimumSize() const override;
    QSize sizeHint() const override;
    void setGeometry(const QRect& rect) override;

private:
    // Lays the items out in `rect` (only measuring unless `apply`) and returns the height used.
    int place(const QRect& rect, bool apply) const;

    QList<QLayoutItem*> m_items;
    int m_hSpacing, m_vSpacing;
};

}  // namespace vorlix
