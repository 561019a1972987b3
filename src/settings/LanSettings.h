// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "rules/OctetRules.h"

namespace telvorin {

struct MainContext;
class IpAddressEdit;

// "Apply": switches the current device to DHCP or to a checked static address.
void OnApply(MainContext& ctx);

// Checks one address field's octets (kind 1 address, 2 netmask, 3 gateway; a blank
// gateway passes); on failure shows the octet's message and focuses that octet. Nonzero
// when they pass.
int CheckAddressOctets(MainContext& ctx, int kind, IpAddressEdit& field, const int octets[4]);

} // namespace telvorin
