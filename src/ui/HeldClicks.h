// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>

#include <cstdint>
#include <vector>

class QTreeWidget;

namespace telvorin {

// A click on a list that the window held back while the list's rows moved (a blocking
// step that fills it) must act on the row that was under the pointer when the click was
// made, or on none, never on a row that has moved there since. HeldClicks keeps the list's
// visible layout over such a hold, each layout with the time it came into force; a held
// press, once delivered, is looked up in the layout of its own time (its timestamp, read
// on the window system's clock), that row is made current (or no row is, when the click
// fell on empty space or too close to a change to tell) and the press itself is
// swallowed. Rows are told apart by the text of one column.
class HeldClicks : public QObject {
    Q_OBJECT
public:
    HeldClicks(QTreeWidget* list, int keyColumn);

    void hold();          // input is held back from now on and the rows will move
    void layoutChanged(); // the rows moved
    void release();       // the hold ends; the held input is delivered after this

    // How close to a change of the row under it a click counts as made on neither.
    static constexpr int UnsureMs = 50;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Row {
        int top;
        int bottom;
        QString key;
    };
    struct Layout {
        std::int64_t atMs;
        std::vector<Row> rows;
    };

    Layout current() const;
    // The key under y at time atMs; null when unsure or on empty space.
    QString keyAt(int y, std::int64_t atMs) const;

    QTreeWidget* list_;
    int keyColumn_;
    std::vector<Layout> layouts_; // of the last hold, oldest first
    std::int64_t releasedMs_ = -1;
};

// Steady-clock milliseconds now, the clock HeldClicks stamps layouts with.
std::int64_t SteadyNowMs();
// An input event's timestamp (window-system milliseconds) on the steady clock. Learnt from
// the input events seen outside holds; before any, the window system is taken to stamp
// with the monotonic clock, as X servers and Wayland compositors do.
std::int64_t InputTimeToSteadyMs(std::uint64_t timestamp);

} // namespace telvorin
