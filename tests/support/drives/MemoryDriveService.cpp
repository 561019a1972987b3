// SPDX-License-Identifier: GPL-3.0-or-later
#include "drives/MemoryDriveService.h"

#include <cctype>

namespace telvorin::test {

// Drive names are matched without regard to case, as drive letters are.
std::string MemoryDriveService::key(const std::string& drive)
{
    std::string key = drive;
    for (char& c : key)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return key;
}

void MemoryDriveService::mapDrive(const std::string& drive, const std::string& remoteName)
{
    drives_[key(drive)] = Drive{DriveRemote, remoteName};
}

void MemoryDriveService::setDriveType(const std::string& drive, int type)
{
    drives_[key(drive)] = Drive{type, std::nullopt};
}

void MemoryDriveService::setUnreadable(const std::string& drive)
{
    drives_[key(drive)] = Drive{DriveRemote, std::nullopt};
}

void MemoryDriveService::removeDrive(const std::string& drive)
{
    drives_.erase(key(drive));
}

bool MemoryDriveService::getConnection(const std::string& drive, std::string& remoteName)
{
    const auto it = drives_.find(key(drive));
    if (it == drives_.end() || !it->second.remoteName)
        return false;
    remoteName = *it->second.remoteName;
    return true;
}

int MemoryDriveService::getDriveType(const std::string& drive)
{
    const auto it = drives_.find(key(drive));
    return it == drives_.end() ? DriveNoRootDir : it->second.type;
}

DriveResult MemoryDriveService::addConnection(const std::string& drive, const std::string& remoteName,
                                              const char* password, const char* userName, unsigned flags)
{
    AddCall call{drive, remoteName, std::nullopt, std::nullopt, flags};
    if (password)
        call.password = password;
    if (userName)
        call.userName = userName;
    addCalls_.push_back(std::move(call));

    if (nextAddFailure_) {
        const DriveResult result = *nextAddFailure_;
        nextAddFailure_.reset();
        return result;
    }
    if (drives_.count(key(drive)) != 0)
        return DriveResult::LetterInUse;
    mapDrive(drive, remoteName);
    return DriveResult::Ok;
}

DriveResult MemoryDriveService::cancelConnection(const std::string& drive, unsigned flags, bool force)
{
    cancelCalls_.push_back(CancelCall{drive, flags, force});
    const auto it = drives_.find(key(drive));
    if (it == drives_.end() || it->second.type != DriveRemote)
        return DriveResult::NotConnected;
    drives_.erase(it);
    return DriveResult::Ok;
}

} // namespace telvorin::test
