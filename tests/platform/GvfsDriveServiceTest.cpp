// SPDX-License-Identifier: GPL-3.0-or-later
// The GIO drive service against real shares: the lab's smbd, a private GVfs.
#include "gvfs/SharesLabTest.h"
#include "lab/Lab.h"
#include "platform/GioDriveService.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <sstream>
#include <vector>

#include <sys/stat.h>
#include <unistd.h>

namespace telvorin {
namespace {

using test::Exists;
using test::ReadFile;

const char* const LabConfig = R"({"segments": [{"reply": "multicast", "devices": [
    {"name": "NAS-1", "ip": "10.64.0.10", "netmask": "255.255.0.0", "key": "0014a5000110",
     "volumes": ["HDD_a", "PRIVATE"], "guestShares": ["HDD_a", "Média #1"], "smb": true,
     "users": [{"user": "user1", "password": "secret1"}], "userShares": ["PRIVATE"]}]}]})";

class GvfsDriveService : public test::SharesLabTest {
protected:
    static void SetUpTestSuite() { startSharesLab(LabConfig); }

    void SetUpInLab() override
    {
        SharesLabTest::SetUpInLab();
        if (HasFatalFailure())
            return;
        service_ = std::make_unique<GioDriveService>(gvfs_->drivesFolder(), autostartFolder());
    }
    void TearDownInLab() override
    {
        if (!service_)
            return;
        for (const char* drive : {"X:", "Y:", "Z:"})
            service_->cancelConnection(drive, ConnectUpdateProfile, true);
        // Mounts made outside the service go the way they came.
        if (!gvfs_->mountedPaths().empty())
            gioMount("-u smb://NAS-1/HDD_a");
    }

    std::string autostartFolder() const { return gvfs_->dir() + "/autostart"; }

    // `gio mount ARGS`: a mount made as in a file manager, not by the drive service.
    static int gioMount(const std::string& args)
    {
        return std::system(("gio mount " + args + " </dev/null >/dev/null 2>&1").c_str());
    }

    std::unique_ptr<GioDriveService> service_;
};

TEST_F(GvfsDriveService, UserShareNeedsTheRightPasswordAndOneAttemptIsOneTry)
{
    const auto started = std::chrono::steady_clock::now();
    EXPECT_NE(service_->addConnection("Y:", "\\\\NAS-1\\PRIVATE", "wrong", "WORKGROUP\\user1",
                                      ConnectUpdateProfile),
              DriveResult::Ok);
    // A refused answer must not leave GVfs asking in a loop until the time-out.
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(20));
    EXPECT_FALSE(Exists(entry('Y')));

    EXPECT_NE(service_->addConnection("Y:", "\\\\NAS-1\\PRIVATE", "", "", ConnectUpdateProfile),
              DriveResult::Ok);
    EXPECT_NE(service_->addConnection("Y:", "\\\\NAS-1\\PRIVATE", nullptr, "WORKGROUP\\user1",
                                      ConnectUpdateProfile),
              DriveResult::Ok);
    EXPECT_FALSE(Exists(entry('Y')));

    ASSERT_EQ(service_->addConnection("Y:", "\\\\NAS-1\\PRIVATE", "secret1", "WORKGROUP\\user1",
                                      ConnectUpdateProfile),
              DriveResult::Ok);
    EXPECT_EQ(ReadFile(entry('Y') + "/private.txt"), "private data\n");
    std::string remote;
    ASSERT_TRUE(service_->getConnection("Y:", remote));
    EXPECT_EQ(remote, "\\\\NAS-1\\PRIVATE");
}

TEST_F(GvfsDriveService, InteractiveMappingAsksOnceAndHonoursCancel)
{
    int asked = 0;
    bool cancel = true;
    service_->setCredentialAnswerer([&](CredentialRequest& request) {
        ++asked;
        if (cancel)
            return false;
        request.userName = "user1";
        request.password = "secret1";
        return true;
    });
    EXPECT_NE(service_->addConnection("X:", "\\\\NAS-1\\PRIVATE", "", "",
                                      ConnectUpdateProfile | ConnectInteractive),
              DriveResult::Ok);
    EXPECT_EQ(asked, 1);
    EXPECT_FALSE(Exists(entry('X')));

    cancel = false;
    asked = 0;
    ASSERT_EQ(service_->addConnection("X:", "\\\\NAS-1\\PRIVATE", "", "",
                                      ConnectUpdateProfile | ConnectInteractive),
              DriveResult::Ok);
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(ReadFile(entry('X') + "/private.txt"), "private data\n");
}

TEST_F(GvfsDriveService, ForcedRemovalUnmountsAndRemovesTheEntry)
{
    ASSERT_EQ(service_->addConnection("Z:", "\\\\NAS-1\\HDD_a", "", "", ConnectUpdateProfile),
              DriveResult::Ok);
    ASSERT_EQ(gvfs_->mountedPaths().size(), 1u);
    // An open file does not hold a forced removal back.
    std::ifstream open(entry('Z') + "/hello.txt");
    ASSERT_TRUE(open.is_open());

    EXPECT_EQ(service_->cancelConnection("Z:", ConnectUpdateProfile, true), DriveResult::Ok);
    EXPECT_FALSE(Exists(entry('Z')));
    EXPECT_TRUE(gvfs_->mountedPaths().empty());
    EXPECT_EQ(service_->getDriveType("Z:"), DriveNoRootDir);
    // A free letter has nothing to remove.
    EXPECT_NE(service_->cancelConnection("Z:", ConnectUpdateProfile, true), DriveResult::Ok);
}

TEST_F(GvfsDriveService, ShareOnTwoLettersStaysForTheOtherWhenOneIsRemoved)
{
    ASSERT_EQ(service_->addConnection("Z:", "\\\\NAS-1\\HDD_a", "", "", ConnectUpdateProfile),
              DriveResult::Ok);
    EXPECT_TRUE(service_->autostart().exists()) << "the first mapping brings the autostart entry";
    ASSERT_EQ(service_->addConnection("Y:", "\\\\NAS-1\\HDD_a", "", "", ConnectUpdateProfile),
              DriveResult::Ok);
    ASSERT_EQ(service_->cancelConnection("Z:", ConnectUpdateProfile, true), DriveResult::Ok);
    EXPECT_EQ(ReadFile(entry('Y') + "/hello.txt"), "guest data\n");
    std::string remote;
    EXPECT_TRUE(service_->getConnection("Y:", remote));
    EXPECT_TRUE(service_->autostart().exists());

    // The last letter takes its share's mount and the autostart entry with it.
    ASSERT_EQ(service_->cancelConnection("Y:", ConnectUpdateProfile, true), DriveResult::Ok);
    EXPECT_TRUE(gvfs_->mountedPaths().empty());
    EXPECT_FALSE(service_->autostart().exists());
}

TEST_F(GvfsDriveService, MountMadeBeforeTheMappingOutlivesTheLetter)
{
    ASSERT_EQ(gioMount("-a smb://NAS-1/HDD_a"), 0);
    ASSERT_EQ(gvfs_->mountedPaths().size(), 1u);
    const std::string userMount = gvfs_->mountedPaths().front();

    ASSERT_EQ(service_->addConnection("Z:", "\\\\NAS-1\\HDD_a", "", "", ConnectUpdateProfile),
              DriveResult::Ok);
    EXPECT_EQ(ReadFile(entry('Z') + "/hello.txt"), "guest data\n");
    // A second letter on the same share does not make the mount ours either.
    ASSERT_EQ(service_->addConnection("Y:", "\\\\NAS-1\\HDD_a", "", "", ConnectUpdateProfile),
              DriveResult::Ok);
    EXPECT_EQ(service_->cancelConnection("Y:", ConnectUpdateProfile, true), DriveResult::Ok);
    EXPECT_EQ(service_->cancelConnection("Z:", ConnectUpdateProfile, true), DriveResult::Ok);

    EXPECT_FALSE(Exists(entry('Z')));
    EXPECT_EQ(service_->getDriveType("Z:"), DriveNoRootDir);
    EXPECT_EQ(gvfs_->mountedPaths(), std::vector<std::string>{userMount});
    EXPECT_EQ(ReadFile(userMount + "/hello.txt"), "guest data\n");
    EXPECT_EQ(gioMount("-u smb://NAS-1/HDD_a"), 0);
}

TEST_F(GvfsDriveService, MappingThatFailsAfterMountingLeavesTheShareAsItWasFound)
{
    // A plain file where the records belong: the mount succeeds, the mapping cannot be kept.
    const std::string records = gvfs_->drivesFolder() + "/.remote";
    rmdir(records.c_str());
    ASSERT_FALSE(Exists(records));
    std::ofstream(records) << "in the way\n";
    struct Cleanup {
        std::string path;
        ~Cleanup() { unlink(path.c_str()); }
    } cleanup{records};

    for (const bool mountedBefore : {false, true}) {
        SCOPED_TRACE(mountedBefore ? "share mounted before" : "share not mounted before");
        if (mountedBefore) {
            ASSERT_EQ(gioMount("-a smb://NAS-1/HDD_a"), 0);
        }
        EXPECT_EQ(service_->addConnection("Z:", "\\\\NAS-1\\HDD_a", "", "", ConnectUpdateProfile),
                  DriveResult::Failed);
        EXPECT_FALSE(Exists(entry('Z')));
        EXPECT_EQ(gvfs_->mountedPaths().size(), mountedBefore ? 1u : 0u);
        EXPECT_FALSE(service_->autostart().exists());
    }
}

TEST_F(GvfsDriveService, MountThatWentAwayIsRemoteWithoutConnection)
{
    ASSERT_EQ(service_->addConnection("Z:", "\\\\NAS-1\\HDD_a", "", "", ConnectUpdateProfile),
              DriveResult::Ok);
    // Another program unmounts the share behind our back (a file manager, a logout).
    ASSERT_EQ(gioMount("-u smb://NAS-1/HDD_a"), 0);
    ASSERT_TRUE(gvfs_->mountedPaths().empty());

    std::string remote;
    EXPECT_FALSE(service_->getConnection("Z:", remote));
    EXPECT_EQ(service_->getDriveType("Z:"), DriveRemote);
    EXPECT_EQ(service_->cancelConnection("Z:", ConnectUpdateProfile, true), DriveResult::Ok);
    EXPECT_FALSE(Exists(entry('Z')));
}

TEST_F(GvfsDriveService, ServerGoneOfflineBlocksNeitherQueriesNorRemoval)
{
    ASSERT_EQ(service_->addConnection("Z:", "\\\\NAS-1\\HDD_a", "", "", ConnectUpdateProfile),
              DriveResult::Ok);
    const lab::LabSegment& segment = lab_->segments().at(0);
    const std::string link = "ip -n " + segment.namespaceName + " link set " + segment.interface;
    ASSERT_EQ(std::system((link + " down").c_str()), 0);

    const auto started = std::chrono::steady_clock::now();
    std::string remote;
    EXPECT_TRUE(service_->getConnection("Z:", remote));
    EXPECT_EQ(service_->getDriveType("Z:"), DriveRemote);
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(2));
    EXPECT_EQ(service_->cancelConnection("Z:", ConnectUpdateProfile, true), DriveResult::Ok);
    EXPECT_FALSE(Exists(entry('Z')));
    const auto took = std::chrono::steady_clock::now() - started;
    std::printf("queries and forced removal with the server off line: %lld ms\n",
                static_cast<long long>(std::chrono::duration_cast<std::chrono::milliseconds>(took).count()));

    ASSERT_EQ(std::system((link + " up").c_str()), 0);
}

TEST_F(GvfsDriveService, ShareNameThatNeedsEscapingMapsAndKeepsItsCase)
{
    std::ofstream(lab_->shareDir("NAS-1", "Média #1") + "/note.txt") << "accents\n";
    ASSERT_EQ(service_->addConnection("X:", "\\\\NAS-1\\Média #1", "", "", ConnectUpdateProfile),
              DriveResult::Ok);
    EXPECT_EQ(ReadFile(entry('X') + "/note.txt"), "accents\n");
    std::string remote;
    ASSERT_TRUE(service_->getConnection("X:", remote));
    EXPECT_EQ(remote, "\\\\NAS-1\\Média #1");
    EXPECT_EQ(service_->cancelConnection("X:", ConnectUpdateProfile, true), DriveResult::Ok);
}

TEST_F(GvfsDriveService, UnreachableServerFailsWithinTheTimeOut)
{
    service_->setTimeout(std::chrono::seconds(3));
    const auto started = std::chrono::steady_clock::now();
    // In the lab's subnet, but nobody is there.
    EXPECT_NE(service_->addConnection("Z:", "\\\\10.64.0.99\\HDD_a", "", "", ConnectUpdateProfile),
              DriveResult::Ok);
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(15));
    EXPECT_FALSE(Exists(entry('Z')));
}

TEST_F(GvfsDriveService, LetterIsABookmarkWhileMappedAndTheUsersLinesStayAsTheyWere)
{
    const std::string file = gvfs_->dir() + "/bookmarks";
    // The user's own lines (every kind of line is in the unit test of the text).
    const std::string planted = "file:///home/u/Music Musik \xe2\x99\xab\nsftp://host/srv\n";
    std::ofstream(file) << planted;
    GioDriveService service(gvfs_->drivesFolder(), autostartFolder(), file);

    ASSERT_EQ(service.addConnection("Z:", "\\\\NAS-1\\HDD_a", "", "", ConnectUpdateProfile), DriveResult::Ok);
    EXPECT_EQ(ReadFile(file), planted + "file://" + entry('Z') + " Z: HDD_a on NAS-1\n");
    ASSERT_EQ(service.cancelConnection("Z:", ConnectUpdateProfile, true), DriveResult::Ok);
    EXPECT_EQ(ReadFile(file), planted);

    // A bookmarks file that cannot be written (its folder is a file) costs the mapping nothing.
    GioDriveService blocked(gvfs_->drivesFolder(), autostartFolder(), file + "/bookmarks");
    ASSERT_EQ(blocked.addConnection("Z:", "\\\\NAS-1\\HDD_a", "", "", ConnectUpdateProfile), DriveResult::Ok);
    EXPECT_EQ(ReadFile(entry('Z') + "/hello.txt"), "guest data\n");
    EXPECT_EQ(blocked.cancelConnection("Z:", ConnectUpdateProfile, true), DriveResult::Ok);
}

} // namespace
} // namespace telvorin
