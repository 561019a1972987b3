// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Messages the language and package flows share. Both show them without a caption of
// their own and without an icon, except the missing selection.

#include <QtGlobal>

namespace telvorin {

inline constexpr const char* SelectDeviceMessage = QT_TRANSLATE_NOOP("telvorin", "Please select a device.");
inline constexpr const char* NoHardDrivesMessage =
    QT_TRANSLATE_NOOP("telvorin", "No hard drives were detected.\nPlease verify that the "
                                  "hard drives are properly connected before continuing.");
inline constexpr const char* FormatDriveMessage = QT_TRANSLATE_NOOP("telvorin", "Please format hard drive.");

} // namespace telvorin
