// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <map>

namespace telvorin {

// The kernel's word (a netlink socket) that a link went up or down, or an IPv4 address came
// or went, in the calling thread's network namespace. Nothing is polled: the descriptor
// turns readable when the kernel tells of a change, for an event loop to watch.
class NetworkChanges {
public:
    // Reads the links there are now, then listens.
    NetworkChanges();
    ~NetworkChanges();
    NetworkChanges(const NetworkChanges&) = delete;
    NetworkChanges& operator=(const NetworkChanges&) = delete;

    // -1 when the socket could not be opened (then no change is ever heard of).
    int fd() const { return fd_; }
    // Reads what the kernel queued; true when some of it changed a link's state or an
    // IPv4 address. A link's other news (statistics, radio scans) does not count.
    bool drain();
    // The same over bytes as the socket delivers them, for drain() and its tests.
    bool changedIn(const void* data, unsigned long size);

private:
    int fd_ = -1;
    std::map<int, unsigned> linkFlags_; // interface index -> the flags that count
};

} // namespace telvorin
