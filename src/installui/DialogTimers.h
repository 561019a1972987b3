// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointer>
#include <QTimer>

#include <functional>
#include <map>
#include <memory>

namespace telvorin {

// The window timers of a dialog, by id as the dialogs name them. A timer repeats until
// it is killed. Tests hand in timers they fire themselves.
class DialogTimers {
public:
    virtual ~DialogTimers() = default;
    virtual void set(int id, int ms, std::function<void()> tick) = 0;
    virtual void kill(int id) = 0;
};

// Qt timers owned by a context object (the dialog).
class QtDialogTimers final : public DialogTimers {
public:
    explicit QtDialogTimers(QObject* owner)
        : owner_(owner)
    {
    }
    ~QtDialogTimers() override;
    void set(int id, int ms, std::function<void()> tick) override;
    void kill(int id) override;

private:
    QObject* owner_;
    std::map<int, QPointer<QTimer>> timers_;
};

} // namespace telvorin
