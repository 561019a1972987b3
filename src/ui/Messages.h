// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMessageBox>
#include <QString>

class QWidget;

namespace telvorin {

enum class MessageIcon { None, Stop, Exclamation, Information };

// Every message box of the program goes through this, so tests can record the caption,
// icon and text of what would be shown without a modal loop.
class Messages {
public:
    virtual ~Messages() = default;
    // A modal box with one OK button owned by `owner`. An empty caption means the
    // application's name.
    virtual void show(QWidget* owner, const QString& text, const QString& caption, MessageIcon icon) = 0;
};

// The message box icon for each of our icons: stop is Critical, exclamation Warning.
QMessageBox::Icon ToQtIcon(MessageIcon icon);
// The caption a box shows: its own, or the application's name ("telvorin") when empty.
QString MessageCaption(const QString& caption);

// The real thing: a QMessageBox with one OK button, run modally.
class QtMessages final : public Messages {
public:
    void show(QWidget* owner, const QString& text, const QString& caption, MessageIcon icon) override;
};

} // namespace telvorin
