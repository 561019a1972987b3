// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/AutostartEntry.h"
#include "platform/CredentialAnswerer.h"
#include "platform/DriveService.h"

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace telvorin {

// The drive service over GIO/GVfs. A letter X is a symbolic link named "X" in the drives
// folder that points at the local (FUSE) path of a GVfs mount of smb://server/share.
// Next to the links, the hidden folder ".remote" keeps for each letter the remote name it
// was mapped with (GVfs lower-cases server and share in its URIs and paths, and the
// program compares server names with their case), whether this service made the mount or
// found it already there (made by the user in a file manager, say: removing the letter
// then leaves it alone), and the domain of the user name, for mounting it again at login.
//
// A persistent mapping (ConnectUpdateProfile) also keeps the user's autostart entry that
// runs `telvorin-probe drives watch` at login; removing the last letter removes it.
// Every letter is also a line of the GTK bookmarks file ("Z: HDD_a on NAS-1"), so the
// file managers and file dialogs show it; a bookmark that cannot be written costs the
// mapping nothing and is reported on stderr.
//
// With ConnectSavePassword GVfs keeps the password in the desktop keyring (the Secret
// Service) and finds it there when the share is mounted again.
//
// Credentials: GVfs asks for them only after its own attempts (Kerberos) failed. Empty user
// and password, or a null password (the user's default, which nothing stores here), answer
// with a guest login; otherwise user, domain ("DOMAIN\user") and password are given. A
// refused answer ends the attempt: GVfs is not left asking again.
// A letter that carries a mapping, mounted or not.
struct MappedDrive {
    char letter = 0;
    std::string remoteName; // as mapped; empty when it was never recorded and is not mounted
    bool mounted = false;
};

class GioDriveService final : public DriveService {
public:
    // Empty paths mean defaultDrivesFolder(), AutostartEntry::defaultFolder() and
    // bookmarks::DefaultPath().
    explicit GioDriveService(std::string drivesFolder = {}, std::string autostartFolder = {},
                             std::string bookmarksFile = {});

    // ${XDG_DATA_HOME:-$HOME/.local/share}/telvorin/drives
    static std::string defaultDrivesFolder();

    bool getConnection(const std::string& drive, std::string& remoteName) override;
    int getDriveType(const std::string& drive) override;
    DriveResult addConnection(const std::string& drive, const std::string& remoteName, const char* password,
                              const char* userName, unsigned flags) override;
    DriveResult cancelConnection(const std::string& drive, unsigned flags, bool force) override;
    std::string networkUserName() override;
    // True when the session bus has a Secret Service (running or to be started on demand).
    bool canSavePasswords(std::string& why) override;

    const std::string& drivesFolder() const { return folder_; }
    const std::string& bookmarksFile() const { return bookmarks_; }
    const AutostartEntry& autostart() const { return autostart_; }

    // Every letter from A: to Z: whose entry is a mapping (a link), in that order.
    std::vector<MappedDrive> mappedDrives();
    // Mounts a mapped letter's share again with what a first Connect attempt gives: a guest
    // login, or the user's own name in the domain it was mapped with and no password
    // (none is stored). Never asks. Cancelled when the share wants a password.
    DriveResult reconnect(char letter);

    // How long one mount or unmount may take before it is cancelled.
    void setTimeout(std::chrono::milliseconds timeout) { timeout_ = timeout; }
    // Who answers ask-password for ConnectInteractive; without one, an interactive
    // mapping that GVfs asks credentials for is cancelled.
    void setCredentialAnswerer(CredentialAnswerer answerer) { answerer_ = std::move(answerer); }

    // The letter ("Z") of a drive name ("Z:" or "z:"); nothing for any other text.
    static std::optional<char> driveLetter(const std::string& drive);
    // Splits "\\server\share" into its two parts; false unless both are safe single
    // components (no "/" or "\", not "." or "..", no control characters, not empty).
    static bool splitRemoteName(const std::string& remoteName, std::string& server, std::string& share);
    // The smb:// URI of a server and share, each escaped as one URI component.
    static std::string shareUri(const std::string& server, const std::string& share);

private:
    std::string entryPath(char letter) const;
    std::string recordPath(char letter) const;
    // "\\server\share" of the live GVfs mount at `path`; empty when there is none.
    std::string mountRemoteName(const std::string& path) const;
    // The remote name recorded at mapping time, if it still names the live mount.
    std::string recordedRemoteName(char letter, const std::string& live) const;
    bool otherEntryPointsAt(char letter, const std::string& target) const;
    // Whether another letter points at `target` and its record says this service made it.
    bool otherLetterMade(char letter, const std::string& target) const;
    bool anyMapping() const;
    // Calls visit with each letter, A to Z, whose entry is a link, and the link's target,
    // until visit returns true; true when it did.
    bool anyLinkedLetter(const std::function<bool(char letter, const std::string& target)>& visit) const;
    void addBookmark(char letter, const std::string& server, const std::string& share) const;
    void removeBookmark(char letter) const;

    std::string folder_;
    AutostartEntry autostart_;
    std::string bookmarks_;
    std::chrono::milliseconds timeout_{std::chrono::seconds(30)};
    CredentialAnswerer answerer_;
};

} // namespace telvorin
