// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// telvorin::test::GvfsSession: a private GVfs for tests that mount shares.
//
// It starts its own D-Bus session bus (without service activation, so nothing but what it
// starts runs on it), gvfsd and gvfsd-fuse, all in a fresh temporary folder, and points
// this process at them (DBUS_SESSION_BUS_ADDRESS, XDG_RUNTIME_DIR, and XDG_CONFIG_HOME, so
// autostart entries go into the session's home). GIO decides once per
// process which bus and VFS it uses, so build the session before anything in the process
// touches GIO, and only one per process:
//
//   lab.enterPc(true);                  // the daemons inherit the calling thread's namespaces
//   telvorin::test::GvfsSession gvfs;
//   ASSERT_TRUE(gvfs.ok()) << gvfs.error();
//   telvorin::GioDriveService drives(gvfs.drivesFolder());
//
// The destructor stops the daemons (their mounts go with them) and removes the folder.

#include <string>
#include <sys/types.h>
#include <vector>

namespace telvorin::test {

class GvfsSession {
public:
    // A Secret Service in the session (gnome-keyring-daemon), unlocked with `password` as a
    // login would; its keyrings stay in `folder`, for a later session to find.
    struct Keyring {
        std::string folder;
        std::string password;
    };

    explicit GvfsSession(const Keyring* keyring = nullptr);
    ~GvfsSession();
    GvfsSession(const GvfsSession&) = delete;
    GvfsSession& operator=(const GvfsSession&) = delete;

    // True when the daemons, the programs needed and root-less FUSE use are all here.
    static bool available(std::string* why);

    bool ok() const { return ok_; }
    const std::string& error() const { return error_; }

    const std::string& dir() const { return dir_; }
    const std::string& runtimeDir() const { return runtimeDir_; }
    const std::string& busAddress() const { return busAddress_; }
    // Where gvfsd-fuse shows the mounts.
    std::string fuseRoot() const { return runtimeDir_ + "/gvfs"; }
    // A folder for the drive links of the service under test.
    std::string drivesFolder() const { return dir_ + "/drives"; }
    // The local paths of the mounts gvfsd-fuse shows now.
    std::vector<std::string> mountedPaths() const;

private:
    bool start(const Keyring* keyring);
    bool startKeyring(const Keyring& keyring);
    void stop();
    pid_t spawn(const std::vector<std::string>& argv, int stdoutFd = -1);
    bool waitForName(const char* name, int timeoutMs);
    bool waitForFuse(int timeoutMs) const;

    bool ok_ = false;
    std::string error_;
    std::string dir_;
    std::string runtimeDir_;
    std::string busAddress_;
    std::vector<std::string> environment_;
    pid_t bus_ = -1;
    pid_t gvfsd_ = -1;
    pid_t fuse_ = -1;
    pid_t keyring_ = -1;
};

} // namespace telvorin::test
