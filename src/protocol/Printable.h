// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace telvorin {

// A device's text made safe for a terminal: control bytes (C0, DEL, and C1 as UTF-8),
// bytes that are not valid UTF-8, and the backslash itself become \xHH, so a device can
// neither send escape sequences nor start lines of its own. Valid UTF-8 text, non-ASCII
// names included, stays as it is.
std::string PrintableText(std::string_view text);

} // namespace telvorin
