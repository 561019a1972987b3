// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace telvorin {

struct MainContext;

// "BitTorrent": with a device selected, checks that its disk and firmware take the
// package, installs the package with the install window and waits for the device's
// restart; after a completed restart wait the flags are cleared, the drive letters read
// again, the network searched again, the selection cleared and the empty staging folder
// removed. A refusal shows its message and leaves the main window open.
void OnBitTorrent(MainContext& ctx);

} // namespace telvorin
