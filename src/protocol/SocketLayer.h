// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace telvorin {

// One local IPv4 interface that can carry the discovery protocol.
struct LocalInterface {
    std::string name;    // kernel interface name, such as "eth0"
    std::string address; // dotted IPv4 address, such as "192.168.0.10"
    int slot = -1;       // InterfaceTable slot, for error reports
    int index = 0;       // kernel interface index; 0 where the layer has none

    // The same link with the same address: sockets made for one serve the other.
    bool sameLink(const LocalInterface& other) const
    {
        return name == other.name && address == other.address && index == other.index;
    }
};

// The operating system's UDP sockets, as the transport uses them. The transport never
// calls the OS directly, so unit tests can run it over an in-memory network.
class SocketLayer {
public:
    static constexpr int InvalidSocket = -1;

    virtual ~SocketLayer() = default;

    // IPv4 interfaces that are up and multicast-capable, loopback excluded, in the
    // order the system lists them.
    virtual std::vector<LocalInterface> localInterfaces() = 0;

    // A UDP socket for sending requests through this interface: multicast loopback off.
    virtual int openSendSocket(const LocalInterface& iface) = 0;
    // A UDP socket that sees exactly the datagrams to the protocol port (multicast to the
    // group or unicast) arriving through this interface.
    virtual int openReceiveSocket(const LocalInterface& iface) = 0;

    // Sets the outgoing multicast interface of a send socket to a local address.
    virtual void setMulticastInterface(int sendSocket, const std::string& localAddress) = 0;
    // Sends one datagram to the group endpoint; false on failure.
    virtual bool sendToGroup(int sendSocket, std::span<const std::uint8_t> datagram) = 0;
    // Waits at most timeoutMs for the socket to become readable.
    virtual bool waitReadable(int socket, int timeoutMs) = 0;
    // Waits at most timeoutMs for any of the sockets to become readable and marks in
    // readable (as long as sockets) which are; true when any is. Layers that cannot wait
    // on several at once get this fallback, which may wait on the first one alone.
    virtual bool waitAnyReadable(std::span<const int> sockets, int timeoutMs, std::span<bool> readable)
    {
        bool any = false;
        for (std::size_t i = 0; i < sockets.size(); ++i)
            any |= readable[i] = waitReadable(sockets[i], 0);
        if (any || sockets.empty())
            return any;
        readable[0] = waitReadable(sockets[0], timeoutMs);
        return readable[0];
    }
    // Receives one datagram into the buffer; its length, or -1 on error.
    virtual int receive(int socket, std::span<std::uint8_t> buffer) = 0;
    // receive, and the sender's IPv4 address (host order) in source. Layers that cannot
    // tell the sender report 0.
    virtual int receiveFrom(int socket, std::span<std::uint8_t> buffer, std::uint32_t& source)
    {
        source = 0;
        return receive(socket, buffer);
    }
    virtual void close(int socket) = 0;
    // Whether the link a socket was made for is still up with its address, asked in the
    // socket's own network (not the calling thread's). Layers that cannot tell say yes.
    virtual bool linkPresent(int socket, const LocalInterface& link)
    {
        (void)socket;
        (void)link;
        return true;
    }
};

} // namespace telvorin
