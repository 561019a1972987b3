// SPDX-License-Identifier: GPL-3.0-or-later
#include "protocol/Clock.h"

#include <chrono>
#include <thread>

namespace telvorin {

std::int64_t SteadyClock::nowMs()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

void SteadyClock::sleepMs(int ms)
{
    if (ms > 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

} // namespace telvorin
