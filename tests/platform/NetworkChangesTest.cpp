// SPDX-License-Identifier: GPL-3.0-or-later
// Which of the kernel's link and address news the drive watcher takes for a change.
#include "platform/NetworkChanges.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include <linux/netlink.h>
#include <linux/rtnetlink.h>
#include <net/if.h>
#include <sys/socket.h>

namespace telvorin {
namespace {

constexpr unsigned LowerUp = 1u << 16;
constexpr unsigned Usable = IFF_UP | IFF_RUNNING | LowerUp;

template <typename T> std::vector<char> Message(unsigned short type, const T& body)
{
    const unsigned header = NLMSG_ALIGN(sizeof(nlmsghdr));
    std::vector<char> bytes(NLMSG_ALIGN(header + sizeof(T)), 0);
    nlmsghdr h{};
    h.nlmsg_len = static_cast<unsigned>(header + sizeof(T));
    h.nlmsg_type = type;
    std::memcpy(bytes.data(), &h, sizeof h);
    std::memcpy(bytes.data() + header, &body, sizeof body);
    return bytes;
}

std::vector<char> Link(unsigned short type, int index, unsigned flags)
{
    ifinfomsg link{};
    link.ifi_index = index;
    link.ifi_flags = flags;
    return Message(type, link);
}

std::vector<char> Address(unsigned short type, unsigned char family)
{
    ifaddrmsg address{};
    address.ifa_family = family;
    address.ifa_index = 9001;
    return Message(type, address);
}

std::vector<char> Both(std::vector<char> a, const std::vector<char>& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

TEST(NetworkChanges, LinkStateAndIpv4AddressesCountOtherNewsDoesNot)
{
    struct Row {
        const char* what;
        std::vector<char> bytes;
        bool changed;
    };
    // In this order on one listener, which remembers each link's state. The indexes are
    // far above any of this machine's links.
    std::vector<char> truncated = Address(RTM_NEWADDR, AF_INET);
    truncated.resize(truncated.size() - 4);
    const std::vector<Row> rows = {
        {"a new link that is up and running", Link(RTM_NEWLINK, 9001, Usable), true},
        {"the same link again, unchanged (statistics, radio news)", Link(RTM_NEWLINK, 9001, Usable), false},
        {"its carrier lost", Link(RTM_NEWLINK, 9001, IFF_UP), true},
        {"its carrier back", Link(RTM_NEWLINK, 9001, Usable), true},
        {"a new link that is down", Link(RTM_NEWLINK, 9002, 0), false},
        {"an IPv4 address added", Address(RTM_NEWADDR, AF_INET), true},
        {"an IPv4 address removed", Address(RTM_DELADDR, AF_INET), true},
        {"an IPv6 address added", Address(RTM_NEWADDR, AF_INET6), false},
        {"a known link removed", Link(RTM_DELLINK, 9001, 0), true},
        {"a link removed that was never heard of", Link(RTM_DELLINK, 9003, 0), false},
        {"a message cut short", truncated, false},
        {"an unchanged link and an address in one read",
         Both(Link(RTM_NEWLINK, 9002, 0), Address(RTM_NEWADDR, AF_INET)), true},
    };
    NetworkChanges changes;
    for (const Row& row : rows)
        EXPECT_EQ(changes.changedIn(row.bytes.data(), row.bytes.size()), row.changed) << row.what;
}

} // namespace
} // namespace telvorin
