// SPDX-License-Identifier: GPL-3.0-or-later
#include "protocol/Protocol.h"

#include "protocol/Printable.h"
#include "protocol/Replies.h"
#include "protocol/Wire.h"

#include <algorithm>
#include <chrono>
#include <cstring>
#include <random>
#include <string>
#include <utility>

#include <unistd.h>

namespace telvorin {

DiagnosticSink LinesTo(std::FILE* file)
{
    if (!file)
        return {};
    return [file](std::string_view line) {
        std::fprintf(file, "%.*s\n", static_cast<int>(line.size()), line.data());
        std::fflush(file);
    };
}

Protocol::Protocol(SocketLayer& sockets, Clock& clock, DiagnosticSink diagnostics)
    : sockets_(sockets)
    , clock_(clock)
    , diagnostics_(std::move(diagnostics))
{
}

Protocol::~Protocol()
{
    if (open_)
        CloseTransport();
}

namespace {

// A time-seeded generator gives two copies started in the same second the same id, and
// each would then take the other's replies; the system's entropy source does not.
ClientId DrawClientId()
{
    ClientId id{};
    try {
        std::random_device random;
        for (auto& b : id)
            b = static_cast<std::uint8_t>(random() & 0xFF);
    } catch (const std::exception&) {
        // No entropy device: mix the fine clock with the process id, still distinct per copy.
        std::seed_seq seed{
            static_cast<unsigned>(::getpid()),
            static_cast<unsigned>(std::chrono::high_resolution_clock::now().time_since_epoch().count())};
        std::mt19937 generator(seed);
        for (auto& b : id)
            b = static_cast<std::uint8_t>(generator() & 0xFF);
    }
    return id;
}

} // namespace

std::vector<LocalInterface> Protocol::hostInterfaces() const
{
    std::vector<LocalInterface> found = sockets_.localInterfaces();
    if (found.size() > MaxInterfaces)
        found.resize(MaxInterfaces);
    for (std::size_t slot = 0; slot < found.size(); ++slot)
        found[slot].slot = static_cast<int>(slot);
    return found;
}

void Protocol::openSockets(std::vector<LocalInterface> found)
{
    interfaces = InterfaceTable{};
    interfaces.count = static_cast<int>(found.size());
    for (int slot = 0; slot < interfaces.count; ++slot) {
        const LocalInterface& iface = found[static_cast<std::size_t>(slot)];
        interfaces.address[static_cast<std::size_t>(slot)] = iface.address;
        interfaces.name[static_cast<std::size_t>(slot)] = iface.name;
    }
    // A socket that could not be made keeps its slot; its transactions simply time out.
    for (int slot = 0; slot < interfaces.count; ++slot)
        interfaces.sendSocket[static_cast<std::size_t>(slot)] =
            sockets_.openSendSocket(found[static_cast<std::size_t>(slot)]);
    for (int slot = 0; slot < interfaces.count; ++slot)
        interfaces.receiveSocket[static_cast<std::size_t>(slot)] =
            sockets_.openReceiveSocket(found[static_cast<std::size_t>(slot)]);
    links_ = std::move(found);
}

void Protocol::closeSockets()
{
    for (int slot = 0; slot < interfaces.count; ++slot) {
        auto& send = interfaces.sendSocket[static_cast<std::size_t>(slot)];
        auto& receive = interfaces.receiveSocket[static_cast<std::size_t>(slot)];
        if (send != SocketLayer::InvalidSocket)
            sockets_.close(send);
        if (receive != SocketLayer::InvalidSocket)
            sockets_.close(receive);
        send = SocketLayer::InvalidSocket;
        receive = SocketLayer::InvalidSocket;
    }
}

void Protocol::OpenTransport()
{
    if (open_)
        CloseTransport();
    // One id for the whole run: replies to a search made before a reopen still count.
    if (!clientIdDrawn_) {
        clientId = DrawClientId();
        clientIdDrawn_ = true;
    }
    openSockets(hostInterfaces());
    opener_ = std::this_thread::get_id();
    open_ = true;
}

void Protocol::CloseTransport()
{
    closeSockets();
    open_ = false;
}

namespace {

bool SameLinks(const std::vector<LocalInterface>& a, const std::vector<LocalInterface>& b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](const LocalInterface& x, const LocalInterface& y) { return x.sameLink(y); });
}

} // namespace

bool Protocol::interfacesChanged() const
{
    return open_ && !SameLinks(links_, hostInterfaces());
}

void Protocol::followInterfaces()
{
    if (!open_)
        return;
    // Sockets tied to an address the host no longer has hear nothing, and a link that
    // came up later has none: a changed set gets all its sockets made again.
    std::vector<LocalInterface> found = hostInterfaces();
    if (SameLinks(links_, found))
        return;
    closeSockets();
    openSockets(std::move(found));
}

bool Protocol::slotPresent(int slot) const
{
    if (slot < 0 || slot >= static_cast<int>(links_.size()))
        return false;
    return sockets_.linkPresent(interfaces.sendSocket[static_cast<std::size_t>(slot)],
                                links_[static_cast<std::size_t>(slot)]);
}

const DeviceRecord* Protocol::currentDevice() const
{
    return devices.find(state.currentDeviceIp.view());
}

DeviceRecord* Protocol::currentDevice()
{
    return devices.find(state.currentDeviceIp.view());
}

int Protocol::InterfaceForCurrentDevice() const
{
    const DeviceRecord* record = currentDevice();
    if (!record || record->interfaceIndex < 0 || record->interfaceIndex >= interfaces.count)
        return -1;
    return record->interfaceIndex;
}

bool Protocol::CheckClientId(std::span<const std::uint8_t> datagram) const
{
    for (std::size_t i = 0; i < clientId.size(); ++i)
        if (wire::byteAt(datagram, wire::ClientIdAt + i) != clientId[i])
            return false;
    return true;
}

// ---- Builders -------------------------------------------------------------------------

namespace {

void putLe32(SendBuffer buffer, std::size_t offset, std::uint32_t value)
{
    for (std::size_t i = 0; i < 4; ++i)
        buffer[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

std::size_t putText(SendBuffer buffer, std::size_t offset, std::string_view text)
{
    if (!text.empty())
        std::memcpy(buffer.data() + offset, text.data(), text.size());
    return text.size();
}

template <std::size_t N> void putField16(SendBuffer buffer, std::size_t offset, const FixedText<N>& text)
{
    putText(buffer, offset, text.view().substr(0, wire::AddressFieldWidth));
}

} // namespace

void Protocol::writeHeader(SendBuffer buffer, std::uint8_t opcode) const
{
    std::fill(buffer.begin(), buffer.end(), std::uint8_t{0});
    buffer[wire::OpcodeAt] = opcode;
    std::copy(clientId.begin(), clientId.end(), buffer.begin() + wire::ClientIdAt);
}

bool Protocol::writeDeviceRequest(SendBuffer buffer, std::uint8_t opcode, std::uint8_t item) const
{
    writeHeader(buffer, opcode);
    const DeviceRecord* device = currentDevice();
    if (!device)
        return false;
    std::copy(device->deviceId.begin(), device->deviceId.end(), buffer.begin() + wire::DeviceIdAt);
    buffer[wire::ItemAt] = item;
    return true;
}

int Protocol::BuildSearchRequest(SendBuffer buffer) const
{
    writeHeader(buffer, OpSearch);
    return static_cast<int>(wire::HeaderLength);
}

int Protocol::BuildGetRequest(SendBuffer buffer, std::uint8_t item) const
{
    if (!writeDeviceRequest(buffer, OpGet, item))
        return 0;
    putLe32(buffer, wire::GetLengthAt, 0);
    return static_cast<int>(wire::GetValueAt);
}

int Protocol::BuildLoginRequest(SendBuffer buffer) const
{
    if (!writeDeviceRequest(buffer, OpGet, ItemLogin))
        return 0;
    std::size_t at = wire::GetValueAt;
    at += putText(buffer, at, state.adminUser.view());
    buffer[at++] = 0x55;
    buffer[at++] = 0xAA;
    at += putText(buffer, at, state.adminPassword.view());
    putLe32(buffer, wire::GetLengthAt, static_cast<std::uint32_t>(at - wire::GetValueAt));
    return static_cast<int>(at);
}

int Protocol::BuildSetRequest(SendBuffer buffer, std::uint8_t item, std::string_view value) const
{
    if (!writeDeviceRequest(buffer, OpSet, item))
        return 0;
    // The value comes from a fixed-size field; the cut only guards a careless caller.
    value = value.substr(0, std::min(value.size(), buffer.size() - wire::SetValueAt));
    putField16(buffer, wire::SetNetmaskAt, state.newNetmask);
    putField16(buffer, wire::SetGatewayAt, state.newGateway);
    putLe32(buffer, wire::SetLengthAt, static_cast<std::uint32_t>(value.size()));
    putText(buffer, wire::SetValueAt, value);
    return static_cast<int>(wire::SetValueAt + value.size());
}

int Protocol::buildDhcpSetRequest(SendBuffer buffer) const
{
    // No netmask, gateway or value: the device asks its DHCP server for them.
    return writeDeviceRequest(buffer, OpSet, ItemDhcp) ? static_cast<int>(wire::SetValueAt) : 0;
}

// ---- Lists ----------------------------------------------------------------------------

void Protocol::reportListFull()
{
    if (listFullReported_)
        return;
    listFullReported_ = true;
    if (!diagnostics_)
        return;
    diagnostics_("telvorin: device list full at " + std::to_string(DeviceList::MaxRecords) +
                 " devices; further replies dropped");
}

void Protocol::reportWindowBound(int slot, std::string_view localAddress,
                                 std::optional<std::uint32_t> senderAddress) const
{
    if (!diagnostics_)
        return;
    const std::string local(localAddress);
    const std::string where = "telvorin: search on " + local + " (slot " + std::to_string(slot) + ")";
    if (!senderAddress) {
        diagnostics_(where + " heard " + std::to_string(MaxRecordsPerWindow) +
                     " devices; further replies dropped");
        return;
    }
    const std::uint32_t sender = *senderAddress;
    const std::uint8_t octets[] = {static_cast<std::uint8_t>(sender >> 24),
                                   static_cast<std::uint8_t>(sender >> 16),
                                   static_cast<std::uint8_t>(sender >> 8), static_cast<std::uint8_t>(sender)};
    diagnostics_(where + ": " + wire::dottedAt(octets, 0) + " answered for " +
                 std::to_string(MaxRecordsPerSender) + " devices; its further replies dropped");
}

bool Protocol::FindDeviceByIp(std::string_view ipText) const
{
    return devices.contains(ipText);
}

void Protocol::FreeDeviceList()
{
    devices.clear();
}

void Protocol::diagnostic(const char* label, std::string_view value) const
{
    if (!diagnostics_)
        return;
    // The value is the device's text: escaped, it can neither move the cursor nor add lines.
    diagnostics_(std::string(label) + "=" + PrintableText(value));
}

// ---- Helpers --------------------------------------------------------------------------

int ReadDecimal(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
    }
    long long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > 2147483647LL) {
            value = 2147483647LL;
            break;
        }
    }
    return static_cast<int>(negative ? -value : value);
}

} // namespace telvorin
