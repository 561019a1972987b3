// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "appstate/AutoSearchPlan.h"

#include <QObject>
#include <QTimer>

#include <functional>

namespace telvorin {

class Clock;

// Runs an AutoSearchPlan on the window's event loop: a single-shot timer set to the plan's
// next due time, no polling while nothing is due.
class AutoSearch final : public QObject {
public:
    struct Window {
        std::function<bool()> idle;              // no handler, step or other dialog running
        std::function<bool()> deviceSelected;    // a device is selected or highlighted
        std::function<bool()> interfacesChanged; // the host's interfaces differ from the table's
        std::function<void()> search;            // searches and lists, then calls searched()
        std::function<bool()> listEmpty;
    };

    AutoSearch(Clock& clock, Window window, QObject* parent = nullptr);

    // The network changed (a link gained or lost an address, or went up or down).
    void networkChanged();
    // Every search of the window ends here, also those the user asked for.
    void searched();

private:
    void schedule();
    void due();

    // A busy window is asked again after this long.
    static constexpr int BusyRetryMs = 250;

    Clock& clock_;
    Window window_;
    AutoSearchPlan plan_;
    QTimer timer_;
    bool searchingAgain_ = false;
};

} // namespace telvorin
