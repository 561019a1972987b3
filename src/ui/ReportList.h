#pragma once

#include <QTreeWidget>

namespace telvorin {

// A report-style list: columns, full-row and single selection, no root decoration, the
// selection drawn the same with or without focus. It reports every left click, also
// one on the empty space below the rows, which itemClicked does not.
class ReportList : public QTreeWidget {
    Q_OBJECT
public:
    explicit ReportList(QWidget* parent = nullptr);

    // Replaces the columns: one (title, width in pixels) per column, all left-aligned.
    void setColumns(std::initializer_list<std::pair<const char*, int>> columns);

Q_SIGNALS:
    void clickedAnywhere();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace telvorin
