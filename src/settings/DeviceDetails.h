#pragma once

#include <cstdint>
#include <string_view>

namespace telvorin {

struct MainContext;

// Click in the device list: shows the device's LAN settings and volumes, makes it the
// current device and enables the subnet-bound buttons.
void OnDeviceListClick(MainContext& ctx);
// Selection change of the "Receive DHCP" choice: greys the address fields for DHCP.
void OnDhcpChange(MainContext& ctx);

// inet_aton rules: 1 and the address in network byte order, or 0 leaving `out` alone.
int ParseDottedAddress(std::string_view text, std::uint32_t& out);
// Whether a device lies in the local subnet, by the device's netmask.
bool SameSubnet(const std::uint8_t device[4], const std::uint8_t netmask[4], const std::uint8_t local[4]);

} // namespace telvorin
