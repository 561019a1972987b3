// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace telvorin {

// Mounting the letters again at login, when the network or the GVfs FUSE view may not be
// up yet: each letter is tried, those that could not be reached are tried again after a
// pause that doubles from 1 s up to 15 s, until all are mounted or the wait is over. A
// share that wants a password it was not given is given up at once: waiting brings none.
enum class RestoreTry {
    Mounted,
    GivenUp, // wants a password, or nothing says what to mount: never tried again
    NotYet,  // unreachable, or its FUSE view not there yet: tried again
};

struct RestoreClock {
    std::function<std::int64_t()> nowMs;
    std::function<void(int ms)> sleepMs;
};

struct RestoreOutcome {
    std::vector<char> givenUp;    // in the order they were given up
    std::vector<char> notMounted; // still unreachable when the wait was over
    bool allMounted() const { return givenUp.empty() && notMounted.empty(); }
};

constexpr int RestoreFirstPauseMs = 1000;
constexpr int RestoreLongestPauseMs = 15000;
constexpr int RestoreDefaultWaitSeconds = 120;

// The pauses of one restore that started at `startMs` and may last `waitMs`: 1, 2, 4, 8,
// then 15 s, the last one cut so that the last try comes at the end of the wait. Shared by
// the one-shot restore and the watcher, which runs its tries from an event loop.
class RestorePacing {
public:
    RestorePacing(std::int64_t startMs, std::int64_t waitMs);
    // The pause to take after a round of tries that ended at `nowMs`; nothing once the
    // wait is over.
    std::optional<int> nextPause(std::int64_t nowMs);

private:
    std::int64_t end_;
    int pause_ = RestoreFirstPauseMs;
};

// Tries `letters` with `attempt` until each is mounted or given up, or `waitMs` have
// passed since the start (0: one try each). `pausing(ms, pending)` hears of each pause
// before it is taken.
RestoreOutcome
RestoreLetters(const std::vector<char>& letters, const std::function<RestoreTry(char)>& attempt,
               std::int64_t waitMs, const RestoreClock& clock,
               const std::function<void(int ms, const std::vector<char>& pending)>& pausing = {});

} // namespace telvorin
