// SPDX-License-Identifier: GPL-3.0-or-later
#include "drives/DriveTable.h"

#include "drives/MemoryDriveService.h"
#include "protocol/ProtocolTypes.h"

#include <QApplication>
#include <QComboBox>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace telvorin {
namespace {

using test::MemoryDriveService;

class DriveTableTest : public ::testing::Test {
protected:
    const DriveEntry& entry(char letter) const
    {
        return table.entries()[static_cast<std::size_t>('Z' - letter)];
    }

    static std::vector<std::string> items(const QComboBox& combo)
    {
        std::vector<std::string> out;
        for (int i = 0; i < combo.count(); ++i)
            out.push_back(combo.itemText(i).toStdString());
        return out;
    }

    MemoryDriveService drives;
    DriveTable table;
};

TEST_F(DriveTableTest, RefreshSplitsRemoteNamesIntoServerAndShare)
{
    drives.mapDrive("Z:", "\\\\nas\\vol1");
    drives.mapDrive("Y:", "\\\\nas\\vol1\\dir\\sub");
    drives.mapDrive("X:", "//host/share"); // the first two characters are never looked at
    drives.setUnreadable("W:");
    drives.setDriveType("C:", DriveFixed);
    drives.mapDrive("V:", std::string("\\\\") + std::string(200, 's') + "\\" + std::string(300, 'v'));
    table.RefreshDriveTable(drives);

    EXPECT_EQ(entry('Z').drive, "Z:");
    EXPECT_EQ(entry('A').drive, "A:");
    EXPECT_EQ(entry('Z').server, "nas");
    EXPECT_EQ(entry('Z').share, "vol1");
    EXPECT_EQ(entry('Y').server, "nas");
    EXPECT_EQ(entry('Y').share, "vol1\\dir\\sub");
    EXPECT_TRUE(entry('X').server.empty()) << "no backslash after the leading pair";
    EXPECT_TRUE(entry('W').server.empty());
    EXPECT_TRUE(entry('C').share.empty());
    // Over-long parts are cut to their fields, never written past them.
    EXPECT_EQ(entry('V').server.size(), 131u);
    EXPECT_EQ(entry('V').share.size(), 255u);

    // A gone connection is forgotten; one that cannot be split keeps the old picture.
    drives.removeDrive("Z:");
    drives.mapDrive("Y:", "\\\\nas");
    table.RefreshDriveTable(drives);
    EXPECT_TRUE(entry('Z').server.empty());
    EXPECT_TRUE(entry('Z').share.empty());
    EXPECT_EQ(entry('Y').share, "vol1\\dir\\sub");
}

TEST_F(DriveTableTest, FillDriveLettersListsUsableLettersAndSelectsTheFirstFree)
{
    struct Case {
        const char* what;
        std::function<void(MemoryDriveService&)> setup;
        std::vector<std::string> firstItems; // the items from Z: down, as many as given
        int count;
        int selected;
    };
    const auto allRemote = [](MemoryDriveService& d) {
        for (char l = 'C'; l <= 'Z'; ++l)
            d.mapDrive(std::string{l, ':'}, std::string("\\\\nas\\v") + l);
    };
    const Case cases[] = {
        {"all free", [](MemoryDriveService&) {}, {"Z:", "Y:"}, 24, 0},
        {"Z: mapped, Y: free",
         [](MemoryDriveService& d) { d.mapDrive("Z:", "\\\\nas\\vol1"); },
         {"Z: \\\\nas\\vol1", "Y:"},
         24,
         1},
        {"local letters are left out",
         [](MemoryDriveService& d) {
             d.setDriveType("Z:", DriveFixed);
             d.setDriveType("Y:", DriveRemovable);
             d.setDriveType("X:", DriveCdRom);
             d.setDriveType("W:", DriveRamDisk);
             d.setDriveType("V:", DriveUnknown);
         },
         {"V:", "U:"},
         20,
         0},
        {"a remote letter whose connection cannot be read is plain",
         [](MemoryDriveService& d) {
             d.mapDrive("Z:", "\\\\nas\\vol1");
             d.setUnreadable("Y:");
         },
         {"Z: \\\\nas\\vol1", "Y:", "X:"},
         24,
         1},
        {"every listed letter mapped: no selection", allRemote, {"Z: \\\\nas\\vZ"}, 24, -1},
        {"nothing listed: no selection",
         [](MemoryDriveService& d) {
             for (char l = 'C'; l <= 'Z'; ++l)
                 d.setDriveType(std::string{l, ':'}, DriveFixed);
         },
         {},
         0,
         -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        MemoryDriveService d;
        c.setup(d);
        DriveTable t;
        t.RefreshDriveTable(d);
        QComboBox combo;
        combo.addItem(QStringLiteral("stale"));
        t.FillDriveLetters(&combo, d);

        const auto listed = items(combo);
        ASSERT_EQ(static_cast<int>(listed.size()), c.count);
        for (std::size_t i = 0; i < c.firstItems.size(); ++i)
            EXPECT_EQ(listed[i], c.firstItems[i]);
        for (const std::string& item : listed) {
            EXPECT_FALSE(item.starts_with("A:")) << item;
            EXPECT_FALSE(item.starts_with("B:")) << item;
        }
        EXPECT_EQ(combo.currentIndex(), c.selected);
    }
}

TEST_F(DriveTableTest, ShowVolumeLocationsFollowsTheCaseRule)
{
    drives.mapDrive("M:", "\\\\NAS1\\HDD_a");         // by name, other case
    drives.mapDrive("F:", "\\\\192.168.1.20\\hdd_a"); // by address, nearer A: wins
    drives.mapDrive("P:", "\\\\nas1\\HDD_1");         // by name, exact case
    drives.mapDrive("Q:", "\\\\other\\HDD_2");        // another server
    drives.mapDrive("R:", "\\\\nas1\\HDD_3\\dir");    // a folder of the share, not the share
    table.RefreshDriveTable(drives);

    VolumeList volumes;
    for (const char* v : {"HDD_a", "HDD_1", "HDD_2", "HDD_3"})
        volumes.append(v);

    struct Case {
        bool ignoreCase;
        std::vector<std::string> locations;
    };
    const Case cases[] = {
        {true, {"F:", "P:", "", ""}},
        {false, {"F:", "P:", "", ""}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.ignoreCase ? "ignoring case" : "exact case");
        QTreeWidget list;
        list.setColumnCount(2);
        new QTreeWidgetItem(&list, QStringList{QStringLiteral("old")});
        table.ShowVolumeLocations(&list, volumes, "nas1", "192.168.1.20", c.ignoreCase);
        ASSERT_EQ(list.topLevelItemCount(), 4);
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(list.topLevelItem(i)->text(0).toStdString(), volumes[i].name.str());
            EXPECT_EQ(list.topLevelItem(i)->text(1).toStdString(), c.locations[static_cast<std::size_t>(i)]);
        }
    }

    // Only the name's letter case differs: the exact rule no longer finds M:.
    drives.removeDrive("F:");
    table.RefreshDriveTable(drives);
    QTreeWidget list;
    list.setColumnCount(2);
    table.ShowVolumeLocations(&list, volumes, "nas1", "192.168.1.20", true);
    EXPECT_EQ(list.topLevelItem(0)->text(1), QStringLiteral("M:"));
    table.ShowVolumeLocations(&list, volumes, "nas1", "192.168.1.20", false);
    EXPECT_EQ(list.topLevelItem(0)->text(1), QString());
}

TEST_F(DriveTableTest, FreeLettersNeverLocateAVolume)
{
    table.RefreshDriveTable(drives);
    VolumeList volumes;
    volumes.append("");
    QTreeWidget list;
    list.setColumnCount(2);
    table.ShowVolumeLocations(&list, volumes, "", "", true);
    ASSERT_EQ(list.topLevelItemCount(), 1);
    EXPECT_EQ(list.topLevelItem(0)->text(1), QString());
}

} // namespace
} // namespace telvorin
