// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace telvorin {

// Field kinds of the octet rules.
enum AddressKind : int { AddressField = 1, NetmaskField = 2, GatewayField = 3 };

// The octet rules alone: the first octet (0..3) outside its range with its message, or
// octet -1 and no message when all four pass.
struct OctetCheck {
    int failedOctet = -1;
    const char* message = nullptr;
    bool passed() const { return failedOctet < 0; }
};
OctetCheck CheckOctets(int kind, const int octets[4]);

} // namespace telvorin
