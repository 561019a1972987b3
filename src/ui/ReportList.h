// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTreeWidget>

namespace telvorin {

// A report-style list: columns, full-row and single selection, no root decoration, the
// selection drawn the same with or without focus. It reports every left click, also
// one on the empty space below the rows, which itemClicked does not; a double click is
// one click, reported when its first button release comes.
class ReportList : public QTreeWidget {
    Q_OBJECT
public:
    explicit ReportList(QWidget* parent = nullptr);

    // Replaces the columns: one (title, width in pixels) per column, all left-aligned.
    void setColumns(std::initializer_list<std::pair<const char*, int>> columns);

    // A text drawn in the list's empty area while it has no rows; empty for none.
    void setEmptyText(const QString& text);
    QString emptyText() const { return emptyText_; }

Q_SIGNALS:
    void clickedAnywhere();

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QString emptyText_;
    // The release that ends a double click is not a click of its own.
    bool releaseEndsDoubleClick_ = false;
};

} // namespace telvorin
