// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "protocol/FakeNetwork.h"
#include "protocol/Protocol.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace telvorin::test {

// A protocol over the in-memory network, with its diagnostic lines captured.
struct Harness {
    FakeClock clock;
    FakeNetwork net{clock};
    char* diagText = nullptr;
    std::size_t diagSize = 0;
    std::FILE* diag = open_memstream(&diagText, &diagSize);
    Protocol protocol{net, clock, LinesTo(diag)};

    ~Harness()
    {
        protocol.CloseTransport();
        std::fclose(diag);
        std::free(diagText);
    }

    std::string diagnostics()
    {
        std::fflush(diag);
        return std::string(diagText, diagSize);
    }

    // One interface per address, the transport opened, one search run.
    void open(std::initializer_list<const char*> addresses)
    {
        int i = 0;
        for (const char* a : addresses)
            net.addInterface("veth" + std::to_string(i++), a);
        protocol.OpenTransport();
    }

    void searchAndSelect(const std::string& ip)
    {
        protocol.SearchDevices(3, 3);
        protocol.state.currentDeviceIp = ip;
        net.clearSent();
    }

    Bytes deviceId(const FakeDevice& d) const
    {
        Bytes id(d.key.begin(), d.key.end());
        id.insert(id.end(), d.address.begin(), d.address.end());
        return id;
    }
};

inline FakeDevice Device(const char* name, std::array<std::uint8_t, 4> address)
{
    FakeDevice d;
    d.name = name;
    d.address = address;
    return d;
}

} // namespace telvorin::test
