// SPDX-License-Identifier: GPL-3.0-or-later
// The tests' fake clock: what a sleep moves, counts and costs in real time, and sleeps
// from several threads at once.

#include "protocol/FakeClock.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>
#include <vector>

using telvorin::test::FakeClock;

TEST(FakeClock, ASleepMovesTheTimeCountsAndThenRunsTheHook)
{
    struct Row {
        const char* what;
        int realPercent;
        int sleepMs;
        long long minRealMs, maxRealMs;
    };
    const Row rows[] = {
        {"no real time", 0, 1000, 0, 100},
        {"a tenth", 10, 300, 30, 250},
        {"all of it", 100, 60, 60, 400},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        FakeClock clock(row.realPercent);
        clock.advance(5);
        std::vector<std::pair<int, std::int64_t>> seen; // (asked, time then)
        clock.onSleep = [&](int ms) { seen.emplace_back(ms, clock.nowMs()); };
        const auto start = std::chrono::steady_clock::now();
        clock.sleepMs(row.sleepMs);
        const auto realMs =
            std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start)
                .count();
        EXPECT_EQ(clock.nowMs(), 5 + row.sleepMs);
        EXPECT_EQ(clock.sleeps, 1);
        EXPECT_EQ(seen, (std::vector<std::pair<int, std::int64_t>>{{row.sleepMs, 5 + row.sleepMs}}));
        EXPECT_GE(realMs, row.minRealMs);
        EXPECT_LE(realMs, row.maxRealMs);
    }
}

TEST(FakeClock, SleepsFromSeveralThreadsAddUp)
{
    FakeClock clock;
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t) {
        threads.emplace_back([&clock] {
            for (int i = 0; i < 5000; ++i)
                clock.sleepMs(2);
        });
    }
    for (std::thread& t : threads)
        t.join();
    EXPECT_EQ(clock.sleeps, 20000);
    EXPECT_EQ(clock.nowMs(), 40000);
}
