// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// SIGINT, SIGTERM and SIGHUP, caught so that a program in the middle of an install can end
// it in order (the write ended, the device told to stop) before it goes. The first one is
// recorded; a second one of the same kind ends the program at once, as if uncaught.

#include <atomic>

namespace telvorin {

// Installs the handlers; once per process (later calls do nothing).
void CatchTerminationSignals();
// The number of the first signal caught; 0 until one arrived.
const std::atomic<int>& TerminationSignal();
// A descriptor that turns readable once a signal was caught (for an event loop's
// notifier); -1 before CatchTerminationSignals.
int TerminationNotifier();
// "SIGINT", "SIGTERM" or "SIGHUP"; "signal N" for any other.
const char* TerminationSignalName(int signal);

} // namespace telvorin
