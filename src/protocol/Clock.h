// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace telvorin {

// Time source for every wait in the program. Logic that waits takes a Clock from its
// caller, so tests can run the same code on a fast clock.
class Clock {
public:
    virtual ~Clock() = default;
    // Milliseconds on a monotonic scale; only differences mean anything.
    virtual std::int64_t nowMs() = 0;
    virtual void sleepMs(int ms) = 0;
};

// The real, monotonic clock.
class SteadyClock final : public Clock {
public:
    std::int64_t nowMs() override;
    void sleepMs(int ms) override;
};

} // namespace telvorin
