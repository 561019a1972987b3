// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "SocketLayer.h"

#include <map>
#include <set>
#include <string>

namespace telvorin {

// The system's UDP sockets. Each receive socket is tied to its interface, so it sees
// exactly the protocol datagrams, multicast or unicast, that arrive there.
class PosixSocketLayer final : public SocketLayer {
public:
    std::vector<LocalInterface> localInterfaces() override;
    int openSendSocket(const LocalInterface& iface) override;
    int openReceiveSocket(const LocalInterface& iface) override;
    void setMulticastInterface(int sendSocket, const std::string& localAddress) override;
    bool sendToGroup(int sendSocket, std::span<const std::uint8_t> datagram) override;
    bool waitReadable(int socket, int timeoutMs) override;
    bool waitAnyReadable(std::span<const int> sockets, int timeoutMs, std::span<bool> readable) override;
    int receive(int socket, std::span<std::uint8_t> buffer) override;
    int receiveFrom(int socket, std::span<std::uint8_t> buffer, std::uint32_t& source) override;
    void close(int socket) override;
    bool linkPresent(int socket, const LocalInterface& link) override;

private:
    // Reports a failed call once per socket and call, so a broken slot does not fill
    // the console on every transaction.
    void report(int socket, const char* call, int error);

    std::map<int, int> slotOf_;
    std::set<std::pair<int, std::string>> reported_;
};

} // namespace telvorin
