#pragma once

namespace telvorin {

struct MainContext;
class IpAddressEdit;

// "Apply": switches the current device to DHCP or to a checked static address.
void OnApply(MainContext& ctx);

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

// Checks one address field's octets (kind 1 address, 2 netmask, 3 gateway; a blank
// gateway passes); on failure shows the octet's message and focuses that octet. Nonzero
// when they pass.
int CheckAddressOctets(MainContext& ctx, int kind, IpAddressEdit& field, const int octets[4]);

} // namespace telvorin
