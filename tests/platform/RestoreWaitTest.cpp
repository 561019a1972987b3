// SPDX-License-Identifier: GPL-3.0-or-later
// The restore's retries on a fake clock: which letters are tried when, and for how long.
#include "platform/RestoreWait.h"

#include <gtest/gtest.h>

#include <map>
#include <vector>

namespace telvorin {
namespace {

// Letters that become reachable at a given time (ms); those absent never do. '?' wants a
// password.
struct World {
    std::int64_t now = 0;
    std::map<char, std::int64_t> upAt;
    std::vector<std::pair<std::int64_t, char>> tries;
    std::vector<int> pauses;

    RestoreOutcome restore(const std::vector<char>& letters, std::int64_t waitMs)
    {
        const RestoreClock clock{[this] { return now; }, [this](int ms) { now += ms; }};
        return RestoreLetters(
            letters,
            [this](char letter) {
                tries.emplace_back(now, letter);
                now += 10; // a try takes a moment
                if (letter == '?')
                    return RestoreTry::GivenUp;
                const auto up = upAt.find(letter);
                return up != upAt.end() && now >= up->second ? RestoreTry::Mounted : RestoreTry::NotYet;
            },
            waitMs, clock, [this](int ms, const std::vector<char>&) { pauses.push_back(ms); });
    }
};

TEST(RestoreWait, PauseDoublesFromOneSecondToFifteenAndStopsWithTheWaitOrAtOnceWithoutOne)
{
    World world;
    const RestoreOutcome outcome = world.restore({'Z'}, 120000);
    EXPECT_EQ(outcome.notMounted, std::vector<char>{'Z'});
    ASSERT_GE(world.pauses.size(), 6u);
    EXPECT_EQ(std::vector<int>(world.pauses.begin(), world.pauses.begin() + 6),
              (std::vector<int>{1000, 2000, 4000, 8000, 15000, 15000}));
    // The last try comes at the end of the wait, not a pause after it.
    EXPECT_GE(world.tries.back().first, 120000);
    EXPECT_LT(world.tries.back().first, 120100);

    World once;
    EXPECT_EQ(once.restore({'X', 'Z'}, 0).notMounted, (std::vector<char>{'X', 'Z'}));
    EXPECT_EQ(once.tries.size(), 2u) << "no wait is one try";
    EXPECT_TRUE(once.pauses.empty());
}

TEST(RestoreWait, ReachableLaterIsMountedAndPasswordIsGivenUpAtOnce)
{
    World world;
    world.upAt = {{'Y', 0}, {'Z', 5000}};
    const RestoreOutcome outcome = world.restore({'?', 'Y', 'Z'}, 120000);
    EXPECT_TRUE(outcome.notMounted.empty());
    EXPECT_EQ(outcome.givenUp, std::vector<char>{'?'});
    EXPECT_FALSE(outcome.allMounted());
    // '?' and 'Y' once each; 'Z' until it is up (after 1 + 2 + 4 s of pauses), then no more.
    std::map<char, int> tries;
    for (const auto& [at, letter] : world.tries)
        ++tries[letter];
    EXPECT_EQ(tries, (std::map<char, int>{{'?', 1}, {'Y', 1}, {'Z', 4}}));
    EXPECT_LT(world.now, 8000);
}

} // namespace
} // namespace telvorin
