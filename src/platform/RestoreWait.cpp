// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/RestoreWait.h"

#include <algorithm>

namespace telvorin {

RestorePacing::RestorePacing(std::int64_t startMs, std::int64_t waitMs)
    : end_(startMs + std::max<std::int64_t>(waitMs, 0))
{
}

std::optional<int> RestorePacing::nextPause(std::int64_t nowMs)
{
    const std::int64_t left = end_ - nowMs;
    if (left <= 0)
        return std::nullopt;
    const int ms = static_cast<int>(std::min<std::int64_t>(pause_, left));
    pause_ = std::min(pause_ * 2, RestoreLongestPauseMs);
    return ms;
}

RestoreOutcome RestoreLetters(const std::vector<char>& letters,
                              const std::function<RestoreTry(char)>& attempt, std::int64_t waitMs,
                              const RestoreClock& clock,
                              const std::function<void(int ms, const std::vector<char>& pending)>& pausing)
{
    RestoreOutcome outcome;
    RestorePacing pacing(clock.nowMs(), waitMs);
    std::vector<char> pending = letters;
    for (;;) {
        std::vector<char> again;
        for (const char letter : pending) {
            switch (attempt(letter)) {
            case RestoreTry::Mounted: break;
            case RestoreTry::GivenUp: outcome.givenUp.push_back(letter); break;
            case RestoreTry::NotYet: again.push_back(letter); break;
            }
        }
        pending = std::move(again);
        if (pending.empty())
            break;
        const std::optional<int> ms = pacing.nextPause(clock.nowMs());
        if (!ms)
            break;
        if (pausing)
            pausing(*ms, pending);
        clock.sleepMs(*ms);
    }
    outcome.notMounted = std::move(pending);
    return outcome;
}

} // namespace telvorin
