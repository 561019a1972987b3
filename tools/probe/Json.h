// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace telvorin::probe {

// A JSON string literal for arbitrary bytes: valid UTF-8 passes through, control
// characters, quotes and backslashes are escaped, and every byte that is not part of a
// valid UTF-8 sequence becomes \u00XX.
std::string JsonString(std::string_view bytes);

} // namespace telvorin::probe
