// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "FakeClock.h"
#include "protocol/SocketLayer.h"

#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace telvorin::test {

using Bytes = std::vector<std::uint8_t>;

// One emulated device. It answers requests that reach a segment it is attached to,
// laying out its replies from the message layouts on its own.
struct FakeDevice {
    std::string name;
    std::array<std::uint8_t, 4> address{};
    std::array<std::uint8_t, 6> key{0xA1, 0xB2, 0xC3, 0xD4, 0xE5, 0xF6};
    std::string netmask = "255.255.255.0";
    std::string gateway;
    char dhcp = '0';
    std::vector<int> segments{0}; // interfaces (by FakeNetwork index) it answers on

    bool extended = false; // answers searches with the extended layout
    std::uint8_t selector1 = 3;
    std::uint8_t selector2 = 3;

    std::map<std::uint8_t, std::string> values; // get item -> value text
    std::uint8_t loginByte = 1;                 // first value byte of a login reply
    std::array<std::uint8_t, 4> dhcpAddress{};  // address after a DHCP set request
    int replyDelayMs = 0;
    bool silent = false;
    std::set<std::uint8_t> unansweredSets; // set items heard (and recorded) but never answered

    std::vector<Bytes> requests; // every request this device saw

    std::string ipText() const;
};

// Replies laid out byte by byte for tests and fake devices.
Bytes SearchReply(const std::array<std::uint8_t, 6>& clientId, const FakeDevice& device);
Bytes GetReply(const std::array<std::uint8_t, 6>& clientId, const Bytes& deviceId, const std::string& value);
Bytes SetReply(const std::array<std::uint8_t, 6>& clientId, const std::array<std::uint8_t, 6>& key,
               const std::array<std::uint8_t, 4>& address);

// An in-memory LAN for the protocol: a number of local interfaces, each a segment with
// devices on it. Datagrams arrive at fake times; waiting moves the fake clock.
class FakeNetwork final : public SocketLayer {
public:
    explicit FakeNetwork(FakeClock& clock)
        : clock_(clock)
    {
    }

    int addInterface(const std::string& name, const std::string& address);
    // A link that goes down (or comes back) or gets a new address while sockets are open:
    // those sockets stay, as the system's do, but reach nothing through it any more.
    void setInterfaceUp(int iface, bool up);
    void setInterfaceAddress(int iface, const std::string& address);
    FakeDevice& addDevice(FakeDevice device);
    FakeDevice& device(int i) { return devices_.at(static_cast<std::size_t>(i)); }

    // Puts a datagram (or a receive error) in an interface's receive queue, sent from
    // source (by default the device address the datagram names at bytes 17-20).
    void deliver(int iface, Bytes datagram, int delayMs = 0, std::optional<std::uint32_t> source = {});
    void deliverError(int iface, int delayMs = 0);
    // A stream of identical datagrams (or errors when datagram is empty) from FloodSource every intervalUs,
    // from now until untilMs; an interval of 0 means always one waiting.
    void flood(int iface, Bytes datagram, int intervalUs, std::int64_t untilMs);
    // Socket creation on this interface fails.
    void failSockets(int iface) { failing_.push_back(iface); }

    struct Sent {
        int iface; // the interface the datagram left through, -1 for none
        std::string multicastInterface;
        Bytes bytes;
        std::int64_t atMs;
    };
    const std::vector<Sent>& sent() const { return sent_; }
    void clearSent() { sent_.clear(); }
    int openSockets() const;

    int receiveCostUs = 5;                                   // fake time one receive takes
    std::function<void()> onWait;                            // runs at every wait, on the waiting thread
    static constexpr std::uint32_t FloodSource = 0x0A00FE01; // 10.0.254.1

    // SocketLayer
    std::vector<LocalInterface> localInterfaces() override;
    int openSendSocket(const LocalInterface& iface) override { return openSocket(iface, false); }
    int openReceiveSocket(const LocalInterface& iface) override { return openSocket(iface, true); }
    void setMulticastInterface(int sendSocket, const std::string& localAddress) override;
    bool sendToGroup(int sendSocket, std::span<const std::uint8_t> datagram) override;
    bool waitReadable(int socket, int timeoutMs) override;
    bool waitAnyReadable(std::span<const int> sockets, int timeoutMs, std::span<bool> readable) override;
    int receive(int socket, std::span<std::uint8_t> buffer) override;
    int receiveFrom(int socket, std::span<std::uint8_t> buffer, std::uint32_t& source) override;
    void close(int socket) override;
    bool linkPresent(int socket, const LocalInterface& link) override;

private:
    int openSocket(const LocalInterface& iface, bool receives);
    struct Entry {
        Bytes bytes;
        bool error = false;
        std::uint32_t source = 0;
    };
    struct Flood {
        Bytes bytes;
        std::int64_t intervalUs;
        std::int64_t nextUs;
        std::int64_t untilUs;
    };
    struct Socket {
        int iface;
        bool receive;
        std::string multicastInterface;
    };

    int ifaceOfReceive(int socket) const;
    std::optional<std::int64_t> nextArrivalUs(int iface) const;
    void answer(FakeDevice& device, int iface, const Bytes& request);

    FakeClock& clock_;
    std::vector<LocalInterface> interfaces_;
    std::vector<bool> down_; // by interface
    std::vector<FakeDevice> devices_;
    std::vector<int> failing_;
    std::map<int, Socket> sockets_;
    int nextSocket_ = 100;
    std::map<int, std::multimap<std::int64_t, Entry>> queues_;
    std::map<int, std::vector<Flood>> floods_;
    std::vector<Sent> sent_;
};

} // namespace telvorin::test
