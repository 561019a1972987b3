// The GIO drive service where no share is needed: names, letters and entries that are
// not network mounts.
#include "platform/GioDriveService.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <string>

#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

namespace telvorin {
namespace {

// No GVfs here: GIO sees plain local files only.
const bool LocalVfs = (setenv("GIO_USE_VFS", "local", 1), true);

class TempFolder {
public:
    TempFolder()
    {
        char name[] = "/tmp/telvorin-drives-XXXXXX";
        path_ = mkdtemp(name);
    }
    ~TempFolder() { std::system(("rm -rf '" + path_ + "'").c_str()); }
    const std::string& path() const { return path_; }

private:
    std::string path_;
};

TEST(GioDriveNames, RemoteNamesSplitOnlyIntoSafeComponents)
{
    struct Row {
        std::string remote;
        bool ok;
        const char* server;
        const char* share;
    };
    const Row rows[] = {
        {"\\\\NAS-1\\HDD_a", true, "NAS-1", "HDD_a"},
        {"\\\\10.64.0.10\\My Files", true, "10.64.0.10", "My Files"},
        {"\\\\nas\\vol1\\dir", false, "", ""},
        {"\\\\nas\\..", false, "", ""},
        {"\\\\nas\\.", false, "", ""},
        {"\\\\..\\vol", false, "", ""},
        {"\\\\nas\\a/b", false, "", ""},
        {"\\\\n/as\\vol", false, "", ""},
        {"\\\\nas\\vol\x7f", false, "", ""},
        {std::string("\\\\nas\\vo\0l", 10), false, "", ""},
        {"\\\\nas\\", false, "", ""},
        {"\\\\\\vol", false, "", ""},
        {"\\\\nas", false, "", ""},
        {"//nas/vol", false, "", ""},
        {"", false, "", ""},
    };
    for (const Row& row : rows) {
        std::string server = "unchanged";
        std::string share = "unchanged";
        EXPECT_EQ(GioDriveService::SplitRemoteName(row.remote, server, share), row.ok) << row.remote;
        if (row.ok) {
            EXPECT_EQ(server, row.server);
            EXPECT_EQ(share, row.share);
        }
    }
}

TEST(GioDriveNames, ShareUriEscapesEachComponent)
{
    EXPECT_EQ(GioDriveService::ShareUri("NAS-1", "HDD_a"), "smb://NAS-1/HDD_a/");
    EXPECT_EQ(GioDriveService::ShareUri("nas", "a b#c?d%e@f:g"), "smb://nas/a%20b%23c%3Fd%25e%40f%3Ag/");
    EXPECT_EQ(GioDriveService::ShareUri("user@evil", "x"), "smb://user%40evil/x/");
    EXPECT_EQ(GioDriveService::ShareUri("nas", "Müll"), "smb://nas/M%C3%BCll/");
}

TEST(GioDriveNames, OnlyTwoCharacterDriveNamesNameALetter)
{
    EXPECT_EQ(GioDriveService::DriveLetter("Z:"), 'Z');
    EXPECT_EQ(GioDriveService::DriveLetter("c:"), 'C');
    for (const char* bad : {"", "Z", "ZZ:", "Z:\\", "1:", "/:", ".:", ":Z", "Z;"})
        EXPECT_EQ(GioDriveService::DriveLetter(bad), std::nullopt) << bad;
}

TEST(GioDriveFolder, FollowsXdgDataHomeOrHome)
{
    const char* savedData = std::getenv("XDG_DATA_HOME");
    const std::string saved = savedData ? savedData : "";
    const std::string home = std::getenv("HOME") ? std::getenv("HOME") : "";

    setenv("XDG_DATA_HOME", "/data/here", 1);
    EXPECT_EQ(GioDriveService::DefaultDrivesFolder(), "/data/here/telvorin/drives");
    setenv("XDG_DATA_HOME", "relative/path", 1); // not absolute: ignored
    EXPECT_EQ(GioDriveService::DefaultDrivesFolder(), home + "/.local/share/telvorin/drives");
    unsetenv("XDG_DATA_HOME");
    EXPECT_EQ(GioDriveService::DefaultDrivesFolder(), home + "/.local/share/telvorin/drives");
    EXPECT_EQ(GioDriveService().drivesFolder(), home + "/.local/share/telvorin/drives");

    if (savedData)
        setenv("XDG_DATA_HOME", saved.c_str(), 1);
}

TEST(GioDriveEntries, LocalEntriesAreTypedAndNeverTakenForConnections)
{
    TempFolder temp;
    const std::string drives = temp.path() + "/drives";
    const std::string local = temp.path() + "/local";
    ASSERT_EQ(mkdir(drives.c_str(), 0700), 0);
    ASSERT_EQ(mkdir(local.c_str(), 0700), 0);
    std::ofstream(local + "/keep.txt") << "mine";
    ASSERT_EQ(symlink(local.c_str(), (drives + "/L").c_str()), 0);                   // link to a folder
    ASSERT_EQ(mkdir((drives + "/D").c_str(), 0700), 0);                              // the user's own folder
    ASSERT_EQ(symlink((temp.path() + "/gone").c_str(), (drives + "/G").c_str()), 0); // mount gone
    std::ofstream(drives + "/.remote-not-a-letter") << "";

    GioDriveService service(drives + "/"); // a trailing slash changes nothing
    struct Row {
        const char* drive;
        int type;
    };
    const Row rows[] = {{"L:", DriveFixed},  {"l:", DriveFixed},     {"D:", DriveFixed},
                        {"G:", DriveRemote}, {"F:", DriveNoRootDir}, {"..:", DriveNoRootDir}};
    for (const Row& row : rows) {
        EXPECT_EQ(service.GetDriveType(row.drive), row.type) << row.drive;
        std::string remote = "unchanged";
        EXPECT_FALSE(service.GetConnection(row.drive, remote)) << row.drive;
        EXPECT_EQ(remote, "unchanged");
    }

    // The user's own folder is neither replaced nor removed.
    EXPECT_NE(service.AddConnection("D:", "\\\\nas\\vol", "", "", ConnectUpdateProfile), DriveResult::Ok);
    EXPECT_NE(service.CancelConnection("D:", ConnectUpdateProfile, true), DriveResult::Ok);
    struct stat st {};
    EXPECT_EQ(lstat((drives + "/D").c_str(), &st), 0);
    EXPECT_TRUE(S_ISDIR(st.st_mode));

    // Removing a letter removes the link only, never what it points at.
    EXPECT_EQ(service.CancelConnection("L:", ConnectUpdateProfile, true), DriveResult::Ok);
    EXPECT_NE(lstat((drives + "/L").c_str(), &st), 0);
    EXPECT_TRUE(std::ifstream(local + "/keep.txt").good());
    EXPECT_EQ(service.CancelConnection("G:", ConnectUpdateProfile, true), DriveResult::Ok);
    EXPECT_NE(service.CancelConnection("F:", ConnectUpdateProfile, true), DriveResult::Ok);
}

} // namespace
} // namespace telvorin
