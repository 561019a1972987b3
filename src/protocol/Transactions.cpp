// SPDX-License-Identifier: GPL-3.0-or-later
#include "protocol/Protocol.h"

#include "protocol/Replies.h"
#include "protocol/Wire.h"

#include <algorithm>

namespace telvorin {

namespace {

constexpr int SelectMs = 10;
constexpr int PauseMs = 100;

// Idle-network duration of a flush and a wait of the given poll counts.
int NominalMs(int flushPolls, int pollLimit)
{
    return flushPolls * SelectMs + pollLimit * SelectMs + (pollLimit - 1) * PauseMs;
}

} // namespace

bool Protocol::transact(const Exchange& exchange, const std::function<int(SendBuffer)>& build,
                        Datagram& reply)
{
    const int slot = InterfaceForCurrentDevice();
    // A device heard through a link that has gone since (or lost its address) cannot be
    // reached through it; it fails as a silent one, without a wait that could not end
    // otherwise.
    if (slot < 0 || !slotPresent(slot))
        return false;
    const auto index = static_cast<std::size_t>(slot);
    const int sendSocket = interfaces.sendSocket[index];
    const int receiveSocket = interfaces.receiveSocket[index];
    const std::int64_t deadline =
        clock_.nowMs() + NominalMs(exchange.flushPolls, exchange.pollLimit) + CutOffMs;

    // Leftover replies of an earlier exchange must not be taken as this one's answer.
    for (int i = 0; i < exchange.flushPolls; ++i)
        if (sockets_.waitReadable(receiveSocket, SelectMs))
            sockets_.receive(receiveSocket, std::span(reply.bytes.data(), DatagramCapacity));

    std::array<std::uint8_t, DatagramCapacity> request{};
    const int length = build(SendBuffer(request));
    if (length <= 0)
        return false;
    sockets_.setMulticastInterface(sendSocket, interfaces.address[index].str());
    sockets_.sendToGroup(sendSocket, std::span(request.data(), static_cast<std::size_t>(length)));

    int polls = 0;
    // A reply of the right kind that is not ours uses up a poll and a pause.
    auto countPoll = [&] {
        if (++polls >= exchange.pollLimit || clock_.nowMs() + PauseMs >= deadline)
            return false;
        clock_.sleepMs(PauseMs);
        return true;
    };

    while (clock_.nowMs() < deadline) {
        if (!sockets_.waitReadable(receiveSocket, SelectMs)) {
            if (!countPoll())
                return false;
            continue;
        }
        reply.length = sockets_.receive(receiveSocket, std::span(reply.bytes.data(), DatagramCapacity));
        if (reply.length < 0)
            continue;
        reply.length = std::min(reply.length, DatagramCapacity);
        reply.bytes[static_cast<std::size_t>(reply.length)] = 0;
        const auto d = reply.view();
        if (wire::byteAt(d, wire::OpcodeAt) != exchange.replyOpcode)
            continue;

        bool matches = CheckClientId(d);
        if (matches && exchange.address != AddressRule::Any) {
            const std::string address = ReplyAddress(d);
            matches = exchange.address == AddressRule::NewIp ? state.newIp == address
                                                             : state.currentDeviceIp == address;
        }
        if (matches)
            return true;
        if (!countPoll())
            return false;
    }
    return false;
}

int Protocol::getText(std::uint8_t item, int flushPolls, int pollLimit, const char* label,
                      const std::function<void(std::string_view)>& store)
{
    Datagram reply;
    const Exchange exchange{OpGetReply, flushPolls, pollLimit, AddressRule::CurrentDevice};
    if (!transact(
            exchange, [&](SendBuffer b) { return BuildGetRequest(b, item); }, reply))
        return 0;
    const std::string_view value = ParseGetValue(reply.view());
    if (label)
        diagnostic(label, value);
    store(value);
    return 1;
}

int Protocol::setValue(std::uint8_t item, std::string_view value)
{
    // Matched against the current device: a reply that names the device we asked is
    // the answer, whatever address the LAN settings last applied.
    Datagram reply;
    const Exchange exchange{OpSetReply, 0, 11, AddressRule::CurrentDevice};
    return transact(
               exchange, [&](SendBuffer b) { return BuildSetRequest(b, item, value); }, reply)
               ? 1
               : 0;
}

int Protocol::VerifyLogin()
{
    Datagram reply;
    const Exchange exchange{OpGetReply, 0, 11, AddressRule::CurrentDevice};
    if (!transact(
            exchange, [&](SendBuffer b) { return BuildLoginRequest(b); }, reply))
        return 0;
    return ParseLoginResult(reply.view());
}

int Protocol::GetWorkgroup()
{
    return getText(ItemWorkgroupGet, 6, 11, "workgroup", [&](std::string_view v) { state.workgroup = v; });
}

int Protocol::GetCodepage()
{
    return getText(ItemCodepageGet, 11, 11, "codepage", [&](std::string_view v) { state.codepage = v; });
}

int Protocol::GetShareName()
{
    return getText(ItemShareName, 11, 21, "sharename", [&](std::string_view v) { state.shareName = v; });
}

int Protocol::GetIdeState()
{
    return getText(ItemIdeState, 11, 21, "ideok", [&](std::string_view v) { state.ideState = v; });
}

int Protocol::GetBtFirmware()
{
    return getText(ItemBtFirmware, 11, 21, "bt_firmware", [&](std::string_view v) { state.btFirmware = v; });
}

int Protocol::GetDomain()
{
    return getText(ItemDomain, 11, 21, "domain", [&](std::string_view v) { state.domain = v; });
}

int Protocol::GetVolumeList()
{
    volumes.clear();
    return getText(ItemVolumeList, 11, 21, nullptr,
                   [&](std::string_view value) { volumes = ParseVolumeList(value); });
}

int Protocol::SetDhcp()
{
    Datagram reply;
    // The first set reply with our id is the answer, so an old one must be gone first.
    const Exchange exchange{OpSetReply, 11, 101, AddressRule::Any};
    if (!transact(
            exchange, [&](SendBuffer b) { return buildDhcpSetRequest(b); }, reply))
        return 0;
    const auto d = reply.view();
    const std::string address = ReplyAddress(d);
    if (DeviceRecord* device = currentDevice()) {
        devices.readdress(*device, address);
        for (std::size_t i = 0; i < 4; ++i)
            device->deviceId[6 + i] = wire::byteAt(d, wire::DeviceAddressAt + i);
    }
    state.currentDeviceIp = address;
    return 1;
}

int Protocol::SetStaticIp()
{
    Datagram reply;
    const Exchange exchange{OpSetReply, 0, 101, AddressRule::NewIp};
    const std::string value = state.newIp.str();
    if (!transact(
            exchange, [&](SendBuffer b) { return BuildSetRequest(b, ItemStaticAddress, value); }, reply))
        return 0;
    const auto d = reply.view();
    if (DeviceRecord* device = currentDevice()) {
        devices.readdress(*device, state.newIp.view());
        device->netmaskText = state.newNetmask.view();
        device->gatewayText = state.newGateway.view();
        // The reply's address equals newIp, so its bytes are newIp in network order.
        for (std::size_t i = 0; i < 4; ++i)
            device->deviceId[6 + i] = wire::byteAt(d, wire::DeviceAddressAt + i);
    }
    state.currentDeviceIp = state.newIp.view();
    return 1;
}

int Protocol::SetItem5()
{
    return setValue(Item5, state.item5Value.view());
}

int Protocol::SetWorkgroup()
{
    return setValue(ItemWorkgroupSet, state.workgroup.view());
}

int Protocol::SetCodepage()
{
    return setValue(ItemCodepageSet, state.codepage.view());
}

int Protocol::SetWriteMode()
{
    return setValue(ItemWriteMode, state.writeModeValue.view());
}

int Protocol::SetStopMode()
{
    return setValue(ItemStop, state.stopValue.view());
}

int Protocol::SetPackage()
{
    return setValue(ItemPackage, state.packageValue.view());
}

} // namespace telvorin
