#include "app/BlockingDriveService.h"

#include "ui/BlockingStep.h"

namespace telvorin {

bool BlockingDriveService::GetConnection(const std::string& drive, std::string& remoteName)
{
    return RunBlockingStep([&] { return drives_.GetConnection(drive, remoteName); });
}

int BlockingDriveService::GetDriveType(const std::string& drive)
{
    return RunBlockingStep([&] { return drives_.GetDriveType(drive); });
}

DriveResult BlockingDriveService::AddConnection(const std::string& drive, const std::string& remoteName,
                                                const char* password, const char* userName, unsigned flags)
{
    return RunBlockingStep(
        [&] { return drives_.AddConnection(drive, remoteName, password, userName, flags); });
}

DriveResult BlockingDriveService::CancelConnection(const std::string& drive, unsigned flags, bool force)
{
    return RunBlockingStep([&] { return drives_.CancelConnection(drive, flags, force); });
}

std::string BlockingDriveService::NetworkUserName()
{
    return RunBlockingStep([&] { return drives_.NetworkUserName(); });
}

} // namespace telvorin
