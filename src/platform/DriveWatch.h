// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/RestoreWait.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace telvorin {

// When the drive watcher mounts which letters again, apart from the system it runs on.
//
// A round takes the letters whose share is not mounted at its start and tries them with
// the restore's pacing until each is mounted, given up or the wait is over. Rounds start at
// login, and once the network has been quiet for a moment after a change or a resume; a
// burst of changes makes one round, and a new one replaces a round still running. Between
// rounds nothing is looked at, so a share the user unmounted while the network stayed
// steady stays unmounted until the next change, resume or login; within a round only the
// letters it started with are tried again.
//
// Nothing here waits: the caller calls run() when it is due and when something happened.
class DriveWatch {
public:
    struct Hooks {
        std::function<std::int64_t()> nowMs;
        // The mapped letters whose share is not mounted now.
        std::function<std::vector<char>()> unmounted;
        std::function<RestoreTry(char)> attempt;
        // Optional: a pause before the round's letters in `pending` are tried again.
        std::function<void(int ms, const std::vector<char>& pending)> pausing;
        // Optional: the letters still not mounted when a round's wait was over.
        std::function<void(const std::vector<char>& notMounted)> waitOver;
    };

    // How long the network must stay quiet after a change before a round starts.
    static constexpr int SettleMs = 1000;

    explicit DriveWatch(Hooks hooks, std::int64_t waitMs = std::int64_t{RestoreDefaultWaitSeconds} * 1000,
                        int settleMs = SettleMs);

    void loggedIn();
    void networkChanged();
    void resumed();

    // Does what is due now; the milliseconds until it should be called again, or nothing
    // when only an event can bring more work.
    std::optional<std::int64_t> run();

private:
    void startSoon(std::int64_t delayMs);
    void tryPending();

    Hooks hooks_;
    std::int64_t waitMs_;
    int settleMs_;
    std::optional<std::int64_t> startAt_;
    std::optional<std::int64_t> tryAt_;
    std::optional<RestorePacing> pacing_;
    std::vector<char> pending_;
};

} // namespace telvorin
