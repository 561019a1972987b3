// SPDX-License-Identifier: GPL-3.0-or-later
#include "installui/DialogTimers.h"

#include <QTimer>

namespace telvorin {

QtDialogTimers::~QtDialogTimers()
{
    for (auto& [id, timer] : timers_)
        delete timer.data();
}

void QtDialogTimers::set(int id, int ms, std::function<void()> tick)
{
    kill(id);
    auto* timer = new QTimer(owner_);
    timer->setInterval(ms);
    QObject::connect(timer, &QTimer::timeout, owner_, std::move(tick));
    timers_[id] = timer;
    timer->start();
}

void QtDialogTimers::kill(int id)
{
    const auto it = timers_.find(id);
    if (it == timers_.end())
        return;
    if (it->second) {
        it->second->stop();
        it->second->deleteLater();
    }
    timers_.erase(it);
}

} // namespace telvorin
