// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <atomic>
#include <memory>
#include <string>

namespace telvorin {

struct MainContext;
class WebCheck;

// Outcome of one press's reachability check: 0 pending, 1 the web server answered,
// -1 it did not. Each press owns its own, shared with its worker thread only, so a check
// that outlives its wait writes into nothing that a later press or the window reads.
using WebCheckResult = std::atomic<int>;

// "Configuration": checks that the device's web server answers, then opens its page.
void OnConfiguration(MainContext& ctx);

// Starts the check of http://host on a detached worker thread.
std::shared_ptr<WebCheckResult> CheckDeviceWeb(const WebCheck& check, const std::string& host);

// Looks at the result about 0, 1 and 2 seconds after the start (through ctx's clock).
// 1 when the device answered; 0 after reporting it unavailable and searching again.
int WaitDeviceWeb(MainContext& ctx, WebCheckResult& result);

} // namespace telvorin
