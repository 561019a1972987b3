// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/DriveWatch.h"

#include <string>

namespace telvorin {

enum class WatchEnd {
    SessionEnded,   // the desktop session's bus went away
    Signalled,      // SIGTERM, SIGINT or SIGHUP
    NoSessionBus,   // there was none to begin with
    AlreadyWatched, // another watcher of this session runs; nothing was done
};

// Runs `watch` on the calling thread's GLib main loop: a round at once (the login), then on
// each network change (netlink, in this network namespace) and each resume from suspend
// (logind's PrepareForSleep on the system bus, where there is one). Idle, it sleeps in
// poll() with nothing to wake it but those events. One watcher per session: a lock in the
// user's runtime folder keeps a second one from starting.
WatchEnd WatchDrives(DriveWatch& watch);

} // namespace telvorin
