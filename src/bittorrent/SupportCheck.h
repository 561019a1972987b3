// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Whether the selected device takes the package: its disk state and its firmware, asked
// with the pauses a device needs between questions, on the caller's clock. No widgets.

#include <QtGlobal>

namespace telvorin {

class Clock;
class Protocol;

namespace bittorrent {

inline constexpr int IdeStateAttempts = 15;
inline constexpr int IdeStatePauseMs = 2000;
inline constexpr int FirstFirmwarePauseMs = 1000;
inline constexpr int FirmwareAttempts = 15;
inline constexpr int FirmwarePauseMs = 2000;

inline constexpr const char* NotSupportedMessage =
    QT_TRANSLATE_NOOP("telvorin", "BitTorrent does not supported on this device now.");

struct SupportAnswers {
    int ideState = 0;   // after 3, 4 and 5 were folded into 3
    int btFirmware = 0; // 1 supported, 2 not
};

// Asks for the disk state until it reads 1 to 5 (then stores 3 for any usable disk),
// then once for the firmware; unless that answer was a clear 2, asks again until it
// reads 1. Every question is followed by its pause, answered or not.
SupportAnswers AskSupport(Protocol& protocol, Clock& clock);

enum class Support {
    NoHardDrives, // message
    Unformatted,  // message and the device's web page
    Supported,    // install
    NotSupported, // message
};

Support DecideSupport(const SupportAnswers& answers);

} // namespace bittorrent
} // namespace telvorin
