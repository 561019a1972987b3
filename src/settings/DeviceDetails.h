// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QTreeWidgetItem;

namespace telvorin {

struct MainContext;

// Click in the device list (on a row or not): gives the list the focus and shows the
// highlighted device.
void OnDeviceListClick(MainContext& ctx);
// Shows the device of the highlighted row, however the row got highlighted: its LAN
// settings and volumes; makes it the current device and enables the subnet-bound
// buttons. Without a highlighted row no device is selected and the panel stays.
void ShowHighlightedDevice(MainContext& ctx);
// Whether this row of the device list is the device ShowHighlightedDevice last loaded.
// A row of a new search never is.
bool IsLoadedDevice(const QTreeWidgetItem* row);
// Selection change of the "Receive DHCP" choice: greys the address fields for DHCP.
void OnDhcpChange(MainContext& ctx);

} // namespace telvorin
