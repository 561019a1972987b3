// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "protocol/FixedText.h"

#include <array>
#include <string_view>

class QComboBox;
class QTreeWidget;

namespace telvorin {

class DriveService;
class VolumeList;

struct DriveEntry {
    FixedText<132> server;
    FixedText<256> share;
    FixedText<8> drive; // "Z:"
};

// The program's picture of the drive letters Z: down to A: and their connections.
class DriveTable {
public:
    static constexpr int EntryCount = 26;

    // Re-reads the connection of every letter.
    void RefreshDriveTable(DriveService& drives);
    // Refills the drive-letter choice and selects the highest free letter.
    void FillDriveLetters(QComboBox* combo, DriveService& drives) const;
    // Rebuilds the volume list with the letter each volume is mapped on.
    void ShowVolumeLocations(QTreeWidget* volumeList, const VolumeList& volumes, std::string_view deviceName,
                             std::string_view deviceIp, bool ignoreCase) const;

    const std::array<DriveEntry, EntryCount>& entries() const { return entries_; }

private:
    std::array<DriveEntry, EntryCount> entries_{};
};

} // namespace telvorin
