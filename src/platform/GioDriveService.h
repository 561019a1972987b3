#pragma once

#include "platform/CredentialAnswerer.h"
#include "platform/DriveService.h"

#include <chrono>
#include <optional>
#include <string>

namespace telvorin {

// The drive service over GIO/GVfs. A letter X is a symbolic link named "X" in the drives
// folder that points at the local (FUSE) path of a GVfs mount of smb://server/share.
// Next to the links, the hidden folder ".remote" keeps the remote name each letter was
// mapped with, because GVfs lower-cases server and share in its URIs and paths and the
// program compares server names with their case.
//
// Credentials: GVfs asks for them only after its own attempts (Kerberos) failed. Empty user
// and password, or a null password (the user's default, which nothing stores here), answer
// with a guest login; otherwise user, domain ("DOMAIN\user") and password are given. A
// refused answer ends the attempt: GVfs is not left asking again.
class GioDriveService final : public DriveService {
public:
    // An empty folder means DefaultDrivesFolder().
    explicit GioDriveService(std::string drivesFolder = {});

    // ${XDG_DATA_HOME:-$HOME/.local/share}/telvorin/drives
    static std::string DefaultDrivesFolder();

    bool GetConnection(const std::string& drive, std::string& remoteName) override;
    int GetDriveType(const std::string& drive) override;
    DriveResult AddConnection(const std::string& drive, const std::string& remoteName, const char* password,
                              const char* userName, unsigned flags) override;
    DriveResult CancelConnection(const std::string& drive, unsigned flags, bool force) override;
    std::string NetworkUserName() override;

    const std::string& drivesFolder() const { return folder_; }

    // How long one mount or unmount may take before it is cancelled.
    void setTimeout(std::chrono::milliseconds timeout) { timeout_ = timeout; }
    // Who answers ask-password for ConnectInteractive; without one, an interactive
    // mapping that GVfs asks credentials for is cancelled.
    void setCredentialAnswerer(CredentialAnswerer answerer) { answerer_ = std::move(answerer); }

    // The letter ("Z") of a drive name ("Z:" or "z:"); nothing for any other text.
    static std::optional<char> DriveLetter(const std::string& drive);
    // Splits "\\server\share" into its two parts; false unless both are safe single
    // components (no "/" or "\", not "." or "..", no control characters, not empty).
    static bool SplitRemoteName(const std::string& remoteName, std::string& server, std::string& share);
    // The smb:// URI of a server and share, each escaped as one URI component.
    static std::string ShareUri(const std::string& server, const std::string& share);

private:
    std::string entryPath(char letter) const;
    std::string recordPath(char letter) const;
    // "\\server\share" of the live GVfs mount at `path`; empty when there is none.
    std::string mountRemoteName(const std::string& path) const;
    // The remote name recorded at mapping time, if it still names the live mount.
    std::string recordedRemoteName(char letter, const std::string& live) const;
    bool otherEntryPointsAt(char letter, const std::string& target) const;

    std::string folder_;
    std::chrono::milliseconds timeout_{std::chrono::seconds(30)};
    CredentialAnswerer answerer_;
};

} // namespace telvorin
