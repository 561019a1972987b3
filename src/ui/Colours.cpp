// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Colours.h"

#include <QApplication>

namespace telvorin {

QString ColourSchemeStyleSheet()
{
    const QString bg = DialogBackground.name();
    const QString fg = DialogText.name();
    // Only a dialog's own controls, its direct children or those of its group boxes:
    // labels inside other widgets (such as a combo's or a list's) keep their own colours.
    // Group boxes draw their own light frame: the style's frame colour, taken from the
    // background, would all but vanish on the dark blue.
    return QStringLiteral(
               "QDialog { background-color: %1; }\n"
               "QDialog > QLabel, QDialog > QGroupBox, QDialog > QCheckBox, QDialog > QRadioButton,"
               " QDialog > QGroupBox > QLabel, QDialog > QGroupBox > QCheckBox,"
               " QDialog > QGroupBox > QRadioButton { color: %2; }\n"
               "QDialog > QGroupBox { border: 1px solid rgba(255, 255, 255, 150); border-radius: 2px;"
               " margin-top: 0.55em; }\n"
               "QDialog > QGroupBox::title { subcontrol-origin: margin; subcontrol-position: top left;"
               " left: 6px; padding: 0px 2px; }\n")
        .arg(bg, fg);
}

void ApplyColourScheme(QApplication& app)
{
    app.setStyleSheet(ColourSchemeStyleSheet());
}

} // namespace telvorin
