// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

namespace telvorin {

// String 101: the About entry of the window's menu.
inline constexpr const char* AboutMenuText =
    QT_TRANSLATE_NOOP("telvorin", "About Network Storage Adapter(&A)...");

// The About box's notice and version line.
inline constexpr const char* AboutNotice =
    QT_TRANSLATE_NOOP("telvorin", "Finds and manages network storage.");
inline constexpr const char* AboutVersion = "Version : 4.4.0.0";
// The version line as the window shows it, in the user's language: %1 is the number.
inline constexpr const char* AboutVersionFormat = QT_TRANSLATE_NOOP("telvorin", "Version : %1");
inline constexpr const char* AboutVersionNumber = "4.4.0.0";

} // namespace telvorin
