// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The install a language or the package makes on the current device: allow writing, ask
// for the share name, write the device files onto the share in their order, then
// announce the codepage or the package; on a failure tell the device to stop. Runs to its
// end without asking anyone; the caller shows the message it hands back.

#include "install/Extraction.h"
#include "install/InstallState.h"
#include "install/InstallTables.h"
#include "install/LocalStaging.h"
#include "platform/DeviceFiles.h"
#include "platform/ShareWriter.h"
#include "protocol/Protocol.h"

#include <QtGlobal>
#include <atomic>
#include <cstdint>
#include <functional>

#include <string>
#include <string_view>
#include <vector>

namespace telvorin::install {

// The values double as the install dialog's timer ids.
enum class InstallMode { Codepage = 1, Package = 2 };

enum class InstallOutcome {
    Installed,    // codepage or package announced to the device, which answered
    Unconfirmed,  // every file written and announced, but the device never answered
    Failed,       // "stop" was sent; message is "Please check hard drives."
    Cancelled,    // the cancel flag ended the run; "stop" was sent once "rw" had been
    FilesMissing, // a device file is missing or of the wrong size; nothing was sent
};

// What became of the "stop" a failed or cancelled run sends.
enum class StopAnswer { NotSent, Confirmed, Unconfirmed };

struct InstallReport {
    InstallOutcome outcome = InstallOutcome::Installed;
    std::string message; // for the user; empty after a success
    std::string detail;  // what went wrong, for logs and the command line
    StopAnswer stop = StopAnswer::NotSent;
    // The same message as a format with %1, %2, ... and its arguments, so the window can
    // show it in the user's language; empty where the message is one of the fixed texts.
    const char* format = nullptr;
    std::vector<std::string> formatArgs{};
};

inline constexpr const char* CheckHardDrivesMessage =
    QT_TRANSLATE_NOOP("telvorin", "Please check hard drives.");
inline constexpr const char* StopUnconfirmedMessage = QT_TRANSLATE_NOOP(
    "telvorin", "The device did not confirm that it stopped and may still be in write mode.");
// %1 type, %2 file id, %3 name on the device, %4 size in bytes, %5 the device files' folder.
inline constexpr const char* MissingFileFormat = QT_TRANSLATE_NOOP(
    "telvorin", "The device file %1/%2 (installed as %3, %4 bytes) is missing or has the wrong "
                "size, so nothing was installed.\nDevice files belong in %5.");

// The format with each %N replaced by the Nth argument (N from 1 to 9).
std::string FillFormat(std::string_view format, const std::vector<std::string>& args);
inline constexpr int ShareNameAttempts = 10;
// "stop" goes out again while the device does not answer, this many times at most.
inline constexpr int StopAttempts = 3;

// One file put on the device, for progress and figures.
struct WrittenFile {
    std::string path; // "\\host\share\dir\name"
    std::uint64_t bytes = 0;
    std::int64_t ms = 0;         // the whole extraction, on the run's clock
    std::int64_t transferMs = 0; // of which writing and renaming on the share
};

// Everything one run needs; the caller owns it all and keeps it alive for the run. The
// protocol is used by the run alone while it lasts.
struct InstallContext {
    Protocol& protocol;
    ShareWriter& share;
    DeviceFileStore& files;
    InstallState& state;
    LocalStaging& staging;
    Clock& clock;
    // Non-zero: end the run at the next file or chunk (the write in progress is ended and
    // its temporary file removed), tell the device to stop, and report Cancelled. Null:
    // the run cannot be cancelled.
    const std::atomic<int>* cancel = nullptr;
};

// The mode the install dialog runs in: the package mode while BtInstallMode is 1.
InstallMode ModeFor(const InstallState& state);

// Checks that every device file the run may write is there with its size: for a
// codepage the chosen language's files of both layouts, for the package 215 and 220.
// Empty when all are; otherwise the message for the user, naming the file and the folder
// where device files belong.
std::string CheckDeviceFiles(DeviceFileStore& files, InstallMode mode, int codepageIndex);

// Runs one install against protocol.state.currentDeviceIp, with selectedHost as the
// host of every share path. Codepage mode takes the language from state.CodepageIndex.
// Sets ExtractFailed (0 at the start, 1 after any failure), BtInstallMode (0 once the
// package mode starts) and BtInstalled (1 after the package was announced, answered or
// not). An exception inside the run ends it as a failure, with "stop" once "rw" was sent.
InstallReport RunInstall(InstallContext& context, InstallMode mode, std::string_view selectedHost,
                         const std::function<void(const WrittenFile&)>& onWritten = {});

} // namespace telvorin::install
