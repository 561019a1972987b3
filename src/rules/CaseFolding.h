// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

namespace telvorin {

// A-Z to a-z; every other byte, UTF-8 included, stays as it is.
char FoldAsciiCase(char c);
// Byte-wise equality after FoldAsciiCase on both sides.
bool EqualIgnoringAsciiCase(std::string_view a, std::string_view b);

} // namespace telvorin
