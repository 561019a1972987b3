// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "resources/DialogTemplate.h"

#include <QFont>
#include <QRect>
#include <QSize>

#include <vector>

class QDialog;
class QWidget;

namespace telvorin {

// Pixels per dialog unit base: the dialog font's average character width and height.
// One horizontal unit is cx/4 pixels, one vertical unit cy/8.
struct DialogUnits {
    int cx = 0;
    int cy = 0;

    static DialogUnits forFont(const QFont& font);
    int toPixelsX(int units) const;
    int toPixelsY(int units) const;
    QRect toPixels(int x, int y, int w, int h) const;
};

// The font a template asks for; "Arial" resolves to Liberation Sans through fontconfig.
QFont TemplateFont(const DialogTemplate& tpl);

// Turns a template into widgets on `dialog`: caption, font, fixed client size, one widget
// per control at its converted position, object names, and the template's tab order.
// A control drawn inside a group box is that box's child (see ParentIntoGroupBoxes); the
// others are the dialog's. Every control carries its id in the "controlId" property (see
// FindControl). Returns the widgets in the template's order, one per control.
std::vector<QWidget*> BuildDialog(QDialog& dialog, const DialogTemplate& tpl);

// A control made for a template, a child of the dialog, with the rectangle the template
// gives it in the dialog's pixels (its widget may have grown beyond it for its text).
struct PlacedControl {
    QWidget* widget;
    QRect templateRect;
};

// Makes each of `controls` whose template rectangle lies inside a group box's the child of
// the smallest such box, at the same place in the window, so screen readers find it within
// the group (and read the group's title as it takes the focus). Call it before the focus
// chain is set: reparenting moves a widget to the end of the chain.
void ParentIntoGroupBoxes(QDialog& dialog, const std::vector<PlacedControl>& controls);

// The control with this template id, or null; it may sit inside a group box.
QWidget* FindControlWidget(const QWidget& dialog, int id);

// The widget's rectangle in the coordinates of its window.
QRect RectInWindow(const QWidget& widget);

template <class T> T* FindControl(const QWidget& dialog, int id)
{
    return qobject_cast<T*>(FindControlWidget(dialog, id));
}

} // namespace telvorin
