// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "rules/TextMark.h"

#include <string>

namespace telvorin {

// Why a search heard no device, as the empty device list and telvorin-probe say it.
// Without an IPv4 interface (loopback aside) nothing could be asked at all.
inline constexpr const char* NoNetworkText =
    TELVORIN_TEXT("No device found: this computer is not connected to a network.");
// %1 is the protocol's UDP port.
inline constexpr const char* NoReplyText = TELVORIN_TEXT(
    "No device found. The search reaches only this network segment, not across routers or VLANs, "
    "and a firewall on this computer must let UDP port %1 in.");

// The text for a search over interfaceCount interfaces that heard nothing, port filled in.
std::string EmptySearchText(int interfaceCount, int port);

} // namespace telvorin
