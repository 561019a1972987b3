// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace telvorin {

// The install flags the language and package flows share with the install engine and the
// restart wait. One instance lives as long as the program; all start at 0. Written on
// the user-interface thread, except while an install or restart worker runs, when only
// that worker writes (and the UI thread reads after it has ended).
struct InstallState {
    std::int32_t BtInstallMode = 0;     // 1: the install dialog runs the package mode
    std::int32_t BtInstalled = 0;       // 1: the package files were written and announced
    std::int32_t ExtractFailed = 0;     // 1: the last install failed (0 when it started)
    std::int32_t SetupOutcome = 0;      // -1 refused/failed/cancelled; 0 after a restart wait
    std::int32_t CodepageIndex = 0;     // the chosen language, 0 to 8
    std::int32_t ExtendedCodepages = 0; // 1: all nine codepages are allowed
};

} // namespace telvorin
