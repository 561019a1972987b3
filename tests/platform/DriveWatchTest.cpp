// SPDX-License-Identifier: GPL-3.0-or-later
// The drive watcher's rounds on a fake clock: which letters are tried when, after login,
// network changes and resumes, and which are left alone.
#include "platform/DriveWatch.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace telvorin {
namespace {

enum class Event { Login, Change, Resume, UserUnmounts, UserMounts };

struct Step {
    std::int64_t at;
    Event event;
    char letter = 0; // for UserUnmounts and UserMounts
};

// Mapped letters, each mounted or not, reachable from a time on ('?' wants a password);
// the watch is driven as the event loop does: run() at each event and when it is due.
struct World {
    std::int64_t now = 0;
    std::set<char> mounted;
    std::set<char> mapped;
    std::map<char, std::int64_t> upFrom;
    std::vector<std::pair<std::int64_t, char>> tries;
    std::vector<char> waitOver;

    std::vector<std::pair<std::int64_t, char>> play(std::vector<Step> steps, std::int64_t until,
                                                    std::int64_t waitMs = 120000)
    {
        DriveWatch::Hooks hooks;
        hooks.nowMs = [this] { return now; };
        hooks.unmounted = [this] {
            std::vector<char> letters;
            for (const char letter : mapped) {
                if (!mounted.contains(letter))
                    letters.push_back(letter);
            }
            return letters;
        };
        hooks.attempt = [this](char letter) {
            tries.emplace_back(now, letter);
            now += 10; // a try takes a moment
            if (letter == '?')
                return RestoreTry::GivenUp;
            const auto up = upFrom.find(letter);
            if (up == upFrom.end() || now < up->second)
                return RestoreTry::NotYet;
            mounted.insert(letter);
            return RestoreTry::Mounted;
        };
        hooks.waitOver = [this](const std::vector<char>& letters) {
            waitOver.insert(waitOver.end(), letters.begin(), letters.end());
        };
        DriveWatch watch(std::move(hooks), waitMs);
        std::optional<std::int64_t> dueAt;
        std::size_t next = 0;
        while (now < until) {
            const bool event = next < steps.size() && (!dueAt || steps[next].at <= *dueAt);
            if (!event && !dueAt)
                break;
            now = std::max(now, event ? steps[next].at : *dueAt);
            if (event) {
                const Step& s = steps[next++];
                switch (s.event) {
                case Event::Login: watch.loggedIn(); break;
                case Event::Change: watch.networkChanged(); break;
                case Event::Resume: watch.resumed(); break;
                case Event::UserUnmounts: mounted.erase(s.letter); break;
                case Event::UserMounts: mounted.insert(s.letter); break;
                }
            }
            const auto wait = watch.run();
            dueAt = wait ? std::optional<std::int64_t>(now + *wait) : std::nullopt;
        }
        return tries;
    }
};

using Tries = std::vector<std::pair<std::int64_t, char>>;

TEST(DriveWatch, RoundsStartAtLoginAndAfterTheNetworkSettlesAndTryOnlyWhatIsNotMounted)
{
    struct Row {
        const char* what;
        std::set<char> mapped;
        std::set<char> mounted;
        std::map<char, std::int64_t> upFrom; // the others never come up
        std::vector<Step> steps;
        Tries tries;
    };
    const std::vector<Row> rows = {
        {"login tries the unmounted letters at once, a mounted one never",
         {'X', 'Y', 'Z'},
         {'Y'},
         {{'X', 0}, {'Z', 0}},
         {{0, Event::Login}},
         {{0, 'X'}, {10, 'Z'}}},
        {"an unreachable share is tried again after 1, 2 and 4 s until it is up",
         {'Z'},
         {},
         {{'Z', 6000}},
         {{0, Event::Login}},
         {{0, 'Z'}, {1010, 'Z'}, {3020, 'Z'}, {7030, 'Z'}}},
        {"a share the user unmounts while the network stays steady is left alone",
         {'Z'},
         {},
         {{'Z', 0}},
         {{0, Event::Login}, {5000, Event::UserUnmounts, 'Z'}},
         {{0, 'Z'}}},
        {"the next change brings it back, one round for a burst, a second after the last",
         {'Z'},
         {},
         {{'Z', 0}},
         {{0, Event::Login},
          {5000, Event::UserUnmounts, 'Z'},
          {9000, Event::Change},
          {9300, Event::Change},
          {9600, Event::Change}},
         {{0, 'Z'}, {10600, 'Z'}}},
        {"a resume brings it back a second after the wake-up",
         {'Z'},
         {'Z'},
         {{'Z', 0}},
         {{0, Event::Login}, {5000, Event::UserUnmounts, 'Z'}, {20000, Event::Resume}},
         {{21000, 'Z'}}},
        {"within a round, a letter mounted by it and unmounted by the user is not tried again",
         {'Y', 'Z'},
         {},
         {{'Y', 0}, {'Z', 2500}},
         {{0, Event::Login}, {500, Event::UserUnmounts, 'Y'}},
         {{0, 'Y'}, {10, 'Z'}, {1020, 'Z'}, {3030, 'Z'}}},
        {"a change during a round starts it afresh: first try after the settling, then 1 s",
         {'Z'},
         {},
         {{'Z', 9000}},
         {{0, Event::Login}, {5000, Event::Change}},
         {{0, 'Z'}, {1010, 'Z'}, {3020, 'Z'}, {6000, 'Z'}, {7010, 'Z'}, {9020, 'Z'}}},
        {"a share that wants a password is tried once a round, not again within it",
         {'?', 'Z'},
         {},
         {{'Z', 1500}},
         {{0, Event::Login}, {30000, Event::Change}},
         {{0, '?'}, {10, 'Z'}, {1020, 'Z'}, {3030, 'Z'}, {31000, '?'}}},
        {"a letter the user mounted during the round is not mounted over",
         {'Z'},
         {},
         {},
         {{0, Event::Login}, {500, Event::UserMounts, 'Z'}},
         {{0, 'Z'}}},
    };
    for (const Row& row : rows) {
        World world;
        world.mapped = row.mapped;
        world.mounted = row.mounted;
        world.upFrom = row.upFrom;
        EXPECT_EQ(world.play(row.steps, 200000), row.tries) << row.what;
    }
}

TEST(DriveWatch, ARoundEndsWithTheWaitNamingWhatIsLeftAndThenSleepsUntilAnEvent)
{
    World world;
    world.mapped = {'Z'};
    const Tries tries = world.play({{0, Event::Login}}, 1000000, 30000);
    ASSERT_FALSE(tries.empty());
    EXPECT_GE(tries.back().first, 30000);
    EXPECT_LT(tries.back().first, 30100) << "the last try comes at the end of the wait";
    EXPECT_EQ(world.waitOver, std::vector<char>{'Z'});
    EXPECT_LT(world.now, 31000) << "no more work after the round: the loop would sleep";
}

} // namespace
} // namespace telvorin
