// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "protocol/Clock.h"

#include <cstdint>

namespace telvorin::test {

// A clock whose time moves only when something waits on it, so waits cost nothing.
class FakeClock final : public Clock {
public:
    std::int64_t nowMs() override { return nowUs_ / 1000; }
    void sleepMs(int ms) override
    {
        nowUs_ += std::int64_t{ms} * 1000;
        ++sleeps;
    }

    std::int64_t nowUs() const { return nowUs_; }
    void advanceUs(std::int64_t us) { nowUs_ += us; }
    void advance(int ms) { nowUs_ += std::int64_t{ms} * 1000; }
    void setUs(std::int64_t us) { nowUs_ = us; }

    int sleeps = 0;

private:
    std::int64_t nowUs_ = 0;
};

} // namespace telvorin::test
