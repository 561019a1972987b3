// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/ReportList.h"

#include "ui/Texts.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <QPainter>
#include <QPalette>
#include <QStyle>

#include <algorithm>

namespace telvorin {

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
        titles << TrText(column.first);
    setColumnCount(static_cast<int>(titles.size()));
    setHeaderLabels(titles);
    int index = 0;
    for (const auto& column : columns) {
        headerItem()->setTextAlignment(index, Qt::AlignLeft | Qt::AlignVCenter);
        // A longer title in another language widens its column rather than being cut.
        const QString& title = titles[index];
        const int needed = header()->fontMetrics().size(Qt::TextSingleLine, title).width() +
                           2 * header()->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header());
        setColumnWidth(index, std::max(column.second, needed));
        ++index;
    }
}

void ReportList::setEmptyText(const QString& text)
{
    if (text == emptyText_)
        return;
    emptyText_ = text;
    viewport()->update();
}

void ReportList::paintEvent(QPaintEvent* event)
{
    QTreeWidget::paintEvent(event);
    if (emptyText_.isEmpty() || topLevelItemCount() > 0)
        return;
    QPainter painter(viewport());
    painter.setPen(palette().color(QPalette::Text));
    const int margin = fontMetrics().averageCharWidth();
    painter.drawText(viewport()->rect().adjusted(margin, margin / 2, -margin, 0),
                     Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, emptyText_);
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
