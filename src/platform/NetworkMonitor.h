// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <span>

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
    bool watching() const { return socket_ >= 0; }

private:
    void readNotices();

    int socket_ = -1;
    std::unique_ptr<QSocketNotifier> notifier_;
    std::function<void()> changed_;
};

// Whether a batch of routing notices (as read from the socket) tells of an IPv4 address
// added or removed, or a link added, changed or removed. Reads within the bytes given.
bool NoticesChangeTheNetwork(std::span<const std::uint8_t> notices);

} // namespace telvorin
