// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/FocusRing.h"

#include "ui/Colours.h"

#include <QApplication>
#include <QEvent>
#include <QGroupBox>
#include <QPainter>
#include <QWidget>

namespace telvorin {

void FocusRing::install(QWidget& window)
{
    new FocusRing(window);
}

FocusRing::FocusRing(QWidget& window)
    : QObject(&window)
    , window_(window)
{
    setObjectName(QStringLiteral("focusRing"));
    window.installEventFilter(this);
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { follow(now); });
}

QWidget* FocusRing::controlOf(QWidget* widget) const
{
    // The controls are the window's direct children or a group box's; focus may sit on a
    // part of one, or in another window (a dialog over this one), which has no ring here.
    if (!widget || !window_.isAncestorOf(widget))
        return nullptr;
    while (widget->parentWidget() != &window_ && !qobject_cast<QGroupBox*>(widget->parentWidget()))
        widget = widget->parentWidget();
    return widget;
}

QRect FocusRing::ringedRect() const
{
    // A control on its way out (its window closing) may already be off the window.
    if (!window_.isAncestorOf(ringed_))
        return QRect();
    return QRect(ringed_->mapTo(&window_, QPoint()), ringed_->size());
}

void FocusRing::follow(QWidget* focus)
{
    QWidget* control = controlOf(focus);
    if (control == ringed_)
        return;
    const int r = Reach;
    if (ringed_)
        window_.update(ringedRect().adjusted(-r, -r, r, r));
    ringed_ = control;
    if (ringed_)
        window_.update(ringedRect().adjusted(-r, -r, r, r));
}

bool FocusRing::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != &window_)
        return false;
    if (event->type() != QEvent::Paint || !ringed_ || !ringed_->isVisible())
        return false;
    // The window paints itself first; the ring goes on top of its background, and the
    // controls are painted over both afterwards.
    static_cast<QObject&>(window_).event(event);
    QPainter painter(&window_);
    painter.setRenderHint(QPainter::Antialiasing, false);
    const QRect control = ringedRect();
    // Outer ring: two pixels, light; inner ring: one pixel, dark, right against the control.
    painter.setPen(Qt::NoPen);
    painter.setBrush(FocusRingOuter);
    QRegion outer(control.adjusted(-Reach, -Reach, Reach, Reach));
    outer -= QRegion(control.adjusted(-1, -1, 1, 1));
    painter.setClipRegion(outer);
    painter.drawRect(control.adjusted(-Reach, -Reach, Reach, Reach));
    QRegion inner(control.adjusted(-1, -1, 1, 1));
    inner -= QRegion(control);
    painter.setClipRegion(inner);
    painter.setBrush(FocusRingInner);
    painter.drawRect(control.adjusted(-1, -1, 1, 1));
    return true;
}

} // namespace telvorin
