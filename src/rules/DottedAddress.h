// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace telvorin {

// inet_aton rules: 1 and the address in network byte order, or 0 leaving `out` alone.
int ParseDottedAddress(std::string_view text, std::uint32_t& out);

// "a.b.c.d" from four octet values, each written as a decimal number ("%d.%d.%d.%d").
std::string FormatDottedAddress(const std::array<int, 4>& octets);
// "a.b.c.d" of an address in network byte order.
std::string FormatDottedAddress(std::uint32_t networkOrder);

// Whether a device lies in the local subnet, by the device's netmask.
bool SameSubnet(const std::uint8_t device[4], const std::uint8_t netmask[4], const std::uint8_t local[4]);

} // namespace telvorin
