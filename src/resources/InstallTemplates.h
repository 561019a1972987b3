// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "resources/DialogTemplate.h"

namespace telvorin {

// Control id of the restart wait's progress bar (template 141).
constexpr int IdRestartProgress = 1023;

extern const DialogTemplate InstallTemplate; // 180: "Loading....." while files are written
extern const DialogTemplate RestartTemplate; // 141: the device's restart wait

} // namespace telvorin
