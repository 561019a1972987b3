// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QString>

class QApplication;

namespace telvorin {

// The colours every dialog and message box of the program shares.
inline const QColor DialogBackground{0, 98, 147};
inline const QColor DialogText{255, 255, 255};
// The focus ring: a light outer ring that stands out on the blue, a dark inner one that
// stands out against a light control.
inline const QColor FocusRingOuter{255, 214, 0};
inline const QColor FocusRingInner{16, 16, 16};

// The style sheet that paints dialog and message box backgrounds and the text of their
// labels, group-box titles and check boxes; edits, lists, combos and buttons keep the
// style's normal look.
QString ColourSchemeStyleSheet();

// Applies the scheme to the whole application; called once at start-up.
void ApplyColourScheme(QApplication& app);

} // namespace telvorin
