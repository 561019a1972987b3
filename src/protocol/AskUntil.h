// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "protocol/Clock.h"

#include <functional>

namespace telvorin {

class Protocol;

// How often a device is asked one question, and how long it is left between questions.
struct Asking {
    int attempts;
    int pauseMs;
};

// Asks `ask` until `counts` accepts what the device last said, at most asking.attempts
// times. Every question is followed by its pause, answered or not: a device that is
// still busy answers the next one. True when an answer counted.
bool AskUntil(Clock& clock, const Asking& asking, const std::function<void()>& ask,
              const std::function<bool()>& counts);

// The disk question, asked until the device reads 1 to 5; the last answer read.
int AskDiskState(Protocol& protocol, Clock& clock, const Asking& asking);

} // namespace telvorin
