// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/RecordingMessages.h"

#include <gtest/gtest.h>

namespace telvorin::test {

void RecordingMessages::show(QWidget* owner, const QString& text, const QString& caption, MessageIcon icon)
{
    messages_.push_back(RecordedMessage{owner, text, caption, icon});
}

const RecordedMessage& RecordingMessages::last() const
{
    static const RecordedMessage none;
    EXPECT_FALSE(messages_.empty()) << "no message was shown";
    return messages_.empty() ? none : messages_.back();
}

} // namespace telvorin::test
