// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/HeldClicks.h"

#include "ui/BlockingStep.h"

#include <QMouseEvent>
#include <QPointer>
#include <QTreeWidget>

namespace telvorin {

HeldClicks::HeldClicks(QTreeWidget* list, int keyColumn)
    : QObject(list)
    , list_(list)
    , keyColumn_(keyColumn)
{
    list->viewport()->installEventFilter(this);
    WatchHeldPresses(this, [this](QWidget* under, QPoint at, bool doubleClick) -> std::function<bool()> {
        if (under != list_->viewport())
            return {};
        const QTreeWidgetItem* row = list_->itemAt(at);
        // A null key: empty space.
        const QString key = row ? row->text(keyColumn_) : QString();
        return [self = QPointer(this), at, key, doubleClick] {
            return self && self->deliver(at, key, doubleClick);
        };
    });
}

bool HeldClicks::deliver(QPoint at, const QString& key, bool doubleClick)
{
    const QTreeWidgetItem* now = list_->itemAt(at);
    if (!key.isNull() && now && now->text(keyColumn_) == key)
        return false; // the same device is still there

    QTreeWidgetItem* target = nullptr;
    for (int i = 0; i < list_->topLevelItemCount() && !target && !key.isNull(); ++i)
        if (list_->topLevelItem(i)->text(keyColumn_) == key)
            target = list_->topLevelItem(i);
    if (target) {
        list_->setCurrentItem(target);
    } else {
        list_->setCurrentItem(nullptr);
        list_->clearSelection();
    }
    // The release after a double click is no click of its own; its press is gone.
    swallowRelease_ = doubleClick;
    return true;
}

bool HeldClicks::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress)
        swallowRelease_ = false; // a release that never came
    if (swallowRelease_ && event->type() == QEvent::MouseButtonRelease) {
        swallowRelease_ = false;
        return true;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace telvorin
