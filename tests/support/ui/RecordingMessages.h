// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/Messages.h"

#include <QPointer>
#include <QString>
#include <QWidget>

#include <vector>

namespace telvorin::test {

// A message box as the program asked for it.
struct RecordedMessage {
    QPointer<QWidget> owner;
    QString text;
    QString caption; // as passed: empty means the application's name
    MessageIcon icon = MessageIcon::None;
};

// Records every message instead of showing it; never blocks.
class RecordingMessages final : public Messages {
public:
    void show(QWidget* owner, const QString& text, const QString& caption, MessageIcon icon) override;

    const std::vector<RecordedMessage>& all() const { return messages_; }
    bool empty() const { return messages_.empty(); }
    std::size_t count() const { return messages_.size(); }
    // The last message; fails the running test when there is none.
    const RecordedMessage& last() const;
    void clear() { messages_.clear(); }

private:
    std::vector<RecordedMessage> messages_;
};

} // namespace telvorin::test
