// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The search one window after another, slot by slot: the reference that the parallel
// search must match record for record. Each window keeps its own bounds: so many records
// from one sender, so many in all. Kept in the tests only.

#include "protocol/Clock.h"
#include "protocol/Protocol.h"
#include "protocol/Replies.h"
#include "protocol/SocketLayer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace telvorin::test {

// A record as one line, every field that the comparison with the reference covers.
inline std::string Record(const DeviceRecord& r)
{
    std::string id;
    for (const std::uint8_t b : r.deviceId)
        id += std::to_string(b) + ",";
    return r.name.str() + "@" + r.ipText.str() + "/" + std::to_string(r.interfaceIndex) + " " +
           r.netmaskText.str() + " " + r.gatewayText.str() + " " + r.dhcpFlag.str() + " " + id;
}

inline std::vector<std::string> Records(const Protocol& p)
{
    std::vector<std::string> out;
    for (const DeviceRecord& r : p.devices)
        out.push_back(Record(r));
    return out;
}

// The rows a streaming search's calls build, applied in order as a window would.
struct StreamedRows {
    std::vector<std::string> rows;
    std::int64_t firstFoundMs = -1; // on the clock given to stream()

    Protocol::SearchStream stream(Clock& clock)
    {
        return {[this, &clock](const DeviceRecord& r, std::size_t row) {
                    if (firstFoundMs < 0)
                        firstFoundMs = clock.nowMs();
                    ASSERT_LE(row, rows.size());
                    rows.insert(rows.begin() + static_cast<std::ptrdiff_t>(row), Record(r));
                },
                [this](std::size_t row) {
                    ASSERT_LT(row, rows.size());
                    rows.erase(rows.begin() + static_cast<std::ptrdiff_t>(row));
                }};
    }
};

inline void SequentialSearch(Protocol& protocol, SocketLayer& sockets, Clock& clock, int selector1,
                             int selector2)
{
    constexpr int SearchPolls = 32;
    constexpr int SelectMs = 10;
    constexpr int SendPauseMs = 50;
    constexpr int PollPauseMs = 20;
    constexpr int WindowMs = 2 * SendPauseMs + SearchPolls * SelectMs + (SearchPolls - 1) * PollPauseMs;
    constexpr int CutOffMs = Protocol::OverrunLimitMs - 50;

    protocol.devices.clear();
    std::array<std::uint8_t, DatagramCapacity> request{};
    const int length = protocol.BuildSearchRequest(SendBuffer(request));
    const auto requestBytes = std::span(request.data(), static_cast<std::size_t>(length));

    std::array<std::uint8_t, DatagramCapacity + 1> bytes{};
    const InterfaceTable& table = protocol.interfaces;
    for (int slot = 0; slot < table.count; ++slot) {
        const auto index = static_cast<std::size_t>(slot);
        const int receiveSocket = table.receiveSocket[index];
        const std::int64_t deadline = clock.nowMs() + WindowMs + CutOffMs;
        std::unordered_set<std::string> heard;
        std::unordered_map<std::uint32_t, int> perSender;
        for (int copy = 0; copy < 2; ++copy) {
            sockets.setMulticastInterface(table.sendSocket[index], table.address[index].str());
            sockets.sendToGroup(table.sendSocket[index], requestBytes);
            clock.sleepMs(SendPauseMs);
        }
        auto receiveOne = [&] {
            std::uint32_t sender = 0;
            const int n =
                sockets.receiveFrom(receiveSocket, std::span(bytes.data(), DatagramCapacity), sender);
            if (n < 0)
                return false;
            const auto d = std::span<const std::uint8_t>(bytes.data(), static_cast<std::size_t>(n));
            if (!protocol.CheckClientId(d))
                return true;
            const auto record = ParseSearchReply(d, slot, selector1, selector2);
            if (!record || heard.contains(record->ipText.str()) ||
                perSender[sender] >= Protocol::MaxRecordsPerSender ||
                static_cast<int>(heard.size()) >= Protocol::MaxRecordsPerWindow)
                return true;
            ++perSender[sender];
            heard.insert(record->ipText.str());
            protocol.devices.add(*record);
            return true;
        };
        int polls = 0;
        while (clock.nowMs() < deadline) {
            if (sockets.waitReadable(receiveSocket, SelectMs)) {
                if (!receiveOne())
                    continue;
                while (clock.nowMs() < deadline && sockets.waitReadable(receiveSocket, 0))
                    if (!receiveOne())
                        break;
            }
            if (++polls >= SearchPolls || clock.nowMs() + PollPauseMs >= deadline)
                break;
            clock.sleepMs(PollPauseMs);
        }
    }
}

} // namespace telvorin::test
