// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>

namespace telvorin {

// When the main window searches by itself: a while after the network changed (one search
// for a burst of changes), and while the list stays empty, again and again with a
// growing pause, so a device that boots later shows up. Only when the window is idle
// with no device selected: nothing is searched behind the user's back. Plain logic; the
// caller hands in the time (milliseconds on one monotonic scale) and asks when due.
class AutoSearchPlan {
public:
    static constexpr int QuietMs = 500;       // a burst is over after this long without news
    static constexpr int BurstLimitMs = 2000; // and searched this long after it began at most
    static constexpr int FirstPauseMs = 2000;
    static constexpr int LongestPauseMs = 60000;

    enum class Decision {
        None,          // nothing to do now
        Wait,          // due, but the window is busy: ask again shortly
        SearchNetwork, // search: the interfaces changed
        SearchAgain,   // search: the list is still empty
    };

    void networkChanged(std::int64_t nowMs);
    // After every search, whoever ran it; again says it was this plan's SearchAgain.
    void searched(std::int64_t nowMs, bool listEmpty, bool again);
    // The next time take() may have something to do.
    std::optional<std::int64_t> dueMs() const;
    // What to do at nowMs; a search or a drop uses up what was due.
    Decision take(std::int64_t nowMs, bool idle, bool deviceSelected, bool interfacesChanged);

private:
    std::optional<std::int64_t> changeDueMs() const;

    std::optional<std::int64_t> firstChangeMs_, lastChangeMs_;
    std::optional<std::int64_t> againAtMs_;
    int pauseMs_ = FirstPauseMs;
};

} // namespace telvorin
