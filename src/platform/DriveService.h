// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

#include <string>

namespace telvorin {

// Results of getDriveType.
enum DriveType : int {
    DriveUnknown = 0,
    DriveNoRootDir = 1,
    DriveRemovable = 2,
    DriveFixed = 3,
    DriveRemote = 4,
    DriveCdRom = 5,
    DriveRamDisk = 6,
};

// What addConnection and cancelConnection report.
enum class DriveResult {
    Ok,
    BadDrive,      // not a drive name ("Z:")
    BadRemoteName, // not "\\server\share" of safe components, or unsafe credentials
    LetterInUse,   // the letter is a real folder of the user's, never replaced
    Cancelled,     // credentials refused or not given
    NotConnected,  // the letter carries no connection of ours
    Failed,        // the mount, unmount or the letter's entry failed
};

// Flags of addConnection and cancelConnection.
constexpr unsigned ConnectUpdateProfile = 1;
constexpr unsigned ConnectInteractive = 8;
// Asks the desktop keyring to keep the password given for the share, so the mapping comes
// back at login without asking. The password itself never reaches our own files.
constexpr unsigned ConnectSavePassword = 0x1000;

// The network-drive service: drive letters and the network connections they carry.
// On Linux a drive letter X is an entry named after the letter in a per-user drives
// folder, pointing at the local path of a GVfs mount of smb://server/share.
// Every member is pure, so a service that wraps another cannot forget to pass one on.
class DriveService {
public:
    virtual ~DriveService() = default;

    // The remote name "\\server\share" of the connection on a drive ("Z:"); false when
    // the drive has no entry or its mount is gone.
    virtual bool getConnection(const std::string& drive, std::string& remoteName) = 0;
    // DriveNoRootDir when the drive has no entry, DriveRemote when it points into a
    // network mount (or one that is gone), DriveFixed when it points at a local directory.
    virtual int getDriveType(const std::string& drive) = 0;
    // Maps "\\server\share" on the drive. A null password means the user's default; a
    // user name may carry a domain as "DOMAIN\user". A mapping that fails leaves the share
    // mounted or not as it found it. ConnectUpdateProfile makes the mapping come back at
    // the next login.
    virtual DriveResult addConnection(const std::string& drive, const std::string& remoteName,
                                      const char* password, const char* userName, unsigned flags) = 0;
    // Removes the drive's entry. Its mount goes too (by force when `force`) when this
    // service made it and no other letter carries it; a mount found already there when the
    // letter was mapped stays. Ok only when the entry is gone and so is the mount, unless
    // the mount was not this service's to remove.
    virtual DriveResult cancelConnection(const std::string& drive, unsigned flags, bool force) = 0;
    // The name of the user under which network connections are made.
    virtual std::string networkUserName() = 0;
    // Whether ConnectSavePassword can keep a password here; when not, `why` says why in
    // words for the user.
    virtual bool canSavePasswords(std::string& why) = 0;
};

} // namespace telvorin
