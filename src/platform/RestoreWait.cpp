// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/RestoreWait.h"

#include <algorithm>

namespace telvorin {

RestoreOutcome RestoreLetters(const std::vector<char>& letters,
                              const std::function<RestoreTry(char)>& attempt, std::int64_t waitMs,
                              const RestoreClock& clock,
                              const std::function<void(int ms, const std::vector<char>& pending)>& pausing)
{
    RestoreOutcome outcome;
    const std::int64_t end = clock.nowMs() + std::max<std::int64_t>(waitMs, 0);
    std::vector<char> pending = letters;
    int pause = RestoreFirstPauseMs;
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
        const std::int64_t left = end - clock.nowMs();
        if (pending.empty() || left <= 0)
            break;
        // The last pause ends with the wait, so the last try comes at its end.
        const int ms = static_cast<int>(std::min<std::int64_t>(pause, left));
        if (pausing)
            pausing(ms, pending);
        clock.sleepMs(ms);
        pause = std::min(pause * 2, RestoreLongestPauseMs);
    }
    outcome.notMounted = std::move(pending);
    return outcome;
}

} // namespace telvorin
