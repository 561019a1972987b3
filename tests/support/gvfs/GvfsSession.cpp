// SPDX-License-Identifier: GPL-3.0-or-later
#include "GvfsSession.h"

#include <gio/gio.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <thread>

#include <dirent.h>
#include <fcntl.h>
#include <ftw.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace telvorin::test {

namespace {

constexpr const char* Gvfsd = "/usr/libexec/gvfsd";
constexpr const char* GvfsdFuse = "/usr/libexec/gvfsd-fuse";
constexpr const char* GvfsdSmb = "/usr/libexec/gvfsd-smb";

std::string FindProgram(const char* name)
{
    const char* path = std::getenv("PATH");
    std::stringstream dirs(path ? path : "/usr/bin:/bin");
    std::string dir;
    while (std::getline(dirs, dir, ':')) {
        const std::string candidate = dir + "/" + name;
        if (access(candidate.c_str(), X_OK) == 0)
            return candidate;
    }
    return {};
}

bool Executable(const char* path)
{
    return access(path, X_OK) == 0;
}

// Ends a child: politely first, then for sure.
void EndChild(pid_t& pid)
{
    if (pid <= 0)
        return;
    kill(pid, SIGTERM);
    for (int i = 0; i < 60; ++i) {
        if (waitpid(pid, nullptr, WNOHANG) == pid) {
            pid = -1;
            return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    pid = -1;
}

bool IsMountPoint(const std::string& path)
{
    // Per thread: a lab thread may live in a mount namespace of its own.
    std::ifstream mounts("/proc/thread-self/mountinfo");
    std::string line;
    while (std::getline(mounts, line)) {
        std::istringstream fields(line);
        std::string id, parent, devices, root, point;
        fields >> id >> parent >> devices >> root >> point;
        if (point == path)
            return true;
    }
    return false;
}

int RemoveEntry(const char* path, const struct stat*, int type, struct FTW*)
{
    if (type == FTW_DP)
        rmdir(path);
    else
        unlink(path);
    return 0;
}

} // namespace

bool GvfsSession::available(std::string* why)
{
    std::string missing;
    for (const char* program : {Gvfsd, GvfsdFuse, GvfsdSmb}) {
        if (!Executable(program))
            missing += std::string(missing.empty() ? "" : ", ") + program;
    }
    if (FindProgram("dbus-daemon").empty())
        missing += std::string(missing.empty() ? "" : ", ") + "dbus-daemon";
    if (access("/dev/fuse", R_OK | W_OK) != 0)
        missing += std::string(missing.empty() ? "" : ", ") + "/dev/fuse";
    if (why)
        *why = missing.empty() ? std::string() : "missing " + missing;
    return missing.empty();
}

GvfsSession::GvfsSession(const Keyring* keyring)
{
    ok_ = start(keyring);
    if (!ok_)
        stop();
}

GvfsSession::~GvfsSession()
{
    stop();
}

pid_t GvfsSession::spawn(const std::vector<std::string>& argv, int stdoutFd)
{
    std::vector<char*> args;
    for (const std::string& a : argv)
        args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    std::vector<char*> env;
    for (const std::string& e : environment_)
        env.push_back(const_cast<char*>(e.c_str()));
    env.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (stdoutFd >= 0)
        posix_spawn_file_actions_adddup2(&actions, stdoutFd, STDOUT_FILENO);
    // The daemons' chatter goes to a log in the session folder, not into test output.
    const std::string log = dir_ + "/daemons.log";
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, log.c_str(), O_WRONLY | O_CREAT | O_APPEND,
                                     0600);
    if (stdoutFd < 0)
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, log.c_str(), O_WRONLY | O_CREAT | O_APPEND,
                                         0600);
    pid_t pid = -1;
    const int rc = posix_spawn(&pid, args[0], &actions, nullptr, args.data(), env.data());
    posix_spawn_file_actions_destroy(&actions);
    return rc == 0 ? pid : -1;
}

bool GvfsSession::start(const Keyring* keyring)
{
    if (std::string why; !available(&why)) {
        error_ = why;
        return false;
    }
    char folder[] = "/tmp/telvorin-gvfs-XXXXXX";
    if (!mkdtemp(folder)) {
        error_ = "mkdtemp failed";
        return false;
    }
    dir_ = folder;
    runtimeDir_ = dir_ + "/run";
    const std::string home = dir_ + "/home";
    for (const std::string& d : {runtimeDir_, runtimeDir_ + "/gvfs", home, drivesFolder()})
        mkdir(d.c_str(), 0700);

    // A session bus that activates nothing: only the daemons started here run on it.
    const std::string config = dir_ + "/bus.conf";
    std::ofstream(config)
        << R"(<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>session</type>
  <keep_umask/>
  <listen>unix:path=)"
        << dir_ << R"(/bus</listen>
  <auth>EXTERNAL</auth>
  <policy context="default">
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
    <allow own="*"/>
  </policy>
</busconfig>
)";

    const char* overridden[] = {"DBUS_SESSION_BUS_ADDRESS=", "XDG_RUNTIME_DIR=", "HOME=", "XDG_DATA_HOME=",
                                "XDG_CONFIG_HOME=",          "XDG_CACHE_HOME="};
    for (char** e = environ; *e; ++e) {
        bool keep = true;
        for (const char* prefix : overridden)
            keep = keep && std::strncmp(*e, prefix, std::strlen(prefix)) != 0;
        if (keep)
            environment_.emplace_back(*e);
    }
    environment_.push_back("XDG_RUNTIME_DIR=" + runtimeDir_);
    environment_.push_back("HOME=" + home);
    environment_.push_back("XDG_DATA_HOME=" + home + "/.local/share");
    environment_.push_back("XDG_CONFIG_HOME=" + home + "/.config");
    environment_.push_back("XDG_CACHE_HOME=" + home + "/.cache");

    int pipeFds[2];
    if (pipe2(pipeFds, O_CLOEXEC) != 0) {
        error_ = "pipe failed";
        return false;
    }
    bus_ = spawn({FindProgram("dbus-daemon"), "--config-file=" + config, "--nofork", "--print-address=1"},
                 pipeFds[1]);
    close(pipeFds[1]);
    std::string address;
    pollfd pfd{pipeFds[0], POLLIN, 0};
    char buffer[512];
    while (address.find('\n') == std::string::npos && poll(&pfd, 1, 10000) > 0) {
        const ssize_t n = read(pipeFds[0], buffer, sizeof buffer);
        if (n <= 0)
            break;
        address.append(buffer, static_cast<std::size_t>(n));
    }
    close(pipeFds[0]);
    if (bus_ < 0 || address.find('\n') == std::string::npos) {
        error_ = "dbus-daemon did not start (see " + dir_ + "/daemons.log)";
        return false;
    }
    busAddress_ = address.substr(0, address.find('\n'));
    environment_.push_back("DBUS_SESSION_BUS_ADDRESS=" + busAddress_);
    setenv("DBUS_SESSION_BUS_ADDRESS", busAddress_.c_str(), 1);
    setenv("XDG_RUNTIME_DIR", runtimeDir_.c_str(), 1);
    // A mapping writes the user's autostart entry: the tests' entries land in the session's
    // home, never in the real one.
    setenv("XDG_CONFIG_HOME", (home + "/.config").c_str(), 1);

    // Before gvfsd: its SMB backend asks at start-up whether a keyring is there.
    if (keyring && !startKeyring(*keyring))
        return false;

    // gvfsd would start its own FUSE daemon; ours is started apart so it can be waited for.
    gvfsd_ = spawn({Gvfsd, "--no-fuse"});
    if (gvfsd_ < 0 || !waitForName("org.gtk.vfs.Daemon", 10000)) {
        error_ = "gvfsd did not start (see " + dir_ + "/daemons.log)";
        return false;
    }
    fuse_ = spawn({GvfsdFuse, fuseRoot(), "-f"});
    if (fuse_ < 0 || !waitForFuse(10000)) {
        error_ = "gvfsd-fuse did not mount " + fuseRoot() + " (see " + dir_ + "/daemons.log)";
        return false;
    }
    return true;
}

bool GvfsSession::startKeyring(const Keyring& keyring)
{
    const std::string daemon = FindProgram("gnome-keyring-daemon");
    if (daemon.empty()) {
        error_ = "missing gnome-keyring-daemon";
        return false;
    }
    mkdir(keyring.folder.c_str(), 0700);
    // --unlock reads the login password from its input, as a login manager hands it over;
    // the first start makes the login keyring with it.
    std::ofstream(dir_ + "/login") << keyring.password;
    keyring_ = spawn({"/bin/sh", "-c",
                      R"(exec env XDG_DATA_HOME="$1" "$0" --foreground --unlock --components=secrets <"$2")",
                      daemon, keyring.folder, dir_ + "/login"});
    if (keyring_ < 0 || !waitForName("org.freedesktop.secrets", 10000)) {
        error_ = "gnome-keyring-daemon did not start (see " + dir_ + "/daemons.log)";
        return false;
    }
    return true;
}

bool GvfsSession::waitForName(const char* name, int timeoutMs)
{
    GError* error = nullptr;
    GDBusConnection* bus = g_dbus_connection_new_for_address_sync(
        busAddress_.c_str(),
        static_cast<GDBusConnectionFlags>(G_DBUS_CONNECTION_FLAGS_AUTHENTICATION_CLIENT |
                                          G_DBUS_CONNECTION_FLAGS_MESSAGE_BUS_CONNECTION),
        nullptr, nullptr, &error);
    if (!bus) {
        g_clear_error(&error);
        return false;
    }
    bool owned = false;
    for (int waited = 0; !owned && waited < timeoutMs; waited += 50) {
        GVariant* reply = g_dbus_connection_call_sync(bus, "org.freedesktop.DBus", "/org/freedesktop/DBus",
                                                      "org.freedesktop.DBus", "NameHasOwner",
                                                      g_variant_new("(s)", name), G_VARIANT_TYPE("(b)"),
                                                      G_DBUS_CALL_FLAGS_NONE, 2000, nullptr, nullptr);
        if (reply) {
            gboolean has = FALSE;
            g_variant_get(reply, "(b)", &has);
            g_variant_unref(reply);
            owned = has;
        }
        if (!owned)
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    g_dbus_connection_close_sync(bus, nullptr, nullptr);
    g_object_unref(bus);
    return owned;
}

bool GvfsSession::waitForFuse(int timeoutMs) const
{
    for (int waited = 0; waited < timeoutMs; waited += 50) {
        if (IsMountPoint(fuseRoot()))
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return false;
}

std::vector<std::string> GvfsSession::mountedPaths() const
{
    std::vector<std::string> paths;
    if (DIR* d = opendir(fuseRoot().c_str())) {
        while (const dirent* e = readdir(d)) {
            if (std::strcmp(e->d_name, ".") != 0 && std::strcmp(e->d_name, "..") != 0)
                paths.push_back(fuseRoot() + "/" + e->d_name);
        }
        closedir(d);
    }
    return paths;
}

void GvfsSession::stop()
{
    EndChild(fuse_);
    if (!dir_.empty() && IsMountPoint(fuseRoot()))
        umount2(fuseRoot().c_str(), MNT_DETACH);
    EndChild(gvfsd_);
    EndChild(keyring_);
    EndChild(bus_);
    if (!dir_.empty()) {
        // Physical walk that stays on this file system: links and mounts are not followed.
        nftw(dir_.c_str(), RemoveEntry, 16, FTW_DEPTH | FTW_PHYS | FTW_MOUNT);
        dir_.clear();
    }
}

} // namespace telvorin::test
