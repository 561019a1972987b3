// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/FuseView.h"

#include "platform/LetterRecords.h"

#include <cerrno>
#include <thread>

#include <dirent.h>
#include <sys/vfs.h>

namespace telvorin::gio {

namespace {

constexpr long FuseSuperMagic = 0x65735546;

bool DirectoryReadable(const std::string& path)
{
    DIR* dir = opendir(path.c_str());
    if (!dir)
        return false;
    errno = 0;
    const bool read = readdir(dir) != nullptr || errno == 0;
    closedir(dir);
    return read;
}

} // namespace

bool IsOnFuse(const std::string& path)
{
    struct statfs fs {};
    return statfs(path.c_str(), &fs) == 0 && fs.f_type == FuseSuperMagic;
}

void WaitUntilReadable(const std::string& path, std::chrono::milliseconds limit)
{
    const auto end = std::chrono::steady_clock::now() + limit;
    while (!DirectoryReadable(path) && std::chrono::steady_clock::now() < end)
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
}

bool ListedInFuse(const std::string& target)
{
    const std::string parent = ParentOf(target);
    if (!IsOnFuse(parent))
        return false;
    const std::string name = target.substr(target.find_last_of('/') + 1);
    bool listed = false;
    if (DIR* dir = opendir(parent.c_str())) {
        while (!listed) {
            const dirent* e = readdir(dir);
            if (!e)
                break;
            listed = name == e->d_name;
        }
        closedir(dir);
    }
    return listed;
}

bool StillListed(const std::string& target)
{
    for (int tries = 0; tries < 40; ++tries) {
        if (!ListedInFuse(target))
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return true;
}

} // namespace telvorin::gio
