// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/DriveWatch.h"

#include <algorithm>

namespace telvorin {

DriveWatch::DriveWatch(Hooks hooks, std::int64_t waitMs, int settleMs)
    : hooks_(std::move(hooks))
    , waitMs_(waitMs)
    , settleMs_(settleMs)
{
}

void DriveWatch::loggedIn()
{
    startSoon(0);
}

void DriveWatch::networkChanged()
{
    startSoon(settleMs_);
}

void DriveWatch::resumed()
{
    // The links come up again just after the wake-up; their own changes push this back.
    startSoon(settleMs_);
}

void DriveWatch::startSoon(std::int64_t delayMs)
{
    // The round that runs is stopped: the next one takes up its letters, from a fresh pacing.
    tryAt_.reset();
    pacing_.reset();
    pending_.clear();
    startAt_ = hooks_.nowMs() + delayMs;
}

std::optional<std::int64_t> DriveWatch::run()
{
    std::int64_t now = hooks_.nowMs();
    if (startAt_ && now >= *startAt_) {
        startAt_.reset();
        pending_ = hooks_.unmounted();
        pacing_.emplace(now, waitMs_);
        tryAt_ = now;
    }
    if (tryAt_ && now >= *tryAt_)
        tryPending();
    now = hooks_.nowMs();
    std::optional<std::int64_t> due;
    for (const auto& at : {startAt_, tryAt_}) {
        if (at)
            due = std::min(due.value_or(*at), *at);
    }
    if (!due)
        return std::nullopt;
    return std::max<std::int64_t>(*due - now, 0);
}

void DriveWatch::tryPending()
{
    tryAt_.reset();
    // A letter mounted meanwhile (by the user, say) is not mounted over.
    const std::vector<char> unmounted = hooks_.unmounted();
    std::vector<char> again;
    for (const char letter : pending_) {
        if (std::find(unmounted.begin(), unmounted.end(), letter) == unmounted.end())
            continue;
        if (hooks_.attempt(letter) == RestoreTry::NotYet)
            again.push_back(letter);
    }
    pending_ = std::move(again);
    if (pending_.empty()) {
        pacing_.reset();
        return;
    }
    const std::optional<int> pause = pacing_->nextPause(hooks_.nowMs());
    if (!pause) {
        if (hooks_.waitOver)
            hooks_.waitOver(pending_);
        pending_.clear();
        pacing_.reset();
        return;
    }
    if (hooks_.pausing)
        hooks_.pausing(*pause, pending_);
    tryAt_ = hooks_.nowMs() + *pause;
}

} // namespace telvorin
