// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string_view>

namespace telvorin {

struct MainControls;
class IpAddressEdit;

using AddressOctets = std::array<int, 4>;

// Shows a dotted text (inet_aton rules) in an address field; a text that is no address
// leaves the field blank.
void ShowDottedAddress(IpAddressEdit& field, std::string_view text);
// Enables or greys the address, netmask and gateway fields; their contents stay.
void SetAddressFieldsEnabled(MainControls& controls, bool enabled);

} // namespace telvorin
