// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace telvorin {

// String 101: the About entry of the window's menu.
inline constexpr const char* AboutMenuText = "About Network Storage Adapter(&A)...";

// The About box's notice and version line.
inline constexpr const char* AboutNotice = "Finds and manages network storage.";
inline constexpr const char* AboutVersion = "Version : 4.4.0.0";

} // namespace telvorin
