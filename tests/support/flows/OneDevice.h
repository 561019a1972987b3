// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The flows' logic tests talk to one device on the in-memory network, found by a search
// and selected as the main window would have it.

#include "protocol/FakeNetwork.h"
#include "protocol/Protocol.h"
#include "protocol/RequestBytes.h"

#include <cstdint>
#include <utility>

namespace telvorin::test {

// The device as "NAS" at 10.64.0.10 alone on its segment, the transport open, searched and
// selected; the search's requests are forgotten.
struct SelectedDevice {
    FakeClock clock;
    FakeNetwork net{clock};
    Protocol protocol{net, clock, nullptr};

    explicit SelectedDevice(FakeDevice device)
    {
        net.addInterface("veth0", "10.64.0.1");
        device.name = "NAS";
        device.address = {10, 64, 0, 10};
        net.addDevice(std::move(device));
        protocol.OpenTransport();
        protocol.SearchDevices(3, 3);
        protocol.state.currentDeviceIp = "10.64.0.10";
        net.device(0).requests.clear();
    }
    ~SelectedDevice() { protocol.CloseTransport(); }
    SelectedDevice(const SelectedDevice&) = delete;
    SelectedDevice& operator=(const SelectedDevice&) = delete;

    FakeDevice& device() { return net.device(0); }

    // How many get requests for this item the device was sent.
    int asked(std::uint8_t item) { return CountOf(Heard(device().requests), OpGet, item); }
};

} // namespace telvorin::test
