// SPDX-License-Identifier: GPL-3.0-or-later
#include "appstate/AutoSearch.h"

#include "protocol/Clock.h"

#include <algorithm>
#include <climits>

namespace telvorin {

AutoSearch::AutoSearch(Clock& clock, Window window, QObject* parent)
    : QObject(parent)
    , clock_(clock)
    , window_(std::move(window))
{
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, [this] { due(); });
}

void AutoSearch::networkChanged()
{
    plan_.networkChanged(clock_.nowMs());
    schedule();
}

void AutoSearch::searched()
{
    plan_.searched(clock_.nowMs(), window_.listEmpty(), searchingAgain_);
    searchingAgain_ = false;
    schedule();
}

void AutoSearch::schedule()
{
    const auto at = plan_.dueMs();
    if (!at) {
        timer_.stop();
        return;
    }
    const std::int64_t wait = std::clamp<std::int64_t>(*at - clock_.nowMs(), 0, INT_MAX);
    timer_.start(static_cast<int>(wait));
}

void AutoSearch::due()
{
    using enum AutoSearchPlan::Decision;
    const auto decision =
        plan_.take(clock_.nowMs(), window_.idle(), window_.deviceSelected(), window_.interfacesChanged());
    switch (decision) {
    case Wait: timer_.start(BusyRetryMs); return;
    case SearchNetwork:
    case SearchAgain:
        searchingAgain_ = decision == SearchAgain;
        window_.search();
        return;
    case None: schedule(); return;
    }
}

} // namespace telvorin
