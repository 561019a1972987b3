// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/DeviceFiles.h"

#include "platform/UserAccount.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <filesystem>

namespace telvorin {

namespace {

constexpr const char* Subdir = "/telvorin/payload";

std::string Env(const char* name)
{
    const char* v = std::getenv(name);
    return v ? std::string(v) : std::string();
}

bool SameTypeName(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::toupper(static_cast<unsigned char>(a[i])) != std::toupper(static_cast<unsigned char>(b[i])))
            return false;
    }
    return true;
}

bool RegularFile(const std::string& path, struct stat* st)
{
    return ::stat(path.c_str(), st) == 0 && S_ISREG(st->st_mode);
}

} // namespace

std::vector<std::string> DeviceFileDirs()
{
    std::vector<std::string> dirs;
    const std::string home = UserDataFolder();
    if (!home.empty())
        dirs.push_back(home + Subdir);
    std::string list = Env("XDG_DATA_DIRS");
    if (list.empty())
        list = "/usr/local/share:/usr/share";
    std::size_t start = 0;
    while (start <= list.size()) {
        std::size_t end = list.find(':', start);
        if (end == std::string::npos)
            end = list.size();
        const std::string dir = list.substr(start, end - start);
        if (!dir.empty() && dir[0] == '/')
            dirs.push_back(dir + Subdir);
        start = end + 1;
    }
    return dirs;
}

XdgDeviceFiles::XdgDeviceFiles(std::vector<std::string> dirs)
    : dirs_(std::move(dirs))
{
}

std::vector<std::string> XdgDeviceFiles::dirs() const
{
    return dirs_ ? *dirs_ : DeviceFileDirs();
}

std::string XdgDeviceFiles::home() const
{
    const std::vector<std::string> dirs = this->dirs();
    return dirs.empty() ? std::string("~/.local/share") + Subdir : dirs.front();
}

std::string XdgDeviceFiles::find(std::string_view type, int id) const
{
    const std::string name = std::to_string(id);
    for (const std::string& dir : dirs()) {
        std::error_code ec;
        for (const auto& entry : std::filesystem::directory_iterator(dir, ec)) {
            if (!SameTypeName(entry.path().filename().native(), type))
                continue;
            const std::string path = entry.path().native() + "/" + name;
            struct stat st {};
            if (RegularFile(path, &st))
                return path;
        }
    }
    return {};
}

std::optional<std::uint64_t> XdgDeviceFiles::size(std::string_view type, int id)
{
    const std::string path = find(type, id);
    struct stat st {};
    if (path.empty() || !RegularFile(path, &st))
        return std::nullopt;
    return static_cast<std::uint64_t>(st.st_size);
}

bool XdgDeviceFiles::read(std::string_view type, int id, std::vector<std::uint8_t>* bytes)
{
    const std::string path = find(type, id);
    if (path.empty())
        return false;
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat st {};
    bool ok = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
    if (ok) {
        bytes->resize(static_cast<std::size_t>(st.st_size));
        std::size_t done = 0;
        while (ok && done < bytes->size()) {
            const ssize_t n = ::read(fd, bytes->data() + done, bytes->size() - done);
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                ok = false;
            else
                done += static_cast<std::size_t>(n);
        }
    }
    ::close(fd);
    return ok;
}

} // namespace telvorin
