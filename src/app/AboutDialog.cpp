// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/AboutDialog.h"

#include "resources/Strings.h"
#include "resources/Templates.h"
#include "ui/DialogBuilder.h"
#include "ui/Texts.h"

#include <QIcon>
#include <QLabel>
#include <QPushButton>

#include <cstring>
#include <string>
#include <vector>

namespace telvorin {

AboutDialog::AboutDialog(QWidget* parent)
    : QDialog(parent)
{
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    EnsureResources();
    // The version line is a format with the number as its argument; the builder shows the
    // filled-in line as it is.
    const std::string version =
        TrFormat(AboutVersionFormat, {QString::fromLatin1(AboutVersionNumber)}).toStdString();
    std::vector<ControlTemplate> controls(AboutTemplate.controls.begin(), AboutTemplate.controls.end());
    for (ControlTemplate& c : controls) {
        if (c.text && std::strcmp(c.text, AboutVersion) == 0)
            c.text = version.c_str();
    }
    DialogTemplate about = AboutTemplate;
    about.controls = controls;
    BuildDialog(*this, about);
    setObjectName(QStringLiteral("aboutDialog"));

    const QIcon icon(QString::fromLatin1(AppIconSvg));
    setWindowIcon(icon);
    if (auto* iconLabel = findChild<QLabel*>(QStringLiteral("aboutIcon")))
        iconLabel->setPixmap(icon.pixmap(32, 32));
    if (auto* ok = FindControl<QPushButton>(*this, IdOk))
        connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

} // namespace telvorin
