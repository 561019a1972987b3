// SPDX-License-Identifier: GPL-3.0-or-later
// `telvorin-probe drives watch`, as the autostart entry starts it, over real GVfs and smbd
// with no window open: a mount lost while the link was down comes back when the link
// does, a share the user unmounted stays so until the next link change, and idle the
// watcher costs next to nothing.
#include "gvfs/GvfsSession.h"
#include "gvfs/SharesLabTest.h"
#include "lab/LabTest.h"
#include "platform/GioDriveService.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

namespace telvorin {
namespace {

using test::ReadFile;
using WatchLab = lab::LabTest;
using namespace std::chrono_literals;

const char* const LabConfig = R"({"segments": [{"reply": "multicast", "devices": [
    {"name": "NAS-1", "ip": "10.64.0.10", "netmask": "255.255.0.0", "key": "0014a5000310",
     "volumes": ["HDD_a"], "guestShares": ["HDD_a"], "smb": true}]}]})";

// Waits up to `limit` for `done`; how long it took, or `limit` when it never was.
template <typename F> std::chrono::milliseconds Within(std::chrono::milliseconds limit, F done)
{
    const auto start = std::chrono::steady_clock::now();
    while (!done()) {
        const auto spent =
            std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start);
        if (spent >= limit)
            return limit;
        std::this_thread::sleep_for(200ms);
    }
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start);
}

// The SMB backends that the session's gvfsd started: their environment names its bus.
std::vector<pid_t> SessionSmbBackends(const std::string& busAddress)
{
    std::vector<pid_t> pids;
    DIR* proc = opendir("/proc");
    while (const dirent* e = proc ? readdir(proc) : nullptr) {
        const pid_t pid = std::atoi(e->d_name);
        if (pid <= 0)
            continue;
        char exe[256] = {};
        const std::string base = std::string("/proc/") + e->d_name;
        if (readlink((base + "/exe").c_str(), exe, sizeof exe - 1) <= 0 ||
            std::string(exe) != "/usr/libexec/gvfsd-smb")
            continue;
        if (ReadFile(base + "/environ").find("DBUS_SESSION_BUS_ADDRESS=" + busAddress) != std::string::npos)
            pids.push_back(pid);
    }
    if (proc)
        closedir(proc);
    return pids;
}

// CPU seconds (user and system) and resident kB of a process.
void Usage(pid_t pid, double& cpuSeconds, long& rssKb)
{
    const std::string stat = ReadFile("/proc/" + std::to_string(pid) + "/stat");
    const auto close = stat.rfind(')');
    std::istringstream fields(stat.substr(close + 2));
    std::string field;
    unsigned long utime = 0, stime = 0;
    for (int i = 3; fields >> field; ++i) {
        if (i == 14)
            utime = std::stoul(field);
        if (i == 15) {
            stime = std::stoul(field);
            break;
        }
    }
    cpuSeconds = double(utime + stime) / double(sysconf(_SC_CLK_TCK));
    rssKb = 0;
    std::istringstream status(ReadFile("/proc/" + std::to_string(pid) + "/status"));
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmRSS:", 0) == 0)
            rssKb = std::atol(line.c_str() + 6);
    }
}

TEST_F(WatchLab, LostMountComesBackWithTheLinkAndTheUsersOwnUnmountWaitsForTheNextChange)
{
    ASSERT_TRUE(startLab(LabConfig, lab::Entry::None));
    std::ofstream(lab().shareDir("NAS-1", "HDD_a") + "/hello.txt") << "guest data\n";
    lab().enterPc(true);
    test::GvfsSession session;
    ASSERT_TRUE(session.ok()) << session.error();
    GioDriveService service(session.drivesFolder());
    ASSERT_EQ(service.addConnection("Z:", "\\\\NAS-1\\HDD_a", "", "", ConnectUpdateProfile), DriveResult::Ok);
    const std::string letter = session.drivesFolder() + "/Z/hello.txt";
    ASSERT_EQ(ReadFile(letter), "guest data\n");

    // The watcher as the login starts it: its own process, the session's environment.
    setenv("XDG_DATA_HOME", (session.dir() + "/data").c_str(), 1);
    const std::string drivesLink = session.dir() + "/data/telvorin";
    ASSERT_EQ(std::system(("mkdir -p '" + drivesLink + "' && ln -s '" + session.drivesFolder() + "' '" +
                           drivesLink + "/drives'")
                              .c_str()),
              0);
    const std::string log = session.dir() + "/watch.err";
    const pid_t watcher = fork();
    if (watcher == 0) {
        const int err = open(log.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        dup2(err, 2);
        execl(TELVORIN_PROBE, TELVORIN_PROBE, "drives", "watch", static_cast<char*>(nullptr));
        _exit(127);
    }
    ASSERT_GT(watcher, 0);

    // Idle: nothing to do, nothing spent.
    std::this_thread::sleep_for(2s);
    double cpuBefore = 0, cpuAfter = 0;
    long rss = 0;
    Usage(watcher, cpuBefore, rss);
    std::this_thread::sleep_for(20s);
    Usage(watcher, cpuAfter, rss);
    std::printf("watcher idle: %.2f s CPU over 20 s, %ld kB resident\n", cpuAfter - cpuBefore, rss);
    EXPECT_LE(cpuAfter - cpuBefore, 0.2);
    EXPECT_LE(rss, 40 * 1024);

    // The link goes down and the mount's backend dies with it.
    const std::string link = lab().segments()[0].pcInterface;
    ASSERT_EQ(lab::Lab::runCommand({"/usr/sbin/ip", "link", "set", link, "down"}), 0);
    const auto backends = SessionSmbBackends(session.busAddress());
    ASSERT_FALSE(backends.empty());
    for (const pid_t pid : backends)
        kill(pid, SIGKILL);
    EXPECT_LT(Within(10s, [&] { return ReadFile(letter) == "<unreadable>"; }), 10s) << "the mount is gone";
    std::this_thread::sleep_for(3s);
    ASSERT_EQ(lab::Lab::runCommand({"/usr/sbin/ip", "link", "set", link, "up"}), 0);
    const auto back = Within(30s, [&] { return ReadFile(letter) == "guest data\n"; });
    std::printf("letter reads again %lld ms after the link came up\n", static_cast<long long>(back.count()));
    EXPECT_LT(back, 30s) << ReadFile(log);

    // The user's own unmount, with the network steady, is left alone...
    ASSERT_EQ(lab::Lab::runCommand({"/usr/bin/gio", "mount", "-u", "smb://nas-1/hdd_a"}), 0);
    EXPECT_LT(Within(10s, [&] { return ReadFile(letter) == "<unreadable>"; }), 10s);
    std::this_thread::sleep_for(8s);
    EXPECT_EQ(ReadFile(letter), "<unreadable>") << "mounted again behind the user's back";
    // ...until the next link change.
    ASSERT_EQ(lab::Lab::runCommand({"/usr/sbin/ip", "link", "set", link, "down"}), 0);
    std::this_thread::sleep_for(2s);
    ASSERT_EQ(lab::Lab::runCommand({"/usr/sbin/ip", "link", "set", link, "up"}), 0);
    EXPECT_LT(Within(30s, [&] { return ReadFile(letter) == "guest data\n"; }), 30s) << ReadFile(log);

    kill(watcher, SIGTERM);
    int status = -1;
    waitpid(watcher, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
}

} // namespace
} // namespace telvorin
