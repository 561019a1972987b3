// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace telvorin {

struct MainContext;

// "Refresh": empties both lists and the three address fields, searches the network with
// the Refresh button disabled, lists every device that answered and resets
// DeviceSelected. The DHCP choice and the current device stay as they are.
void OnRefresh(MainContext& ctx);

} // namespace telvorin
