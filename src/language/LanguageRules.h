// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the language flow decides, apart from any window: the device queries with their
// pauses, which language to preselect, which the firmware refuses, and what each disk and
// language state means. Queries wait on the caller's clock.

#include <QtGlobal>

#include <string_view>

namespace telvorin {

class Clock;
class Protocol;

namespace language {

inline constexpr int QueryAttempts = 10;
inline constexpr int QueryPauseMs = 1000;
// "Western European": preselected when the device names no codepage of the list.
inline constexpr int DefaultLanguageIndex = 2;

inline constexpr const char* UnicodeMessage = QT_TRANSLATE_NOOP("telvorin", "This device supports Unicode.");
inline constexpr const char* NotSupportedMessage =
    QT_TRANSLATE_NOOP("telvorin", "Multi-language options are not supported on this device.");
inline constexpr const char* FirmwareMessage =
    QT_TRANSLATE_NOOP("telvorin", "This codepage does not supported in this firmware.\nPlease "
                                  "download the latest firmware from the support link.");

// Asks the current device for its disk and language state, up to QueryAttempts times
// with a pause after each answer or silence, until it reads as 1 to 5. The value of
// protocol.state.ideState afterwards (0 when the device never answered).
int AskIdeState(Protocol& protocol, Clock& clock);

// Asks the current device for its codepage the same way, until it is one of the list's;
// the list index to preselect (DefaultLanguageIndex when none came).
int AskLanguageIndex(Protocol& protocol, Clock& clock);

// The list index of a codepage text as the device sends it ("857" -> 5), read as a
// decimal number; DefaultLanguageIndex for any other value.
int PreselectionFor(std::string_view codepage);

// Northern European, Central European and Turkish need a firmware with all nine
// codepages; a negative index (nothing chosen) is no refusal.
bool SelectionRefused(int extendedCodepages, int index);

// What the dialog does after the queries.
enum class Opening {
    NoHardDrives, // message, then the dialog ends
    Unformatted,  // message and the device's web page, then the dialog ends
    Choose,       // the dialog stays open with the current codepage preselected
    Unicode,      // message, then the dialog ends
    NotSupported, // message, then the dialog ends
};

struct OpeningDecision {
    Opening opening = Opening::NotSupported;
    int extendedCodepages = 0; // 1 after state 5, which allows all nine languages
};

// State 5 is state 3 with all nine languages allowed.
OpeningDecision DecideOpening(int ideState);

} // namespace language
} // namespace telvorin
