// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPoint>
#include <QString>

class QTreeWidget;

namespace telvorin {

// A click on a list that a step held back (while a search fills the list, say) acts on
// the row that was under the pointer when the click reached the program, or on none,
// never on a row that has moved there since. The row is taken as the press arrives; when
// the press is delivered and another row (or none) is under the pointer by then, that row
// is made current (or no row is, when the click fell on empty space or its row is gone)
// and the press itself is swallowed, with the release that ends a swallowed double click.
// Rows are told apart by the text of one column.
class HeldClicks : public QObject {
    Q_OBJECT
public:
    HeldClicks(QTreeWidget* list, int keyColumn);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Whether the press is done with (swallowed).
    bool deliver(QPoint at, const QString& key, bool doubleClick);

    QTreeWidget* list_;
    int keyColumn_;
    bool swallowRelease_ = false;
};

} // namespace telvorin
