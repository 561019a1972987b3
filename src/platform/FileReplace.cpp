// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/FileReplace.h"

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace telvorin {

bool ReadWholeFile(const std::string& path, std::string& text, std::string* why)
{
    text.clear();
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT)
            return true;
        if (why)
            *why = std::strerror(errno);
        return false;
    }
    char buffer[4096];
    for (;;) {
        const ssize_t n = read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            if (why)
                *why = std::strerror(errno);
            close(fd);
            return false;
        }
        if (n == 0)
            break;
        text.append(buffer, static_cast<std::size_t>(n));
    }
    close(fd);
    return true;
}

bool MakeFolders(const std::string& path)
{
    struct stat st {};
    if (stat(path.c_str(), &st) == 0)
        return S_ISDIR(st.st_mode);
    const auto slash = path.find_last_of('/');
    if (slash != std::string::npos && slash > 0 && !MakeFolders(path.substr(0, slash)))
        return false;
    return mkdir(path.c_str(), 0700) == 0 || errno == EEXIST;
}

bool ReplaceFile(const std::string& path, const std::string& text, std::string* why, mode_t newFileMode)
{
    const auto fail = [why](const char* step) {
        if (why)
            *why = std::string(step) + ": " + std::strerror(errno);
        return false;
    };
    const std::string folder = path.substr(0, path.find_last_of('/'));
    if (!folder.empty() && !MakeFolders(folder))
        return fail("cannot make its folder");
    std::string temporary = path + ".XXXXXX";
    const int fd = mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0)
        return fail("cannot create a temporary file beside it");
    // The file keeps the mode it had.
    struct stat st {};
    fchmod(fd, stat(path.c_str(), &st) == 0 ? (st.st_mode & 07777) : newFileMode);
    std::size_t written = 0;
    while (written < text.size()) {
        const ssize_t n = write(fd, text.data() + written, text.size() - written);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            const int saved = errno;
            close(fd);
            unlink(temporary.c_str());
            errno = saved;
            return fail("cannot write");
        }
        written += static_cast<std::size_t>(n);
    }
    if (fsync(fd) != 0 || close(fd) != 0) {
        const int saved = errno;
        unlink(temporary.c_str());
        errno = saved;
        return fail("cannot write");
    }
    if (rename(temporary.c_str(), path.c_str()) != 0) {
        const int saved = errno;
        unlink(temporary.c_str());
        errno = saved;
        return fail("cannot replace it");
    }
    return true;
}

} // namespace telvorin
