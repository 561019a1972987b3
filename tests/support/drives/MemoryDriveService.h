// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// An in-memory drive service: drive letters, their types and connections held in a map.
//
//   telvorin::test::MemoryDriveService drives;
//   drives.mapDrive("Y:", "\\\\nas\\vol1");    // remote letter with a connection
//   drives.setDriveType("C:", telvorin::DriveFixed);
//   drives.setUnreadable("X:");                // remote, but its connection cannot be read
//   table.RefreshDriveTable(drives);
//
// Letters never set are free (DriveNoRootDir). addConnection maps the letter when it is
// free (or fails with the result set by failNextAdd); every call is recorded.

#include "platform/DriveService.h"

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace telvorin::test {

class MemoryDriveService final : public DriveService {
public:
    struct AddCall {
        std::string drive;
        std::string remoteName;
        std::optional<std::string> password; // nullopt for a null password
        std::optional<std::string> userName;
        unsigned flags = 0;
    };
    struct CancelCall {
        std::string drive;
        unsigned flags = 0;
        bool force = false;
    };

    // Maps a remote "\\server\share" on a drive (type remote).
    void mapDrive(const std::string& drive, const std::string& remoteName);
    // Sets a letter's type without a connection (fixed, CD-ROM, ...).
    void setDriveType(const std::string& drive, int type);
    // A remote letter whose connection cannot be read (a mount that is gone).
    void setUnreadable(const std::string& drive);
    // Frees a letter.
    void removeDrive(const std::string& drive);
    // The next addConnection returns this result without mapping anything.
    void failNextAdd(DriveResult result) { nextAddFailure_ = result; }
    void setNetworkUserName(std::string name) { userName_ = std::move(name); }
    // Whether passwords can be remembered; without, `why` is the reason given.
    void setPasswordSaving(bool can, std::string why = "No keyring runs in this session.")
    {
        canSave_ = can;
        whyNot_ = std::move(why);
    }

    const std::vector<AddCall>& addCalls() const { return addCalls_; }
    const std::vector<CancelCall>& cancelCalls() const { return cancelCalls_; }

    bool getConnection(const std::string& drive, std::string& remoteName) override;
    int getDriveType(const std::string& drive) override;
    DriveResult addConnection(const std::string& drive, const std::string& remoteName, const char* password,
                              const char* userName, unsigned flags) override;
    DriveResult cancelConnection(const std::string& drive, unsigned flags, bool force) override;
    std::string networkUserName() override { return userName_; }
    bool canSavePasswords(std::string& why) override
    {
        why = canSave_ ? std::string() : whyNot_;
        return canSave_;
    }

private:
    struct Drive {
        int type = DriveNoRootDir;
        std::optional<std::string> remoteName; // nullopt: connection not readable
    };

    static std::string key(const std::string& drive);

    std::map<std::string, Drive> drives_;
    std::optional<DriveResult> nextAddFailure_;
    std::string userName_ = "tester";
    bool canSave_ = false;
    std::string whyNot_ = "No keyring runs in this session.";
    std::vector<AddCall> addCalls_;
    std::vector<CancelCall> cancelCalls_;
};

} // namespace telvorin::test
