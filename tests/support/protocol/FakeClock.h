// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "protocol/Clock.h"

#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <thread>

namespace telvorin::test {

// A clock whose time moves only when something waits on it, so waits cost nothing.
// Sleeps may come from worker threads: the time and the count are atomic.
class FakeClock final : public Clock {
public:
    FakeClock() = default;
    // Each sleep also takes `realPercent` percent of the time asked for in real time, so
    // worker threads get to run and a test can look at a window mid-way.
    explicit FakeClock(int realPercent)
        : realPercent(realPercent)
    {
    }

    std::int64_t nowMs() override { return nowUs_ / 1000; }
    void sleepMs(int ms) override
    {
        nowUs_ += std::int64_t{ms} * 1000;
        ++sleeps;
        if (onSleep)
            onSleep(ms);
        if (realPercent > 0)
            std::this_thread::sleep_for(std::chrono::microseconds(std::int64_t{ms} * 10 * realPercent));
    }

    std::int64_t nowUs() const { return nowUs_; }
    void advanceUs(std::int64_t us) { nowUs_ += us; }
    void advance(int ms) { nowUs_ += std::int64_t{ms} * 1000; }
    void setUs(std::int64_t us) { nowUs_ = us; }

    std::atomic<int> sleeps{0};
    int realPercent = 0;
    // Runs in the sleeping thread after the time moved and the sleep was counted: a test
    // takes real time here, holds the sleeper until it lets go, or notes what was asked.
    std::function<void(int ms)> onSleep;

private:
    std::atomic<std::int64_t> nowUs_{0};
};

} // namespace telvorin::test
