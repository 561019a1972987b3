// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace telvorin {

struct MainContext;

// "Language": with a device selected, runs the language window (and the install and
// restart wait it leads to); after a completed restart wait the drive letters are read
// again, the network searched again and the selection cleared.
void OnLanguage(MainContext& ctx);

} // namespace telvorin
