// SPDX-License-Identifier: GPL-3.0-or-later
// When the window searches by itself, on a simulated clock: after network changes and
// while its list stays empty, only when idle with nothing selected.

#include "appstate/AutoSearchPlan.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

using namespace telvorin;

namespace {

constexpr std::int64_t SearchMs = 1040;

struct Row {
    const char* what = "";
    std::vector<std::int64_t> changes = {};      // network notices
    std::vector<std::int64_t> userSearches = {}; // Refresh presses
    std::function<bool(std::int64_t)> emptyFrom = [](std::int64_t) { return false; };
    bool moves = true;          // a notice changes the usable interfaces
    bool selected = false;      // a device stays selected throughout
    std::int64_t busyUntil = 0; // a handler runs until then
    std::int64_t untilMs = 200'000;
    std::vector<std::int64_t> expected = {}; // start of each search the plan runs
};

// Runs the window's first search at 0, then the plan, the notices and the presses.
std::vector<std::int64_t> Simulate(const Row& row)
{
    AutoSearchPlan plan;
    std::vector<std::int64_t> autoSearches;
    std::int64_t lastSearchStart = 0, lastChange = -1;
    std::size_t nextChange = 0, nextUser = 0;
    std::int64_t askAgain = -1; // after a Wait
    auto search = [&](std::int64_t start, bool again) {
        lastSearchStart = start;
        // Notices that come while the search runs still reach the plan.
        while (nextChange < row.changes.size() && row.changes[nextChange] < start + SearchMs) {
            lastChange = std::max(lastChange, row.changes[nextChange]);
            plan.networkChanged(row.changes[nextChange++]);
        }
        plan.searched(start + SearchMs, row.emptyFrom(start), again);
        return start + SearchMs;
    };
    std::int64_t t = search(0, false);
    while (t < row.untilMs) {
        std::int64_t due = plan.dueMs().value_or(INT64_MAX);
        if (askAgain >= 0) // a busy window is asked again later, as the timer does
            due = askAgain;
        const std::int64_t change = nextChange < row.changes.size() ? row.changes[nextChange] : INT64_MAX;
        const std::int64_t user = nextUser < row.userSearches.size() ? row.userSearches[nextUser] : INT64_MAX;
        const std::int64_t next = std::max(t, std::min({due, change, user}));
        if (next >= row.untilMs)
            break;
        t = next;
        if (change <= t && change <= user) {
            lastChange = change;
            plan.networkChanged(row.changes[nextChange++]);
            continue;
        }
        if (user <= t) {
            ++nextUser;
            t = search(t, false);
            continue;
        }
        askAgain = -1;
        switch (plan.take(t, t >= row.busyUntil, row.selected, row.moves && lastChange >= lastSearchStart)) {
        case AutoSearchPlan::Decision::Wait: askAgain = t + 250; break;
        case AutoSearchPlan::Decision::SearchNetwork:
            autoSearches.push_back(t);
            t = search(t, false);
            break;
        case AutoSearchPlan::Decision::SearchAgain:
            autoSearches.push_back(t);
            t = search(t, true);
            break;
        case AutoSearchPlan::Decision::None: break;
        }
    }
    return autoSearches;
}

TEST(AutoSearchPlan, SearchesAfterChangesAndWhileTheListIsEmpty)
{
    auto always = [](std::int64_t) { return true; };
    std::vector<std::int64_t> stream;
    for (std::int64_t at = 5000; at <= 6800; at += 300)
        stream.push_back(at);
    const std::vector<Row> rows = {
        {.what = "a burst of notices is one search, once they are quiet",
         .changes = {5000, 5100, 5200},
         .expected = {5700}},
        {.what = "a steady stream of notices is searched 2 s after it began",
         .changes = stream,
         .expected = {7000}},
        {.what = "a notice that leaves the interfaces as they were searches nothing",
         .changes = {5000},
         .moves = false,
         .expected = {}},
        {.what = "with a device selected a change searches nothing",
         .changes = {5000},
         .selected = true,
         .expected = {}},
        {.what = "a busy window searches once it is idle",
         .changes = {5000},
         .busyUntil = 8000,
         .expected = {8000}},
        {.what = "an empty list is searched again after 2, 4, 8 ... s, at most 60 s apart",
         .emptyFrom = always,
         .expected = {3040, 8080, 17120, 34160, 67200, 128240, 189280}},
        {.what = "once a device is listed the searches stop",
         .emptyFrom = [](std::int64_t at) { return at < 10'000; },
         .expected = {3040, 8080, 17120}},
        {.what = "Refresh starts the pauses again at 2 s",
         .userSearches = {20'000},
         .emptyFrom = always,
         .untilMs = 30'000,
         .expected = {3040, 8080, 17120, 23040, 28080}},
        {.what = "an empty list with a device selected is not searched again",
         .emptyFrom = always,
         .selected = true,
         .expected = {}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        EXPECT_EQ(Simulate(row), row.expected);
    }
}

} // namespace
