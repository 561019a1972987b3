// SPDX-License-Identifier: GPL-3.0-or-later
#include "appstate/AutoSearchPlan.h"

#include <algorithm>

namespace telvorin {

void AutoSearchPlan::networkChanged(std::int64_t nowMs)
{
    if (!firstChangeMs_)
        firstChangeMs_ = nowMs;
    lastChangeMs_ = nowMs;
}

void AutoSearchPlan::searched(std::int64_t nowMs, bool listEmpty, bool again)
{
    // Any search sees the interfaces of its moment: a change before it is answered.
    firstChangeMs_.reset();
    lastChangeMs_.reset();
    // A search the user asked for (or one after a change) starts the pauses afresh.
    if (!again)
        pauseMs_ = FirstPauseMs;
    if (!listEmpty) {
        againAtMs_.reset();
        pauseMs_ = FirstPauseMs;
        return;
    }
    againAtMs_ = nowMs + pauseMs_;
    pauseMs_ = std::min(pauseMs_ * 2, LongestPauseMs);
}

std::optional<std::int64_t> AutoSearchPlan::changeDueMs() const
{
    if (!firstChangeMs_)
        return std::nullopt;
    return std::min(*firstChangeMs_ + BurstLimitMs, *lastChangeMs_ + QuietMs);
}

std::optional<std::int64_t> AutoSearchPlan::dueMs() const
{
    const auto change = changeDueMs();
    if (change && againAtMs_)
        return std::min(*change, *againAtMs_);
    return change ? change : againAtMs_;
}

AutoSearchPlan::Decision AutoSearchPlan::take(std::int64_t nowMs, bool idle, bool deviceSelected,
                                              bool interfacesChanged)
{
    const auto change = changeDueMs();
    const bool changeDue = change && nowMs >= *change;
    const bool againDue = againAtMs_ && nowMs >= *againAtMs_;
    if (!changeDue && !againDue)
        return Decision::None;
    if (!idle)
        return Decision::Wait;
    if (deviceSelected) {
        // The user works on a device: the next Refresh sees what changed.
        firstChangeMs_.reset();
        lastChangeMs_.reset();
        againAtMs_.reset();
        return Decision::None;
    }
    if (changeDue) {
        firstChangeMs_.reset();
        lastChangeMs_.reset();
        // A notice that left the usable interfaces as they were (a link's other
        // attributes, an address on a link we do not use) needs no search.
        if (interfacesChanged)
            return Decision::SearchNetwork;
        if (!againDue)
            return Decision::None;
    }
    againAtMs_.reset();
    return Decision::SearchAgain;
}

} // namespace telvorin
