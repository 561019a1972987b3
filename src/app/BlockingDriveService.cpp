// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/BlockingDriveService.h"

#include "ui/BlockingStep.h"

namespace telvorin {

bool BlockingDriveService::getConnection(const std::string& drive, std::string& remoteName)
{
    return RunBlockingStep([&] { return drives_.getConnection(drive, remoteName); });
}

int BlockingDriveService::getDriveType(const std::string& drive)
{
    return RunBlockingStep([&] { return drives_.getDriveType(drive); });
}

DriveResult BlockingDriveService::addConnection(const std::string& drive, const std::string& remoteName,
                                                const char* password, const char* userName, unsigned flags)
{
    return RunBlockingStep(
        [&] { return drives_.addConnection(drive, remoteName, password, userName, flags); });
}

DriveResult BlockingDriveService::cancelConnection(const std::string& drive, unsigned flags, bool force)
{
    return RunBlockingStep([&] { return drives_.cancelConnection(drive, flags, force); });
}

std::string BlockingDriveService::networkUserName()
{
    return RunBlockingStep([&] { return drives_.networkUserName(); });
}

bool BlockingDriveService::canSavePasswords(std::string& why)
{
    return RunBlockingStep([&] { return drives_.canSavePasswords(why); });
}

} // namespace telvorin
