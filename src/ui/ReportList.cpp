// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/ReportList.h"

#include "ui/BlockingStep.h"

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QMouseEvent>
#include <QPalette>
#include <QPersistentModelIndex>

namespace telvorin {

namespace {

// Input held back during a blocking step cannot change the selection, but a screen
// reader's selection or a timer can: those changes wait for the step's end too and are
// then made in the order they came. Rows removed meanwhile are left out.
class HeldSelectionModel final : public QItemSelectionModel {
public:
    using QItemSelectionModel::QItemSelectionModel;

    void select(const QModelIndex& index, SelectionFlags command) override
    {
        if (!BlockingStepRunning()) {
            QItemSelectionModel::select(index, command);
            return;
        }
        AfterBlockingSteps(this,
                           [this, row = QPersistentModelIndex(index), wasValid = index.isValid(), command] {
                               if (row.isValid() || !wasValid)
                                   select(QModelIndex(row), command);
                           });
    }

    void select(const QItemSelection& selection, SelectionFlags command) override
    {
        if (!BlockingStepRunning()) {
            QItemSelectionModel::select(selection, command);
            return;
        }
        // The ranges hold persistent indexes: removed rows make them invalid.
        AfterBlockingSteps(this, [this, selection, command] {
            QItemSelection still;
            for (const QItemSelectionRange& range : selection) {
                if (range.isValid())
                    still.append(range);
            }
            if (still.size() == selection.size())
                select(still, command);
        });
    }

    void setCurrentIndex(const QModelIndex& index, SelectionFlags command) override
    {
        if (!BlockingStepRunning()) {
            QItemSelectionModel::setCurrentIndex(index, command);
            return;
        }
        AfterBlockingSteps(this,
                           [this, row = QPersistentModelIndex(index), wasValid = index.isValid(), command] {
                               if (row.isValid() || !wasValid)
                                   setCurrentIndex(QModelIndex(row), command);
                           });
    }
};

} // namespace

ReportList::ReportList(QWidget* parent)
    : QTreeWidget(parent)
{
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setAllColumnsShowFocus(true);
    header()->setStretchLastSection(false);
    header()->setSectionsMovable(false);
    QItemSelectionModel* plain = selectionModel();
    setSelectionModel(new HeldSelectionModel(model(), this));
    delete plain;

    // Keep the selection visible when another control has the focus.
    QPalette pal = palette();
    pal.setBrush(QPalette::Inactive, QPalette::Highlight, pal.brush(QPalette::Active, QPalette::Highlight));
    pal.setBrush(QPalette::Inactive, QPalette::HighlightedText,
                 pal.brush(QPalette::Active, QPalette::HighlightedText));
    setPalette(pal);
}

void ReportList::setColumns(std::initializer_list<std::pair<const char*, int>> columns)
{
    QStringList titles;
    for (const auto& column : columns)
        titles << QString::fromUtf8(column.first);
    setColumnCount(static_cast<int>(titles.size()));
    setHeaderLabels(titles);
    int index = 0;
    for (const auto& column : columns) {
        headerItem()->setTextAlignment(index, Qt::AlignLeft | Qt::AlignVCenter);
        setColumnWidth(index, column.second);
        ++index;
    }
}

void ReportList::mouseDoubleClickEvent(QMouseEvent* event)
{
    QTreeWidget::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton)
        releaseEndsDoubleClick_ = true;
}

void ReportList::mouseReleaseEvent(QMouseEvent* event)
{
    QTreeWidget::mouseReleaseEvent(event);
    if (event->button() != Qt::LeftButton)
        return;
    if (releaseEndsDoubleClick_) {
        releaseEndsDoubleClick_ = false;
        return;
    }
    Q_EMIT clickedAnywhere();
}

} // namespace telvorin
