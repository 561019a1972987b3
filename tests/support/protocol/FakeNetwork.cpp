// SPDX-License-Identifier: GPL-3.0-or-later
#include "FakeNetwork.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <limits>

namespace telvorin::test {

namespace {

void PutLe32(Bytes& b, std::size_t at, std::uint32_t v)
{
    for (std::size_t i = 0; i < 4; ++i)
        b[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
}

void PutText(Bytes& b, std::size_t at, const std::string& text, std::size_t width)
{
    if (!text.empty())
        std::memcpy(b.data() + at, text.data(), std::min(text.size(), width));
}

Bytes Prefix(std::uint8_t opcode, const std::array<std::uint8_t, 6>& clientId,
             const std::array<std::uint8_t, 6>& key, const std::array<std::uint8_t, 4>& address,
             std::size_t size)
{
    Bytes b(size, 0);
    b[0] = opcode;
    std::copy(clientId.begin(), clientId.end(), b.begin() + 1);
    std::copy(key.begin(), key.end(), b.begin() + 11);
    std::copy(address.begin(), address.end(), b.begin() + 17);
    return b;
}

bool ParseDotted(const std::string& text, std::array<std::uint8_t, 4>& out)
{
    unsigned a, b, c, d;
    char tail;
    if (std::sscanf(text.c_str(), "%u.%u.%u.%u%c", &a, &b, &c, &d, &tail) != 4 || a > 255 || b > 255 ||
        c > 255 || d > 255)
        return false;
    out = {static_cast<std::uint8_t>(a), static_cast<std::uint8_t>(b), static_cast<std::uint8_t>(c),
           static_cast<std::uint8_t>(d)};
    return true;
}

} // namespace

std::string FakeDevice::ipText() const
{
    return std::to_string(address[0]) + "." + std::to_string(address[1]) + "." + std::to_string(address[2]) +
           "." + std::to_string(address[3]);
}

Bytes SearchReply(const std::array<std::uint8_t, 6>& clientId, const FakeDevice& device)
{
    const std::size_t nameAt = device.extended ? 72 : 60;
    Bytes b =
        Prefix(device.extended ? 7 : 2, clientId, device.key, device.address, nameAt + device.name.size());
    b[21] = static_cast<std::uint8_t>(device.dhcp);
    PutText(b, 24, device.netmask, 16);
    PutText(b, 40, device.gateway, 16);
    if (device.extended) {
        b[56] = device.selector1;
        b[57] = device.selector2;
    }
    PutLe32(b, nameAt - 4, static_cast<std::uint32_t>(device.name.size()));
    PutText(b, nameAt, device.name, device.name.size());
    return b;
}

Bytes GetReply(const std::array<std::uint8_t, 6>& clientId, const Bytes& deviceId, const std::string& value)
{
    Bytes b(28 + value.size(), 0);
    b[0] = 4;
    std::copy(clientId.begin(), clientId.end(), b.begin() + 1);
    std::copy(deviceId.begin(), deviceId.begin() + 10, b.begin() + 11);
    PutLe32(b, 24, static_cast<std::uint32_t>(value.size()));
    PutText(b, 28, value, value.size());
    return b;
}

Bytes SetReply(const std::array<std::uint8_t, 6>& clientId, const std::array<std::uint8_t, 6>& key,
               const std::array<std::uint8_t, 4>& address)
{
    return Prefix(6, clientId, key, address, 28);
}

int FakeNetwork::addInterface(const std::string& name, const std::string& address)
{
    interfaces_.push_back(LocalInterface{name, address, -1});
    down_.push_back(false);
    return static_cast<int>(interfaces_.size()) - 1;
}

void FakeNetwork::setInterfaceUp(int iface, bool up)
{
    down_.at(static_cast<std::size_t>(iface)) = !up;
}

void FakeNetwork::setInterfaceAddress(int iface, const std::string& address)
{
    interfaces_.at(static_cast<std::size_t>(iface)).address = address;
}

FakeDevice& FakeNetwork::addDevice(FakeDevice device)
{
    devices_.push_back(std::move(device));
    return devices_.back();
}

void FakeNetwork::deliver(int iface, Bytes datagram, int delayMs, std::optional<std::uint32_t> source)
{
    // By default a reply comes from the address it names: each device answers for itself.
    std::uint32_t from = 0;
    if (datagram.size() >= 21)
        for (std::size_t i = 17; i < 21; ++i)
            from = from << 8 | datagram[i];
    queues_[iface].emplace(clock_.nowUs() + std::int64_t{delayMs} * 1000,
                           Entry{std::move(datagram), false, source.value_or(from)});
}

void FakeNetwork::deliverError(int iface, int delayMs)
{
    queues_[iface].emplace(clock_.nowUs() + std::int64_t{delayMs} * 1000, Entry{{}, true});
}

void FakeNetwork::flood(int iface, Bytes datagram, int intervalUs, std::int64_t untilMs)
{
    floods_[iface].push_back(Flood{std::move(datagram), intervalUs, clock_.nowUs(), untilMs * 1000});
}

int FakeNetwork::openSockets() const
{
    return static_cast<int>(sockets_.size());
}

std::vector<LocalInterface> FakeNetwork::localInterfaces()
{
    std::vector<LocalInterface> up;
    for (std::size_t i = 0; i < interfaces_.size(); ++i)
        if (!down_[i])
            up.push_back(interfaces_[i]);
    return up;
}

int FakeNetwork::openSocket(const LocalInterface& iface, bool receives)
{
    const auto it = std::find_if(interfaces_.begin(), interfaces_.end(),
                                 [&](const LocalInterface& i) { return i.address == iface.address; });
    const int index = static_cast<int>(it - interfaces_.begin());
    if (std::count(failing_.begin(), failing_.end(), index))
        return InvalidSocket;
    sockets_[nextSocket_] = Socket{index, receives, {}};
    return nextSocket_++;
}

void FakeNetwork::setMulticastInterface(int sendSocket, const std::string& localAddress)
{
    const auto it = sockets_.find(sendSocket);
    if (it != sockets_.end())
        it->second.multicastInterface = localAddress;
}

bool FakeNetwork::sendToGroup(int sendSocket, std::span<const std::uint8_t> datagram)
{
    const auto it = sockets_.find(sendSocket);
    if (it == sockets_.end() || it->second.receive)
        return false;
    // Like the real option, the chosen local address decides where the datagram leaves.
    const std::string& via = it->second.multicastInterface;
    int out = -1;
    for (std::size_t i = 0; i < interfaces_.size(); ++i)
        if (interfaces_[i].address == via && !down_[i])
            out = static_cast<int>(i);
    Bytes bytes(datagram.begin(), datagram.end());
    sent_.push_back(Sent{out, via, bytes, clock_.nowMs()});
    if (out < 0)
        return true;
    for (FakeDevice& device : devices_)
        if (std::count(device.segments.begin(), device.segments.end(), out))
            answer(device, out, bytes);
    return true;
}

void FakeNetwork::answer(FakeDevice& device, int iface, const Bytes& request)
{
    device.requests.push_back(request);
    if (device.silent || request.size() < 11)
        return;
    std::array<std::uint8_t, 6> clientId;
    std::copy(request.begin() + 1, request.begin() + 7, clientId.begin());
    if (request[0] == 1) {
        deliver(iface, SearchReply(clientId, device), device.replyDelayMs);
        return;
    }
    if (request.size() < 28)
        return;
    // Requests carry the device key and address that the search reply gave.
    if (!std::equal(device.key.begin(), device.key.end(), request.begin() + 11) ||
        !std::equal(device.address.begin(), device.address.end(), request.begin() + 17))
        return;
    const Bytes deviceId(request.begin() + 11, request.begin() + 21);
    const std::uint8_t item = request[21];
    if (request[0] == 3) {
        std::string value =
            item == 4 ? std::string(1, static_cast<char>(device.loginByte)) : device.values[item];
        deliver(iface, GetReply(clientId, deviceId, value), device.replyDelayMs);
    } else if (request[0] == 5) {
        if (device.unansweredSets.count(item))
            return;
        if (item == 1 && request.size() >= 60) {
            const std::string value(request.begin() + 60, request.end());
            ParseDotted(value, device.address);
        } else if (item == 2) {
            device.address = device.dhcpAddress;
        }
        deliver(iface, SetReply(clientId, device.key, device.address), device.replyDelayMs);
    }
}

int FakeNetwork::ifaceOfReceive(int socket) const
{
    const auto it = sockets_.find(socket);
    return it == sockets_.end() || !it->second.receive ? -1 : it->second.iface;
}

std::optional<std::int64_t> FakeNetwork::nextArrivalUs(int iface) const
{
    std::optional<std::int64_t> next;
    if (const auto q = queues_.find(iface); q != queues_.end() && !q->second.empty())
        next = q->second.begin()->first;
    if (const auto f = floods_.find(iface); f != floods_.end())
        for (const Flood& flood : f->second)
            if (flood.nextUs < flood.untilUs && (!next || flood.nextUs < *next))
                next = flood.nextUs;
    return next;
}

bool FakeNetwork::waitReadable(int socket, int timeoutMs)
{
    if (onWait)
        onWait();
    const std::int64_t limit = clock_.nowUs() + std::int64_t{timeoutMs} * 1000;
    const int iface = ifaceOfReceive(socket);
    const auto next = iface < 0 ? std::nullopt : nextArrivalUs(iface);
    if (next && *next <= limit) {
        clock_.setUs(std::max(clock_.nowUs(), *next));
        return true;
    }
    clock_.setUs(limit);
    return false;
}

bool FakeNetwork::waitAnyReadable(std::span<const int> sockets, int timeoutMs, std::span<bool> readable)
{
    if (onWait)
        onWait();
    const std::int64_t limit = clock_.nowUs() + std::int64_t{timeoutMs} * 1000;
    std::optional<std::int64_t> first;
    for (const int socket : sockets) {
        const int iface = ifaceOfReceive(socket);
        if (const auto next = iface < 0 ? std::nullopt : nextArrivalUs(iface))
            if (!first || *next < *first)
                first = *next;
    }
    clock_.setUs(first && *first <= limit ? std::max(clock_.nowUs(), *first) : limit);
    bool any = false;
    for (std::size_t i = 0; i < sockets.size(); ++i) {
        const int iface = ifaceOfReceive(sockets[i]);
        const auto next = iface < 0 ? std::nullopt : nextArrivalUs(iface);
        readable[i] = next && *next <= clock_.nowUs();
        any |= readable[i];
    }
    return any;
}

int FakeNetwork::receive(int socket, std::span<std::uint8_t> buffer)
{
    std::uint32_t source = 0;
    return receiveFrom(socket, buffer, source);
}

int FakeNetwork::receiveFrom(int socket, std::span<std::uint8_t> buffer, std::uint32_t& source)
{
    const int iface = ifaceOfReceive(socket);
    const auto next = iface < 0 ? std::nullopt : nextArrivalUs(iface);
    if (!next || *next > clock_.nowUs())
        return -1;
    clock_.advanceUs(receiveCostUs);

    Entry entry;
    auto& queue = queues_[iface];
    if (!queue.empty() && queue.begin()->first == *next) {
        entry = std::move(queue.begin()->second);
        queue.erase(queue.begin());
    } else {
        for (Flood& flood : floods_[iface])
            if (flood.nextUs == *next) {
                entry = Entry{flood.bytes, flood.bytes.empty(), FloodSource};
                flood.nextUs += flood.intervalUs;
                break;
            }
    }
    if (entry.error)
        return -1;
    source = entry.source;
    const std::size_t n = std::min(entry.bytes.size(), buffer.size());
    std::copy_n(entry.bytes.begin(), n, buffer.begin());
    return static_cast<int>(n);
}

void FakeNetwork::close(int socket)
{
    sockets_.erase(socket);
}

bool FakeNetwork::linkPresent(int, const LocalInterface& link)
{
    for (const LocalInterface& now : localInterfaces())
        if (now.sameLink(link))
            return true;
    return false;
}

} // namespace telvorin::test
