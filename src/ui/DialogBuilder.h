// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "resources/DialogTemplate.h"

#include <QFont>
#include <QRect>
#include <QSize>

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

// Turns a template into widgets on `dialog`: caption, font, fixed client size, one child
// per control at its converted position, object names, and the template's tab order.
// Group boxes go to the back so they never cover the controls drawn inside them.
// Every control carries its id in the "controlId" property (see FindControl).
void BuildDialog(QDialog& dialog, const DialogTemplate& tpl);

// The control with this template id, or null.
QWidget* FindControlWidget(const QWidget& dialog, int id);

template <class T> T* FindControl(const QWidget& dialog, int id)
{
    return qobject_cast<T*>(FindControlWidget(dialog, id));
}

} // namespace telvorin
