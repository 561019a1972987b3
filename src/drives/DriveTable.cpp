// SPDX-License-Identifier: GPL-3.0-or-later
#include "drives/DriveTable.h"

#include "platform/DriveService.h"
#include "protocol/ProtocolTypes.h"
#include "rules/CaseFolding.h"

#include <QComboBox>
#include <QString>
#include <QTreeWidget>

#include <string>

namespace telvorin {

namespace {

char LetterAt(int index)
{
    return static_cast<char>('Z' - index);
}

std::string DriveName(int index)
{
    return std::string{LetterAt(index), ':'};
}

bool SameText(std::string_view a, std::string_view b, bool ignoreCase)
{
    return ignoreCase ? EqualIgnoringAsciiCase(a, b) : a == b;
}

QString Text(std::string_view bytes)
{
    return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

} // namespace

void DriveTable::RefreshDriveTable(DriveService& drives)
{
    for (int i = 0; i < EntryCount; ++i) {
        DriveEntry& entry = entries_[static_cast<std::size_t>(i)];
        const std::string drive = DriveName(i);
        entry.drive = drive;

        std::string remote;
        if (!drives.getConnection(drive, remote)) {
            entry.server.clear();
            entry.share.clear();
            continue;
        }
        // "\\server\share\more": the first two characters are the leading backslashes,
        // whatever they hold; the share keeps any further backslashes.
        if (remote.size() <= 2)
            continue;
        const auto split = remote.find('\\', 2);
        if (split == std::string::npos)
            continue;
        // Over-long parts are cut to their field by FixedText.
        entry.server = std::string_view(remote).substr(2, split - 2);
        entry.share = std::string_view(remote).substr(split + 1);
    }
}

void DriveTable::FillDriveLetters(QComboBox* combo, DriveService& drives) const
{
    combo->clear();
    int count = 0;
    int firstPlain = 0;
    for (int i = 0; i < EntryCount; ++i) {
        const DriveEntry& entry = entries_[static_cast<std::size_t>(i)];
        const char letter = LetterAt(i);
        // Named from the position, so a table that was never refreshed still lists letters.
        const std::string drive = DriveName(i);
        if (letter == 'A' || letter == 'B')
            continue;
        const int type = drives.getDriveType(drive);
        if (type == DriveFixed || type == DriveRemovable || type == DriveCdRom || type == DriveRamDisk)
            continue;

        ++count;
        QString item = Text(drive);
        if (!entry.server.empty() && !entry.share.empty()) {
            item += QStringLiteral(" \\\\") + Text(entry.server.view()) + QLatin1Char('\\') +
                    Text(entry.share.view());
        } else if (firstPlain == 0) {
            firstPlain = count;
        }
        combo->addItem(item);
    }
    combo->setCurrentIndex(firstPlain - 1);
}

void DriveTable::ShowVolumeLocations(QTreeWidget* volumeList, const VolumeList& volumes,
                                     std::string_view deviceName, std::string_view deviceIp,
                                     bool ignoreCase) const
{
    volumeList->clear();
    for (const VolumeEntry& volume : volumes) {
        auto* row = new QTreeWidgetItem(volumeList);
        row->setText(0, Text(volume.name.view()));
        for (const DriveEntry& entry : entries_) {
            // A letter without a connection has no server and never locates a volume.
            if (entry.server.empty())
                continue;
            const bool serverMatches = SameText(entry.server.view(), deviceName, ignoreCase) ||
                                       SameText(entry.server.view(), deviceIp, ignoreCase);
            // Later letters (nearer A:) overwrite earlier ones: a volume mapped twice shows the
            // letter nearest A:.
            if (serverMatches && EqualIgnoringAsciiCase(entry.share.view(), volume.name.view()))
                row->setText(1, Text(entry.drive.view()));
        }
    }
    volumeList->update();
}

} // namespace telvorin
