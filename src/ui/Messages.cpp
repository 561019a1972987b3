// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Messages.h"

#include <QApplication>
#include <QMessageBox>

namespace telvorin {

QMessageBox::Icon ToQtIcon(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Stop: return QMessageBox::Critical;
    case MessageIcon::Exclamation: return QMessageBox::Warning;
    case MessageIcon::Information: return QMessageBox::Information;
    case MessageIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

QString MessageCaption(const QString& caption)
{
    return caption.isEmpty() ? QApplication::applicationName() : caption;
}

void QtMessages::show(QWidget* owner, const QString& text, const QString& caption, MessageIcon icon)
{
    QMessageBox box(ToQtIcon(icon), MessageCaption(caption), text, QMessageBox::Ok, owner);
    box.setObjectName(QStringLiteral("messageBox"));
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

} // namespace telvorin
