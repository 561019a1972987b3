// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/DriveService.h"

namespace telvorin {

// The window's view of a drive service: every call runs as a blocking step, so a mount or
// unmount (seconds, up to the service's time-out) leaves the window painted and answering,
// with input held back until it ends. Results are the wrapped service's, unchanged.
class BlockingDriveService final : public DriveService {
public:
    explicit BlockingDriveService(DriveService& drives)
        : drives_(drives)
    {
    }

    bool getConnection(const std::string& drive, std::string& remoteName) override;
    int getDriveType(const std::string& drive) override;
    DriveResult addConnection(const std::string& drive, const std::string& remoteName, const char* password,
                              const char* userName, unsigned flags) override;
    DriveResult cancelConnection(const std::string& drive, unsigned flags, bool force) override;
    std::string networkUserName() override;
    bool canSavePasswords(std::string& why) override;

private:
    DriveService& drives_;
};

} // namespace telvorin
