// SPDX-License-Identifier: GPL-3.0-or-later
// The GIO drive service where no share is needed: names, letters and entries that are
// not network mounts.
#include "platform/GioDriveService.h"
#include "platform/AutostartEntry.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

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
        EXPECT_EQ(GioDriveService::splitRemoteName(row.remote, server, share), row.ok) << row.remote;
        if (row.ok) {
            EXPECT_EQ(server, row.server);
            EXPECT_EQ(share, row.share);
        }
    }
}

TEST(GioDriveNames, ShareUriEscapesEachComponent)
{
    EXPECT_EQ(GioDriveService::shareUri("NAS-1", "HDD_a"), "smb://NAS-1/HDD_a/");
    EXPECT_EQ(GioDriveService::shareUri("nas", "a b#c?d%e@f:g"), "smb://nas/a%20b%23c%3Fd%25e%40f%3Ag/");
    EXPECT_EQ(GioDriveService::shareUri("user@evil", "x"), "smb://user%40evil/x/");
    EXPECT_EQ(GioDriveService::shareUri("nas", "Müll"), "smb://nas/M%C3%BCll/");
}

TEST(GioDriveNames, OnlyTwoCharacterDriveNamesNameALetter)
{
    EXPECT_EQ(GioDriveService::driveLetter("Z:"), 'Z');
    EXPECT_EQ(GioDriveService::driveLetter("c:"), 'C');
    for (const char* bad : {"", "Z", "ZZ:", "Z:\\", "1:", "/:", ".:", ":Z", "Z;"})
        EXPECT_EQ(GioDriveService::driveLetter(bad), std::nullopt) << bad;
}

TEST(GioDriveFolder, FollowsXdgDataHomeOrHome)
{
    const char* savedData = std::getenv("XDG_DATA_HOME");
    const std::string saved = savedData ? savedData : "";
    const std::string home = std::getenv("HOME") ? std::getenv("HOME") : "";

    setenv("XDG_DATA_HOME", "/data/here", 1);
    EXPECT_EQ(GioDriveService::defaultDrivesFolder(), "/data/here/telvorin/drives");
    setenv("XDG_DATA_HOME", "relative/path", 1); // not absolute: ignored
    EXPECT_EQ(GioDriveService::defaultDrivesFolder(), home + "/.local/share/telvorin/drives");
    unsetenv("XDG_DATA_HOME");
    EXPECT_EQ(GioDriveService::defaultDrivesFolder(), home + "/.local/share/telvorin/drives");
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

    GioDriveService service(drives + "/", temp.path() + "/autostart"); // a trailing slash changes nothing
    struct Row {
        const char* drive;
        int type;
    };
    const Row rows[] = {{"L:", DriveFixed},  {"l:", DriveFixed},     {"D:", DriveFixed},
                        {"G:", DriveRemote}, {"F:", DriveNoRootDir}, {"..:", DriveNoRootDir}};
    for (const Row& row : rows) {
        EXPECT_EQ(service.getDriveType(row.drive), row.type) << row.drive;
        std::string remote = "unchanged";
        EXPECT_FALSE(service.getConnection(row.drive, remote)) << row.drive;
        EXPECT_EQ(remote, "unchanged");
    }

    // The user's own folder is neither replaced nor removed.
    EXPECT_NE(service.addConnection("D:", "\\\\nas\\vol", "", "", ConnectUpdateProfile), DriveResult::Ok);
    EXPECT_NE(service.cancelConnection("D:", ConnectUpdateProfile, true), DriveResult::Ok);
    struct stat st {};
    EXPECT_EQ(lstat((drives + "/D").c_str(), &st), 0);
    EXPECT_TRUE(S_ISDIR(st.st_mode));

    // Removing a letter removes the link only, never what it points at.
    EXPECT_EQ(service.cancelConnection("L:", ConnectUpdateProfile, true), DriveResult::Ok);
    EXPECT_NE(lstat((drives + "/L").c_str(), &st), 0);
    EXPECT_TRUE(std::ifstream(local + "/keep.txt").good());
    EXPECT_EQ(service.cancelConnection("G:", ConnectUpdateProfile, true), DriveResult::Ok);
    EXPECT_NE(service.cancelConnection("F:", ConnectUpdateProfile, true), DriveResult::Ok);
}

TEST(GioDriveEntries, MappedLettersAreListedWithTheirRecordAndTheAutostartEntryGoesWithTheLast)
{
    TempFolder temp;
    const std::string drives = temp.path() + "/drives";
    ASSERT_EQ(mkdir(drives.c_str(), 0700), 0);
    ASSERT_EQ(mkdir((drives + "/.remote").c_str(), 0700), 0);
    // Letters whose mounts went with the last session: links to nothing.
    ASSERT_EQ(symlink((temp.path() + "/gone1").c_str(), (drives + "/M").c_str()), 0);
    std::ofstream(drives + "/.remote/M") << "\\\\NAS-1\\HDD_a\nmounted-by=telvorin\ndomain=\n";
    ASSERT_EQ(symlink((temp.path() + "/gone2").c_str(), (drives + "/E").c_str()), 0); // no record
    ASSERT_EQ(mkdir((drives + "/D").c_str(), 0700), 0); // the user's own folder: no mapping

    GioDriveService service(drives, temp.path() + "/autostart");
    ASSERT_TRUE(service.autostart().write("/usr/bin/telvorin-probe"));
    const std::vector<MappedDrive> mapped = service.mappedDrives();
    ASSERT_EQ(mapped.size(), 2u);
    EXPECT_EQ(mapped[0].letter, 'E');
    EXPECT_EQ(mapped[0].remoteName, "");
    EXPECT_FALSE(mapped[0].mounted);
    EXPECT_EQ(mapped[1].letter, 'M');
    EXPECT_EQ(mapped[1].remoteName, "\\\\NAS-1\\HDD_a");
    EXPECT_FALSE(mapped[1].mounted);

    // Without a record there is nothing to mount again.
    EXPECT_EQ(service.reconnect('E'), DriveResult::NotConnected);

    EXPECT_EQ(service.cancelConnection("M:", ConnectUpdateProfile, true), DriveResult::Ok);
    EXPECT_FALSE(std::ifstream(drives + "/.remote/M").good());
    EXPECT_TRUE(service.autostart().exists()) << "E: is still mapped";
    EXPECT_EQ(service.cancelConnection("E:", ConnectUpdateProfile, true), DriveResult::Ok);
    EXPECT_FALSE(service.autostart().exists());
    EXPECT_TRUE(service.mappedDrives().empty());
}

TEST(AutostartEntry, ExecLineQuotesWhatTheDesktopEntryRulesReserve)
{
    struct Row {
        const char* argument;
        const char* exec;
    };
    const Row rows[] = {
        {"/usr/bin/telvorin-probe", "/usr/bin/telvorin-probe"},
        {"telvorin-probe", "telvorin-probe"},
        {"/opt/my apps/telvorin-probe", "\"/opt/my apps/telvorin-probe\""},
        {"/opt/100%/p", "/opt/100%%/p"},
        {"/opt/a$b/p", "\"/opt/a\\\\$b/p\""},
        {"/opt/a\"b/p", "\"/opt/a\\\\\"b/p\""},
        {"/opt/a\\b/p", "\"/opt/a\\\\\\\\b/p\""},
        {"/opt/`x`/p", "\"/opt/\\\\`x\\\\`/p\""},
        {"", "\"\""},
    };
    for (const Row& row : rows)
        EXPECT_EQ(AutostartEntry::execArgument(row.argument), row.exec) << row.argument;

    const std::string text = AutostartEntry::text("/opt/my apps/telvorin-probe");
    EXPECT_TRUE(text.starts_with("[Desktop Entry]\n")) << text;
    EXPECT_NE(text.find("\nType=Application\n"), std::string::npos) << text;
    EXPECT_NE(text.find("\nExec=\"/opt/my apps/telvorin-probe\" drives watch\n"), std::string::npos) << text;
}

TEST(AutostartEntry, LivesInXdgConfigHomeAndIsWrittenOnceAndRemoved)
{
    const char* savedConfig = std::getenv("XDG_CONFIG_HOME");
    const std::string saved = savedConfig ? savedConfig : "";
    const std::string home = std::getenv("HOME") ? std::getenv("HOME") : "";
    setenv("XDG_CONFIG_HOME", "/config/here", 1);
    EXPECT_EQ(AutostartEntry::defaultFolder(), "/config/here/autostart");
    setenv("XDG_CONFIG_HOME", "relative", 1); // not absolute: ignored
    EXPECT_EQ(AutostartEntry::defaultFolder(), home + "/.config/autostart");
    unsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(AutostartEntry().path(), home + "/.config/autostart/telvorin-drives.desktop");
    if (savedConfig)
        setenv("XDG_CONFIG_HOME", saved.c_str(), 1);

    TempFolder temp;
    const AutostartEntry entry(temp.path() + "/new/autostart/");
    EXPECT_FALSE(entry.exists());
    EXPECT_TRUE(entry.remove()) << "nothing to remove is not a failure";
    ASSERT_TRUE(entry.write("/usr/bin/telvorin-probe")); // makes the missing folders
    EXPECT_EQ(entry.path(), temp.path() + "/new/autostart/telvorin-drives.desktop");
    std::ifstream in(entry.path());
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(text, AutostartEntry::text("/usr/bin/telvorin-probe"));
    ASSERT_TRUE(entry.write("/usr/local/bin/telvorin-probe")); // a moved program is followed
    std::ifstream again(entry.path());
    const std::string moved((std::istreambuf_iterator<char>(again)), std::istreambuf_iterator<char>());
    EXPECT_EQ(moved, AutostartEntry::text("/usr/local/bin/telvorin-probe"));
    EXPECT_TRUE(entry.remove());
    EXPECT_FALSE(entry.exists());
}

} // namespace
} // namespace telvorin
