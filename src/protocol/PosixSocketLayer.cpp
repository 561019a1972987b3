// SPDX-License-Identifier: GPL-3.0-or-later
#include "protocol/PosixSocketLayer.h"

#include "protocol/ProtocolTypes.h"

#include <algorithm>
#include <arpa/inet.h>
#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ifaddrs.h>
#include <net/if.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace telvorin {

namespace {

in_addr ParseAddress(const std::string& text)
{
    in_addr a{};
    if (inet_pton(AF_INET, text.c_str(), &a) != 1)
        a.s_addr = htonl(INADDR_ANY);
    return a;
}

} // namespace

std::vector<LocalInterface> PosixSocketLayer::localInterfaces()
{
    std::vector<LocalInterface> result;
    ifaddrs* list = nullptr;
    if (getifaddrs(&list) != 0) {
        std::fprintf(stderr, "telvorin: getifaddrs failed: %s (errno %d)\n", std::strerror(errno), errno);
        return result;
    }
    for (ifaddrs* it = list; it; it = it->ifa_next) {
        if (!it->ifa_addr || it->ifa_addr->sa_family != AF_INET)
            continue;
        const unsigned flags = it->ifa_flags;
        if (!(flags & IFF_UP) || (flags & IFF_LOOPBACK) || !(flags & IFF_MULTICAST))
            continue;
        char text[INET_ADDRSTRLEN] = {};
        const auto* sin = reinterpret_cast<const sockaddr_in*>(it->ifa_addr);
        inet_ntop(AF_INET, &sin->sin_addr, text, sizeof text);
        result.push_back(
            LocalInterface{it->ifa_name, text, -1, static_cast<int>(if_nametoindex(it->ifa_name))});
    }
    freeifaddrs(list);
    return result;
}

void PosixSocketLayer::report(int socket, const char* call, int error)
{
    if (!reported_.insert({socket, call}).second)
        return;
    const auto slot = slotOf_.find(socket);
    std::fprintf(stderr, "telvorin: slot %d: %s failed: %s (errno %d)\n",
                 slot == slotOf_.end() ? -1 : slot->second, call, std::strerror(error), error);
}

int PosixSocketLayer::openSendSocket(const LocalInterface& iface)
{
    const int s = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (s < 0) {
        std::fprintf(stderr, "telvorin: slot %d: send socket failed: %s (errno %d)\n", iface.slot,
                     std::strerror(errno), errno);
        return InvalidSocket;
    }
    slotOf_[s] = iface.slot;
    const unsigned char off = 0;
    if (setsockopt(s, IPPROTO_IP, IP_MULTICAST_LOOP, &off, sizeof off) != 0)
        report(s, "IP_MULTICAST_LOOP", errno);
    const unsigned char ttl = 1;
    if (setsockopt(s, IPPROTO_IP, IP_MULTICAST_TTL, &ttl, sizeof ttl) != 0)
        report(s, "IP_MULTICAST_TTL", errno);
    return s;
}

int PosixSocketLayer::openReceiveSocket(const LocalInterface& iface)
{
    const int s = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (s < 0) {
        std::fprintf(stderr, "telvorin: slot %d: receive socket failed: %s (errno %d)\n", iface.slot,
                     std::strerror(errno), errno);
        return InvalidSocket;
    }
    slotOf_[s] = iface.slot;
    const int on = 1;
    const int off = 0;
    if (setsockopt(s, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on) != 0)
        report(s, "SO_REUSEADDR", errno);
    // A crowded segment answers a search within a few milliseconds, all before the first
    // poll: the default buffer holds only about 250 replies. Privileged processes may go
    // past the system's cap; others get what the cap allows.
    const int receiveBuffer = 4 * 1024 * 1024;
    if (setsockopt(s, SOL_SOCKET, SO_RCVBUFFORCE, &receiveBuffer, sizeof receiveBuffer) != 0)
        (void)setsockopt(s, SOL_SOCKET, SO_RCVBUF, &receiveBuffer, sizeof receiveBuffer);
    if (setsockopt(s, SOL_SOCKET, SO_BINDTODEVICE, iface.name.c_str(),
                   static_cast<socklen_t>(iface.name.size() + 1)) != 0)
        report(s, "SO_BINDTODEVICE", errno);

    sockaddr_in local{};
    local.sin_family = AF_INET;
    local.sin_port = htons(ProtocolPort);
    local.sin_addr.s_addr = htonl(INADDR_ANY);
    if (bind(s, reinterpret_cast<const sockaddr*>(&local), sizeof local) != 0)
        report(s, "bind", errno);

    ip_mreq membership{};
    membership.imr_multiaddr = ParseAddress(GroupAddress);
    membership.imr_interface = ParseAddress(iface.address);
    if (setsockopt(s, IPPROTO_IP, IP_ADD_MEMBERSHIP, &membership, sizeof membership) != 0)
        report(s, "IP_ADD_MEMBERSHIP", errno);
    // Without this a socket bound to the wildcard sees groups joined by other sockets.
    if (setsockopt(s, IPPROTO_IP, IP_MULTICAST_ALL, &off, sizeof off) != 0)
        report(s, "IP_MULTICAST_ALL", errno);
    const unsigned char loop = 0;
    if (setsockopt(s, IPPROTO_IP, IP_MULTICAST_LOOP, &loop, sizeof loop) != 0)
        report(s, "IP_MULTICAST_LOOP", errno);
    return s;
}

void PosixSocketLayer::setMulticastInterface(int sendSocket, const std::string& localAddress)
{
    if (sendSocket < 0)
        return;
    const in_addr a = ParseAddress(localAddress);
    if (setsockopt(sendSocket, IPPROTO_IP, IP_MULTICAST_IF, &a, sizeof a) != 0)
        report(sendSocket, "IP_MULTICAST_IF", errno);
}

bool PosixSocketLayer::sendToGroup(int sendSocket, std::span<const std::uint8_t> datagram)
{
    if (sendSocket < 0)
        return false;
    sockaddr_in group{};
    group.sin_family = AF_INET;
    group.sin_port = htons(ProtocolPort);
    group.sin_addr = ParseAddress(GroupAddress);
    const ssize_t n = sendto(sendSocket, datagram.data(), datagram.size(), 0,
                             reinterpret_cast<const sockaddr*>(&group), sizeof group);
    if (n < 0) {
        report(sendSocket, "sendto", errno);
        return false;
    }
    return true;
}

bool PosixSocketLayer::waitReadable(int socket, int timeoutMs)
{
    if (socket < 0) {
        // A slot whose socket could not be made still waits out its poll, so the pacing holds.
        if (timeoutMs > 0)
            poll(nullptr, 0, timeoutMs);
        return false;
    }
    pollfd p{socket, POLLIN, 0};
    const int r = poll(&p, 1, timeoutMs);
    return r > 0 && (p.revents & (POLLIN | POLLERR)) != 0;
}

bool PosixSocketLayer::waitAnyReadable(std::span<const int> sockets, int timeoutMs, std::span<bool> readable)
{
    // A socket that could not be made (-1) is ignored by poll and never readable.
    std::array<pollfd, MaxInterfaces> fds{};
    const std::size_t n = std::min(sockets.size(), fds.size());
    for (std::size_t i = 0; i < n; ++i)
        fds[i] = pollfd{sockets[i], POLLIN, 0};
    const int r = poll(fds.data(), static_cast<nfds_t>(n), timeoutMs);
    bool any = false;
    for (std::size_t i = 0; i < sockets.size(); ++i) {
        readable[i] = r > 0 && i < n && (fds[i].revents & (POLLIN | POLLERR)) != 0;
        any |= readable[i];
    }
    return any;
}

int PosixSocketLayer::receive(int socket, std::span<std::uint8_t> buffer)
{
    std::uint32_t source = 0;
    return receiveFrom(socket, buffer, source);
}

int PosixSocketLayer::receiveFrom(int socket, std::span<std::uint8_t> buffer, std::uint32_t& source)
{
    source = 0;
    if (socket < 0)
        return -1;
    sockaddr_in from{};
    socklen_t fromLength = sizeof from;
    const ssize_t n = recvfrom(socket, buffer.data(), buffer.size(), MSG_DONTWAIT,
                               reinterpret_cast<sockaddr*>(&from), &fromLength);
    if (n < 0)
        return -1;
    if (fromLength >= sizeof from && from.sin_family == AF_INET)
        source = ntohl(from.sin_addr.s_addr);
    return static_cast<int>(n);
}

void PosixSocketLayer::close(int socket)
{
    if (socket < 0)
        return;
    ::close(socket);
    slotOf_.erase(socket);
    std::erase_if(reported_, [socket](const auto& entry) { return entry.first == socket; });
}

bool PosixSocketLayer::linkPresent(int socket, const LocalInterface& link)
{
    if (socket < 0 || link.name.size() >= IFNAMSIZ)
        return false;
    ifreq request{};
    std::memcpy(request.ifr_name, link.name.c_str(), link.name.size());
    if (ioctl(socket, SIOCGIFINDEX, &request) != 0 || (link.index != 0 && request.ifr_ifindex != link.index))
        return false;
    if (ioctl(socket, SIOCGIFFLAGS, &request) != 0 || !(request.ifr_flags & IFF_UP))
        return false;
    if (ioctl(socket, SIOCGIFADDR, &request) != 0 || request.ifr_addr.sa_family != AF_INET)
        return false;
    char text[INET_ADDRSTRLEN] = {};
    const auto* sin = reinterpret_cast<const sockaddr_in*>(&request.ifr_addr);
    inet_ntop(AF_INET, &sin->sin_addr, text, sizeof text);
    // SIOCGIFADDR names the link's first address; another one it still has counts too.
    if (link.address == text)
        return true;
    for (const LocalInterface& now : localInterfaces())
        if (now.sameLink(link))
            return true;
    return false;
}

} // namespace telvorin
