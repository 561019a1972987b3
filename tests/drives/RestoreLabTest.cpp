// SPDX-License-Identifier: GPL-3.0-or-later
// Mapped letters come back after a logout (the GVfs session, keyring daemon and mounts
// end; a new session starts): `telvorin-probe drives restore` mounts them again, as the
// autostart entry has it done at login, waiting for a network that is not up yet.
#include "LoginSession.h"
#include "gvfs/GvfsSession.h"
#include "gvfs/SharesLabTest.h"
#include "lab/LabTest.h"
#include "platform/GioDriveService.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <memory>
#include <string>
#include <thread>

#include <stdlib.h>
#include <sys/wait.h>

namespace telvorin {
namespace {

using test::Exists;
using test::Probe;
using test::ProbeRun;
using test::ReadFile;
using test::ScratchHome;
using RestoreLab = lab::LabTest;

// Two servers: GVfs keeps a password for a server, so the share mapped without
// remembering its password sits on another one.
const char* const LabConfig = R"({"segments": [{"reply": "multicast", "devices": [
    {"name": "NAS-1", "ip": "10.64.0.10", "netmask": "255.255.0.0", "key": "0014a5000310",
     "volumes": ["HDD_a", "PRIVATE"], "guestShares": ["HDD_a"], "smb": true,
     "users": [{"user": "user1", "password": "secret1"}], "userShares": ["PRIVATE"]},
    {"name": "NAS-2", "ip": "10.64.0.11", "netmask": "255.255.0.0", "key": "0014a5000311",
     "volumes": ["PRIVATE"], "smb": true,
     "users": [{"user": "user2", "password": "secret2"}], "userShares": ["PRIVATE"]}]}]})";

TEST_F(RestoreLab, RememberedPasswordBringsItsShareBackAfterTheLinkComesUpAndAnotherIsNamed)
{
    ASSERT_TRUE(startLab(LabConfig, lab::Entry::None));
    std::ofstream(lab().shareDir("NAS-1", "HDD_a") + "/hello.txt") << "guest data\n";
    std::ofstream(lab().shareDir("NAS-1", "PRIVATE") + "/private.txt") << "private data\n";
    lab().enterPc(true);
    const ScratchHome home;
    ASSERT_FALSE(home.path().empty());
    const std::string drives = home.path() + "/data/telvorin/drives";
    const std::string autostart = home.path() + "/config/autostart/telvorin-drives.desktop";
    // The keyring outlives the session, as the user's keyring file does a logout.
    const test::GvfsSession::Keyring keyring{home.path() + "/keyrings-home", "login password"};

    auto session = std::make_unique<test::GvfsSession>(&keyring);
    ASSERT_TRUE(session->ok()) << session->error();
    home.use();
    {
        GioDriveService service;
        ASSERT_EQ(service.drivesFolder(), drives);
        std::string why;
        EXPECT_TRUE(service.canSavePasswords(why)) << why;
        ASSERT_EQ(service.addConnection("Z:", "\\\\NAS-1\\HDD_a", "", "", ConnectUpdateProfile),
                  DriveResult::Ok);
        EXPECT_TRUE(Exists(autostart)) << "the first mapping brings the autostart entry";
        // As Connect's login-dialog attempt maps a share that needs a user: with the box
        // ticked, and without it.
        ASSERT_EQ(service.addConnection("Y:", "\\\\NAS-1\\PRIVATE", "secret1", "WORKGROUP\\user1",
                                        ConnectUpdateProfile | ConnectSavePassword),
                  DriveResult::Ok);
        ASSERT_EQ(service.addConnection("X:", "\\\\NAS-2\\PRIVATE", "secret2", "WORKGROUP\\user2",
                                        ConnectUpdateProfile),
                  DriveResult::Ok);
    }
    const ProbeRun before = Probe(home.path(), "drives");
    EXPECT_EQ(before.status, 0) << before.err;
    EXPECT_EQ(before.out, R"({"letter":"X","remote":"\\\\NAS-2\\PRIVATE","mounted":true})"
                          "\n"
                          R"({"letter":"Y","remote":"\\\\NAS-1\\PRIVATE","mounted":true})"
                          "\n"
                          R"({"letter":"Z","remote":"\\\\NAS-1\\HDD_a","mounted":true})"
                          "\n");

    // The logout.
    session.reset();
    EXPECT_EQ(ReadFile(drives + "/Z/hello.txt"), "<unreadable>");
    // The passwords are the keyring's alone.
    for (const std::string password : {"secret1", "secret2"}) {
        const std::string grep =
            "grep -rlF " + password + " '" + home.path() + "/data' '" + home.path() + "/config'";
        EXPECT_EQ(WEXITSTATUS(std::system(grep.c_str())), 1) << password << " is in the files named above";
    }

    // The next login, with a new bus, gvfsd and keyring daemon; this process's GIO stays
    // with the old bus, so from here on only the probe speaks to GVfs. The network is not
    // up yet when the restore starts.
    session = std::make_unique<test::GvfsSession>(&keyring);
    ASSERT_TRUE(session->ok()) << session->error();
    home.use();
    const std::string link = lab().segments()[0].pcInterface;
    ASSERT_EQ(lab::Lab::runCommand({"/usr/sbin/ip", "link", "set", link, "down"}), 0);

    const auto started = std::chrono::steady_clock::now();
    ProbeRun restored;
    std::thread restore([&] { restored = Probe(home.path(), "drives restore --wait 60"); });
    std::this_thread::sleep_for(std::chrono::seconds(4));
    EXPECT_EQ(lab::Lab::runCommand({"/usr/sbin/ip", "link", "set", link, "up"}), 0);
    restore.join();
    const auto took = std::chrono::steady_clock::now() - started;

    // Y: comes back with the password from the keyring, Z: as guest; X: wants one.
    EXPECT_EQ(restored.status, 1) << restored.err;
    EXPECT_NE(restored.err.find("not mounted yet; trying again"), std::string::npos) << restored.err;
    EXPECT_NE(restored.err.find(R"(X: "\\\\NAS-2\\PRIVATE" wants a password)"), std::string::npos)
        << restored.err;
    EXPECT_EQ(restored.err.find("Y: \""), std::string::npos) << restored.err;
    EXPECT_LT(took, std::chrono::seconds(60));
    EXPECT_EQ(ReadFile(drives + "/Y/private.txt"), "private data\n");
    EXPECT_EQ(ReadFile(drives + "/Z/hello.txt"), "guest data\n");

    const ProbeRun after = Probe(home.path(), "drives");
    EXPECT_EQ(after.out, R"({"letter":"X","remote":"\\\\NAS-2\\PRIVATE","mounted":false})"
                         "\n"
                         R"({"letter":"Y","remote":"\\\\NAS-1\\PRIVATE","mounted":true})"
                         "\n"
                         R"({"letter":"Z","remote":"\\\\NAS-1\\HDD_a","mounted":true})"
                         "\n");
    EXPECT_TRUE(Exists(drives + "/X")) << "a share that wants a password is left as it is";
    EXPECT_TRUE(Exists(autostart));
}

} // namespace
} // namespace telvorin
