// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <span>

namespace telvorin::fuzz {

// Runs every reader of device replies, and the text types they fill, over one input and
// checks what comes out: texts within their capacities, addresses in dotted form, no
// duplicate records or volumes, volume names without ":" and never empty. A failed check
// prints what failed and aborts.
//
// Input: selector1, selector2, then datagrams, each a 2-byte little-endian length and
// that many bytes (the last one takes what is left).
void CheckReplies(std::span<const std::uint8_t> input);

} // namespace telvorin::fuzz
