// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/AboutDialog.h"

#include "resources/Templates.h"
#include "ui/DialogBuilder.h"

#include <QIcon>
#include <QLabel>
#include <QPushButton>

namespace telvorin {

AboutDialog::AboutDialog(QWidget* parent)
    : QDialog(parent)
{
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    EnsureResources();
    BuildDialog(*this, AboutTemplate);
    setObjectName(QStringLiteral("aboutDialog"));

    const QIcon icon(QString::fromLatin1(AppIconSvg));
    setWindowIcon(icon);
    if (auto* iconLabel = findChild<QLabel*>(QStringLiteral("aboutIcon")))
        iconLabel->setPixmap(icon.pixmap(32, 32));
    if (auto* ok = FindControl<QPushButton>(*this, IdOk))
        connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

} // namespace telvorin
