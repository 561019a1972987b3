// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/NetworkMonitor.h"

#include <QSocketNotifier>

#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include <linux/netlink.h>
#include <linux/rtnetlink.h>
#include <sys/socket.h>
#include <unistd.h>

namespace telvorin {

bool NoticesChangeTheNetwork(std::span<const std::uint8_t> notices)
{
    std::size_t at = 0;
    while (notices.size() - at >= sizeof(nlmsghdr)) {
        nlmsghdr header;
        std::memcpy(&header, notices.data() + at, sizeof header);
        if (header.nlmsg_len < sizeof header || header.nlmsg_len > notices.size() - at)
            return false;
        const std::size_t body = at + NLMSG_HDRLEN;
        switch (header.nlmsg_type) {
        case RTM_NEWADDR:
        case RTM_DELADDR:
            if (header.nlmsg_len >= NLMSG_LENGTH(sizeof(ifaddrmsg))) {
                ifaddrmsg address;
                std::memcpy(&address, notices.data() + body, sizeof address);
                if (address.ifa_family == AF_INET)
                    return true;
            }
            break;
        case RTM_NEWLINK:
        case RTM_DELLINK: return true;
        default: break;
        }
        at += NLMSG_ALIGN(header.nlmsg_len);
        if (at > notices.size())
            break;
    }
    return false;
}

NetlinkMonitor::NetlinkMonitor()
{
    socket_ = ::socket(AF_NETLINK, SOCK_RAW | SOCK_CLOEXEC | SOCK_NONBLOCK, NETLINK_ROUTE);
    if (socket_ < 0) {
        std::fprintf(stderr, "telvorin: network changes not watched: %s\n", std::strerror(errno));
        return;
    }
    sockaddr_nl local{};
    local.nl_family = AF_NETLINK;
    local.nl_groups = RTMGRP_LINK | RTMGRP_IPV4_IFADDR;
    if (bind(socket_, reinterpret_cast<const sockaddr*>(&local), sizeof local) != 0) {
        std::fprintf(stderr, "telvorin: network changes not watched: %s\n", std::strerror(errno));
        ::close(socket_);
        socket_ = -1;
        return;
    }
    notifier_ = std::make_unique<QSocketNotifier>(socket_, QSocketNotifier::Read);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, notifier_.get(),
                     [this] { readNotices(); });
}

NetlinkMonitor::~NetlinkMonitor()
{
    notifier_.reset();
    if (socket_ >= 0)
        ::close(socket_);
}

void NetlinkMonitor::setListener(std::function<void()> changed)
{
    changed_ = std::move(changed);
}

void NetlinkMonitor::readNotices()
{
    std::array<std::uint8_t, 16384> buffer;
    bool changed = false;
    for (;;) {
        const ssize_t n = ::recv(socket_, buffer.data(), buffer.size(), MSG_DONTWAIT);
        if (n < 0) {
            // Notices lost to a full buffer (ENOBUFS) may have told of a change.
            if (errno == ENOBUFS)
                changed = true;
            if (errno == EINTR || errno == ENOBUFS)
                continue;
            break;
        }
        if (n == 0)
            break;
        changed |= NoticesChangeTheNetwork(std::span(buffer.data(), static_cast<std::size_t>(n)));
    }
    if (changed && changed_)
        changed_();
}

} // namespace telvorin
