// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>

namespace telvorin {

// Whether the text holds a C0 control character or DEL.
bool HasControlCharacter(const std::string& text);

// A text that may stand as one path or URI component without reaching anywhere else:
// not empty, not "." or "..", no "/" or "\", no control characters, and at most
// `maxLength` bytes (too long is refused, never cut).
bool IsSafeComponent(const std::string& text, std::size_t maxLength = std::string::npos);

} // namespace telvorin
