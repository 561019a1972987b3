// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace telvorin {

struct MainContext;

// Click in the device list: shows the device's LAN settings and volumes, makes it the
// current device and enables the subnet-bound buttons.
void OnDeviceListClick(MainContext& ctx);
// Selection change of the "Receive DHCP" choice: greys the address fields for DHCP.
void OnDhcpChange(MainContext& ctx);

} // namespace telvorin
