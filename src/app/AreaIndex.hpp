#pragma once
// The first page of an outer tab that has no page of its own: the area's other pages, each with what
// it is for, one click away. Built from the registry, so a page added to an area appears here too.
#include <QWidget>

class QCommandLinkButton;

namespace vorlix {

class AreaIndex : public QWidget {
    Q_OBJECT
public:
    // The index of the pages of outer tab `outer`.
    explicit AreaIndex(int outer, QWidget* parent = nullptr);

    // The entry of the area's page `inner`, or null.
    QCommandLinkButton* entry(int inner) const;

Q_SIGNALS:
    // An entry was clicked: show page `inner` of the area.
    void pageChosen(int outer, int inner);

private:
    int m_outer;
};

// Whether a page has nothing to show yet: no controls. The first page of an area without controls is
// the area's index instead.
bool isUnbuilt(int outer, int inner);
bool isAreaIndex(int outer, int inner);

// What a page that is not built yet shows, in the middle of its room.
QWidget* createUnbuiltNotice(QWidget* parent = nullptr);

}  // namespace vorlix
