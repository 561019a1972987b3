// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/WebCheck.h"

#include <cerrno>
#include <chrono>

#include <fcntl.h>
#include <netdb.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace telvorin {

namespace {

bool ConnectOne(const addrinfo& ai, std::chrono::steady_clock::time_point deadline)
{
    const int fd = ::socket(ai.ai_family, ai.ai_socktype | SOCK_NONBLOCK | SOCK_CLOEXEC, ai.ai_protocol);
    if (fd < 0)
        return false;
    bool connected = false;
    if (::connect(fd, ai.ai_addr, ai.ai_addrlen) == 0) {
        connected = true;
    } else if (errno == EINPROGRESS) {
        pollfd p{fd, POLLOUT, 0};
        for (;;) {
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                deadline - std::chrono::steady_clock::now());
            if (left.count() <= 0)
                break;
            const int n = ::poll(&p, 1, static_cast<int>(left.count()));
            if (n < 0 && errno == EINTR)
                continue;
            if (n == 1) {
                int error = 0;
                socklen_t len = sizeof error;
                connected = ::getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &len) == 0 && error == 0;
            }
            break;
        }
    }
    ::close(fd);
    return connected;
}

} // namespace

bool TcpWebCheck::connect(const std::string& host, int port, int timeoutMs)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    addrinfo hints{};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_STREAM;
    // The host is the device's address text: never a name lookup from the worker.
    hints.ai_flags = AI_NUMERICHOST;
    addrinfo* found = nullptr;
    const std::string service = std::to_string(port);
    if (host.empty() || ::getaddrinfo(host.c_str(), service.c_str(), &hints, &found) != 0)
        return false;
    bool connected = false;
    for (const addrinfo* ai = found; ai && !connected; ai = ai->ai_next)
        connected = ConnectOne(*ai, deadline);
    ::freeaddrinfo(found);
    return connected;
}

std::function<bool()> TcpWebCheck::makeCheck(const std::string& host) const
{
    return [host, timeoutMs = timeoutMs_] { return connect(host, 80, timeoutMs); };
}

} // namespace telvorin
