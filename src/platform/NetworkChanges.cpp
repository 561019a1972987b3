// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/NetworkChanges.h"

#include <algorithm>
#include <cerrno>

#include <linux/netlink.h>
#include <linux/rtnetlink.h>
#include <net/if.h>
#include <sys/socket.h>
#include <unistd.h>

namespace telvorin {

namespace {

// Up, running and carrier (IFF_LOWER_UP, whose header clashes with <net/if.h>): what makes
// a link usable or not.
constexpr unsigned LowerUp = 1u << 16;
constexpr unsigned CountedFlags = IFF_UP | IFF_RUNNING | LowerUp;

// The netlink macros cast in C style; these walk the same layout.
constexpr unsigned Align(unsigned length)
{
    return (length + NLMSG_ALIGNTO - 1) & ~(NLMSG_ALIGNTO - 1);
}
constexpr unsigned HeaderLength = Align(sizeof(nlmsghdr));

bool Whole(const nlmsghdr* h, unsigned length)
{
    return length >= sizeof(nlmsghdr) && h->nlmsg_len >= sizeof(nlmsghdr) && h->nlmsg_len <= length;
}

const nlmsghdr* Next(const nlmsghdr* h, unsigned& length)
{
    const unsigned step = std::min(Align(h->nlmsg_len), length);
    length -= step;
    return reinterpret_cast<const nlmsghdr*>(reinterpret_cast<const char*>(h) + step);
}

// The message's body when it is long enough to hold a T.
template <typename T> const T* Body(const nlmsghdr* h)
{
    if (h->nlmsg_len < HeaderLength + sizeof(T))
        return nullptr;
    return reinterpret_cast<const T*>(reinterpret_cast<const char*>(h) + HeaderLength);
}

// The links there are now and their flags, read once so that the first news of a link
// that did not change is not taken for a change.
std::map<int, unsigned> CurrentLinks()
{
    std::map<int, unsigned> links;
    const int fd = socket(AF_NETLINK, SOCK_RAW | SOCK_CLOEXEC, NETLINK_ROUTE);
    if (fd < 0)
        return links;
    timeval limit{1, 0};
    setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &limit, sizeof limit);
    struct {
        nlmsghdr header;
        ifinfomsg body;
    } request{};
    request.header.nlmsg_len = HeaderLength + sizeof(ifinfomsg);
    request.header.nlmsg_type = RTM_GETLINK;
    request.header.nlmsg_flags = NLM_F_REQUEST | NLM_F_DUMP;
    request.header.nlmsg_seq = 1;
    request.body.ifi_family = AF_UNSPEC;
    if (send(fd, &request, request.header.nlmsg_len, 0) < 0) {
        close(fd);
        return links;
    }
    alignas(nlmsghdr) char buffer[16384];
    for (bool done = false; !done;) {
        const ssize_t n = recv(fd, buffer, sizeof buffer, 0);
        if (n <= 0)
            break;
        auto length = static_cast<unsigned int>(n);
        for (auto* h = reinterpret_cast<const nlmsghdr*>(buffer); Whole(h, length); h = Next(h, length)) {
            if (h->nlmsg_type == NLMSG_DONE || h->nlmsg_type == NLMSG_ERROR) {
                done = true;
                break;
            }
            if (const auto* link = h->nlmsg_type == RTM_NEWLINK ? Body<ifinfomsg>(h) : nullptr)
                links[link->ifi_index] = link->ifi_flags & CountedFlags;
        }
    }
    close(fd);
    return links;
}

} // namespace

NetworkChanges::NetworkChanges()
{
    fd_ = socket(AF_NETLINK, SOCK_RAW | SOCK_NONBLOCK | SOCK_CLOEXEC, NETLINK_ROUTE);
    if (fd_ < 0)
        return;
    sockaddr_nl address{};
    address.nl_family = AF_NETLINK;
    address.nl_groups = RTMGRP_LINK | RTMGRP_IPV4_IFADDR;
    if (bind(fd_, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
        close(fd_);
        fd_ = -1;
        return;
    }
    // Read after the socket listens, so no change falls between the two.
    linkFlags_ = CurrentLinks();
}

NetworkChanges::~NetworkChanges()
{
    if (fd_ >= 0)
        close(fd_);
}

bool NetworkChanges::drain()
{
    bool changed = false;
    alignas(nlmsghdr) char buffer[16384];
    for (;;) {
        const ssize_t n = recv(fd_, buffer, sizeof buffer, 0);
        if (n > 0) {
            changed = changedIn(buffer, static_cast<unsigned long>(n)) || changed;
            continue;
        }
        // The kernel dropped messages for a full queue: something changed, unknown what.
        if (n < 0 && errno == ENOBUFS) {
            changed = true;
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        return changed;
    }
}

bool NetworkChanges::changedIn(const void* data, unsigned long size)
{
    bool changed = false;
    auto length = static_cast<unsigned int>(size);
    for (auto* h = static_cast<const nlmsghdr*>(data); Whole(h, length); h = Next(h, length)) {
        switch (h->nlmsg_type) {
        case RTM_NEWADDR:
        case RTM_DELADDR: {
            const auto* a = Body<ifaddrmsg>(h);
            changed = changed || (a && a->ifa_family == AF_INET);
            break;
        }
        case RTM_NEWLINK:
        case RTM_DELLINK: {
            const auto* link = Body<ifinfomsg>(h);
            if (!link)
                break;
            if (h->nlmsg_type == RTM_DELLINK) {
                changed = linkFlags_.erase(link->ifi_index) > 0 || changed;
                break;
            }
            const unsigned flags = link->ifi_flags & CountedFlags;
            const auto known = linkFlags_.find(link->ifi_index);
            // A link first heard of counts only when it is usable: one that appears down
            // brings nothing back.
            if (known == linkFlags_.end())
                changed = changed || (flags & IFF_RUNNING) != 0;
            else
                changed = changed || known->second != flags;
            linkFlags_[link->ifi_index] = flags;
            break;
        }
        default: break;
        }
    }
    return changed;
}

} // namespace telvorin
