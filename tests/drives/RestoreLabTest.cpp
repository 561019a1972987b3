// SPDX-License-Identifier: GPL-3.0-or-later
// Mapped letters come back after a logout: the GVfs session that held the mounts ends (bus,
// gvfsd and every mount with it), a new one starts, and `telvorin-probe drives restore`
// mounts the shares again, as the autostart entry has it done at login.
#include "gvfs/GvfsSession.h"
#include "gvfs/SharesLabTest.h"
#include "lab/Lab.h"
#include "platform/GioDriveService.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>

#include <stdlib.h>
#include <sys/wait.h>

namespace telvorin {
namespace {

using test::Exists;
using test::ReadFile;

const char* const LabConfig = R"({"segments": [{"reply": "multicast", "devices": [
    {"name": "NAS-1", "ip": "10.64.0.10", "netmask": "255.255.0.0", "key": "0014a5000310",
     "volumes": ["HDD_a", "PRIVATE"], "guestShares": ["HDD_a"], "smb": true,
     "users": [{"user": "user1", "password": "secret1"}], "userShares": ["PRIVATE"]}]}]})";

struct ProbeRun {
    int status = -1;
    std::string out;
    std::string err;
};

// The probe as the login would start it: a process of its own, with this process's
// environment (session bus, runtime and home folders).
ProbeRun Probe(const std::string& scratch, const std::string& arguments)
{
    const std::string out = scratch + "/probe.out";
    const std::string err = scratch + "/probe.err";
    const std::string command =
        std::string("'") + TELVORIN_PROBE + "' " + arguments + " >'" + out + "' 2>'" + err + "' </dev/null";
    ProbeRun run;
    const int raw = std::system(command.c_str());
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    run.out = ReadFile(out);
    run.err = ReadFile(err);
    return run;
}

class ScratchHome {
public:
    ScratchHome()
    {
        char name[] = "/tmp/telvorin-restore-XXXXXX";
        path_ = mkdtemp(name) ? name : "";
    }
    ~ScratchHome()
    {
        if (!path_.empty())
            std::system(("rm -rf '" + path_ + "'").c_str());
    }
    const std::string& path() const { return path_; }
    // The program and the probe find their folders from these, as in a desktop session.
    void use() const
    {
        setenv("XDG_DATA_HOME", (path_ + "/data").c_str(), 1);
        setenv("XDG_CONFIG_HOME", (path_ + "/config").c_str(), 1);
    }

private:
    std::string path_;
};

TEST(RestoreLab, GuestMappingComesBackAfterALogoutAndAPasswordShareIsNamed)
{
    lab::Lab lab(LabConfig);
    ASSERT_TRUE(lab.ok()) << lab.error();
    std::ofstream(lab.shareDir("NAS-1", "HDD_a") + "/hello.txt") << "guest data\n";
    lab.enterPc(true);
    const ScratchHome home;
    ASSERT_FALSE(home.path().empty());
    const std::string drives = home.path() + "/data/telvorin/drives";
    const std::string autostart = home.path() + "/config/autostart/telvorin-drives.desktop";

    auto session = std::make_unique<test::GvfsSession>();
    ASSERT_TRUE(session->ok()) << session->error();
    home.use();
    {
        GioDriveService service;
        ASSERT_EQ(service.drivesFolder(), drives);
        ASSERT_EQ(service.addConnection("Z:", "\\\\NAS-1\\HDD_a", "", "", ConnectUpdateProfile),
                  DriveResult::Ok);
        EXPECT_TRUE(Exists(autostart)) << "the first mapping brings the autostart entry";
        // As Connect's login-dialog attempt maps a share that needs a user.
        ASSERT_EQ(service.addConnection("Y:", "\\\\NAS-1\\PRIVATE", "secret1", "WORKGROUP\\user1",
                                        ConnectUpdateProfile),
                  DriveResult::Ok);
    }
    const ProbeRun before = Probe(home.path(), "drives");
    EXPECT_EQ(before.status, 0) << before.err;
    EXPECT_EQ(before.out, R"({"letter":"Y","remote":"\\\\NAS-1\\PRIVATE","mounted":true})"
                          "\n"
                          R"({"letter":"Z","remote":"\\\\NAS-1\\HDD_a","mounted":true})"
                          "\n");

    // The logout.
    session.reset();
    EXPECT_EQ(ReadFile(drives + "/Z/hello.txt"), "<unreadable>");

    // The next login, with a new bus and gvfsd; this process's GIO stays with the old bus,
    // so from here on only the probe speaks to GVfs.
    session = std::make_unique<test::GvfsSession>();
    ASSERT_TRUE(session->ok()) << session->error();
    home.use();
    const ProbeRun listed = Probe(home.path(), "drives");
    EXPECT_EQ(listed.status, 0) << listed.err;
    EXPECT_EQ(listed.out, R"({"letter":"Y","remote":"\\\\NAS-1\\PRIVATE","mounted":false})"
                          "\n"
                          R"({"letter":"Z","remote":"\\\\NAS-1\\HDD_a","mounted":false})"
                          "\n");

    const ProbeRun restored = Probe(home.path(), "drives restore");
    // No password is stored, so the user share stays down, is named, and the exit says so.
    EXPECT_EQ(restored.status, 1);
    EXPECT_NE(restored.err.find(R"(Y: "\\\\NAS-1\\PRIVATE" wants a password)"), std::string::npos)
        << restored.err;
    EXPECT_EQ(restored.err.find("Z:"), std::string::npos) << restored.err;
    EXPECT_EQ(ReadFile(drives + "/Z/hello.txt"), "guest data\n");

    const ProbeRun after = Probe(home.path(), "drives");
    EXPECT_EQ(after.out, R"({"letter":"Y","remote":"\\\\NAS-1\\PRIVATE","mounted":false})"
                         "\n"
                         R"({"letter":"Z","remote":"\\\\NAS-1\\HDD_a","mounted":true})"
                         "\n");
    EXPECT_TRUE(Exists(drives + "/Y")) << "a share that wants a password is left as it is";
    EXPECT_TRUE(Exists(autostart));
}

} // namespace
} // namespace telvorin
