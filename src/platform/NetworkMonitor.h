// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/NetworkChanges.h"

#include <functional>
#include <memory>

class QSocketNotifier;

namespace telvorin {

// Tells its listener when the host's network changes: a link gains or loses an IPv4
// address, or comes or goes. Called on the thread that owns the monitor, once for each
// batch of the system's notices.
class NetworkMonitor {
public:
    virtual ~NetworkMonitor() = default;
    virtual void setListener(std::function<void()> changed) = 0;
};

// The kernel's routing notices (netlink), read as they come: nothing runs while the
// network stays as it is. Watches the network namespace of the thread that makes it.
class NetlinkMonitor final : public NetworkMonitor {
public:
    NetlinkMonitor();
    ~NetlinkMonitor() override;
    NetlinkMonitor(const NetlinkMonitor&) = delete;
    NetlinkMonitor& operator=(const NetlinkMonitor&) = delete;

    void setListener(std::function<void()> changed) override;
    bool watching() const { return changes_.fd() >= 0; }

private:
    NetworkChanges changes_;
    std::unique_ptr<QSocketNotifier> notifier_;
    std::function<void()> changed_;
};

} // namespace telvorin
