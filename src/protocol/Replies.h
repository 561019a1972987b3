// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ProtocolTypes.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

// Reading what devices send, as pure functions from the received bytes to values. The
// transactions and the search call these; the fuzz target and the tests call them
// without any socket. None of them checks the client id: that is the caller's match.
namespace telvorin {

// The device address a reply carries (bytes 17 to 20), as "%d.%d.%d.%d".
std::string ReplyAddress(std::span<const std::uint8_t> reply);

// A search reply (opcode 2), or an extended one (opcode 7) whose selector bytes fit the
// search's selectors (0 fits any), as the record it makes for the given slot. Anything
// else gives nothing. Fields longer than the record holds are cut.
std::optional<DeviceRecord> ParseSearchReply(std::span<const std::uint8_t> reply, int slot, int selector1,
                                             int selector2);

// The value text of a get reply: from byte 28 to the first zero byte or the end.
std::string_view ParseGetValue(std::span<const std::uint8_t> reply);

// A login reply's verdict: its first value byte as a signed number (nonzero accepts).
int ParseLoginResult(std::span<const std::uint8_t> reply);

// The volume names in a volume list value: split at ":", empty pieces skipped, each cut
// to the entry's capacity and kept once, in order.
VolumeList ParseVolumeList(std::string_view value);

} // namespace telvorin
