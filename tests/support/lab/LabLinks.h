// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <net/if.h>

#include <string>

namespace telvorin::lab {

// Whether every network link of the calling namespace is the lab's own (or loopback):
// the programs that multicast or flood check it first, so they never reach a real LAN.
inline bool OnlyLabLinks()
{
    struct if_nameindex* names = if_nameindex();
    if (!names)
        return false;
    bool ok = true;
    for (struct if_nameindex* n = names; n->if_index != 0; ++n) {
        const std::string name = n->if_name;
        if (name != "lo" && name.rfind("tvl", 0) != 0)
            ok = false;
    }
    if_freenameindex(names);
    return ok;
}

} // namespace telvorin::lab
