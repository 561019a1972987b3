#include "ui/Colours.h"

#include <QApplication>

namespace telvorin {

QString ColourSchemeStyleSheet()
{
    const QString bg = DialogBackground.name();
    const QString fg = DialogText.name();
    // Only direct children of a dialog: labels inside other widgets (such as a combo's
    // or a list's) keep their own colours.
    return QStringLiteral(
               "QDialog { background-color: %1; }\n"
               "QDialog > QLabel, QDialog > QGroupBox, QDialog > QCheckBox,"
               " QDialog > QRadioButton { color: %2; }\n")
        .arg(bg, fg);
}

void ApplyColourScheme(QApplication& app)
{
    app.setStyleSheet(ColourSchemeStyleSheet());
}

} // namespace telvorin
