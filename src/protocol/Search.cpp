#include "protocol/Protocol.h"

#include "protocol/Wire.h"

#include <algorithm>

namespace telvorin {

namespace {

constexpr int SearchPolls = 32;
constexpr int SelectMs = 10;
constexpr int SendPauseMs = 50;
constexpr int PollPauseMs = 20;
// Two sends with their pauses, 32 selects and the 31 pauses between them.
constexpr int WindowMs = 2 * SendPauseMs + SearchPolls * SelectMs + (SearchPolls - 1) * PollPauseMs;

bool SelectorFits(std::uint8_t field, int selector)
{
    return selector == 0 || field == selector;
}

} // namespace

void Protocol::SearchDevices(int selector1, int selector2)
{
    devices.clear();
    std::array<std::uint8_t, DatagramCapacity> request{};
    const int length = BuildSearchRequest(SendBuffer(request));
    const auto requestBytes = std::span(request.data(), static_cast<std::size_t>(length));

    Datagram reply;
    for (int slot = 0; slot < interfaces.count; ++slot) {
        const auto index = static_cast<std::size_t>(slot);
        const int sendSocket = interfaces.sendSocket[index];
        const int receiveSocket = interfaces.receiveSocket[index];
        const std::string localAddress = interfaces.address[index].str();
        const std::int64_t deadline = clock_.nowMs() + WindowMs + CutOffMs;

        for (int copy = 0; copy < 2; ++copy) {
            sockets_.setMulticastInterface(sendSocket, localAddress);
            sockets_.sendToGroup(sendSocket, requestBytes);
            clock_.sleepMs(SendPauseMs);
        }

        auto handle = [&] {
            const auto d = reply.view();
            const std::uint8_t opcode = wire::byteAt(d, wire::OpcodeAt);
            if (!CheckClientId(d))
                return;
            if (opcode == OpSearchReply ||
                (opcode == OpSearchReplyExt && SelectorFits(wire::byteAt(d, wire::Selector1At), selector1) &&
                 SelectorFits(wire::byteAt(d, wire::Selector2At), selector2)))
                AddDeviceFromReply(d, slot);
        };
        auto receiveOne = [&] {
            reply.length = sockets_.receive(receiveSocket, std::span(reply.bytes.data(), DatagramCapacity));
            if (reply.length < 0)
                return false;
            reply.length = std::min(reply.length, DatagramCapacity);
            reply.bytes[static_cast<std::size_t>(reply.length)] = 0;
            handle();
            return true;
        };

        int polls = 0;
        while (clock_.nowMs() < deadline) {
            if (sockets_.waitReadable(receiveSocket, SelectMs)) {
                // A receive error does not count as a poll.
                if (!receiveOne())
                    continue;
                // Read everything that is already waiting, so that a crowded segment
                // is listed whole however many devices answer within the window.
                while (clock_.nowMs() < deadline && sockets_.waitReadable(receiveSocket, 0))
                    if (!receiveOne())
                        break;
            }
            if (++polls >= SearchPolls || clock_.nowMs() + PollPauseMs >= deadline)
                break;
            clock_.sleepMs(PollPauseMs);
        }
    }
}

} // namespace telvorin
