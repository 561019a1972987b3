// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "protocol/FakeClock.h"
#include "protocol/SocketLayer.h"

#include <functional>
#include <string>
#include <vector>

namespace telvorin::test {

// The window tests' name for the one fake clock.
using ManualClock = FakeClock;

// Sockets on made-up interfaces where nothing ever arrives: a search finds no device
// and no datagram leaves the process. `onWait` runs at every wait for a reply, so a test
// can look at the window while a search is under way.
class SilentSockets final : public SocketLayer {
public:
    explicit SilentSockets(std::vector<LocalInterface> interfaces = {})
        : interfaces_(std::move(interfaces))
    {
    }

    std::function<void()> onWait;
    int sends = 0;
    int closes = 0;

    std::vector<LocalInterface> localInterfaces() override { return interfaces_; }
    int openSendSocket(const LocalInterface&) override { return next_++; }
    int openReceiveSocket(const LocalInterface&) override { return next_++; }
    void setMulticastInterface(int, const std::string&) override {}
    bool sendToGroup(int, std::span<const std::uint8_t>) override
    {
        ++sends;
        return true;
    }
    bool waitReadable(int, int) override
    {
        if (onWait)
            onWait();
        return false;
    }
    int receive(int, std::span<std::uint8_t>) override { return -1; }
    void close(int) override { ++closes; }

private:
    std::vector<LocalInterface> interfaces_;
    int next_ = 100;
};

} // namespace telvorin::test
