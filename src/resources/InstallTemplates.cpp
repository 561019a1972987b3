// SPDX-License-Identifier: GPL-3.0-or-later
#include "resources/InstallTemplates.h"

#include <QtGlobal>

namespace telvorin {

namespace {

using K = ControlKind;

constexpr ControlTemplate InstallControls[] = {
    {-1, K::Label, QT_TRANSLATE_NOOP("telvorin", "Loading....."), 6, 11, 36, 8, "loadingLabel"},
    {-1, K::Label,
     QT_TRANSLATE_NOOP("telvorin", " Warning: Do not power down your device during this process."), 4, 28,
     209, 8, "warningLabel"},
    {-1, K::Label, QT_TRANSLATE_NOOP("telvorin", "Doing so may physically damage this device."), 6, 45, 144,
     8, "damageLabel"},
};

constexpr ControlTemplate RestartControls[] = {
    {-1,
     K::Label,
     QT_TRANSLATE_NOOP("telvorin", "The system is restarting. Please wait a moment."),
     25,
     18,
     158,
     8,
     "restartingLabel",
     {},
     StyleNone,
     nullptr,
     IdRestartProgress},
    {IdRestartProgress,
     K::ProgressBar,
     "",
     26,
     41,
     152,
     10,
     "restartProgress",
     {},
     StyleNone,
     QT_TRANSLATE_NOOP("telvorin", "Restart progress")},
};

} // namespace

const DialogTemplate InstallTemplate{180, "", "Arial", 8, 220, 73, InstallControls};
const DialogTemplate RestartTemplate{141, "", "Arial", 8, 202, 73, RestartControls};

} // namespace telvorin
