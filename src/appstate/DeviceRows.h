// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace telvorin {

struct MainContext;

// Empties the device and volume lists, searches the network with the Refresh button
// disabled (as a blocking step: the window stays painted, input waits for its end), and
// lists every device that answered, one row each, none of them current. Each row shows as
// soon as its device answers, at the place it keeps in the final list; a click on the list
// held back meanwhile acts on the device it was made on, or on none (ui/HeldClicks.h).
// Refresh and Apply both end this way; DeviceSelected is 0 after it (the one place that
// clears it), and the address fields are not touched here.
void SearchAndShowDevices(MainContext& ctx);

} // namespace telvorin
