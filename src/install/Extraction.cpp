// SPDX-License-Identifier: GPL-3.0-or-later
#include "install/Extraction.h"

#include "install/InstallTables.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <cstring>
#include <random>

namespace telvorin::install {

bool Extractor::ExtractEmbeddedFile(std::string_view typeName, int id, std::string_view targetPath,
                                    std::string_view finalPath)
{
    error_.clear();
    const bool ok = run(typeName, id & 0xffff, targetPath, finalPath);
    state_.ExtractFailed = ok ? 0 : 1;
    return ok;
}

bool Extractor::fail(std::string why)
{
    error_ = std::move(why);
    return false;
}

bool Extractor::run(std::string_view typeName, int id, std::string_view targetPath,
                    std::string_view finalPath)
{
    std::string name(typeName);
    for (char& ch : name)
        ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
    name += "/" + std::to_string(id);
    std::vector<std::uint8_t> bytes;
    // A missing device file must never become an empty file on the device.
    if (!files_.read(typeName, id, &bytes))
        return fail("device file " + name + " is missing");
    const auto expected = ExpectedSize(typeName, id);
    if (expected && bytes.size() != *expected)
        return fail("device file " + name + " has " + std::to_string(bytes.size()) + " bytes, not " +
                    std::to_string(*expected));

    const bool staged = staging_.holds(targetPath);
    const auto destination = ParseNetworkPath(staged ? finalPath : targetPath);
    if (!destination || destination->components.empty())
        return fail("not a file on a share: " + std::string(staged ? finalPath : targetPath));

    for (int attempt = 0; attempt < ConnectAttempts; ++attempt) {
        if (share_.connect(destination->host, destination->share))
            break;
        // Asking again at once helps a share that refused for a moment, not a host that
        // is gone: each of those tries would wait out the whole time-out.
        const int e = share_.lastErrorNumber();
        if (e == ETIMEDOUT || e == EHOSTUNREACH || e == ENETUNREACH || e == EHOSTDOWN)
            break;
    }
    // A share that did not answer shows in the write below; its error says more.

    if (staged) {
        const std::string local(targetPath);
        std::vector<std::uint8_t> copy;
        const bool ok = writeLocal(local, bytes) && readLocal(local, &copy) && putOnShare(*destination, copy);
        ::unlink(local.c_str());
        if (!ok)
            return false;
    } else if (!putOnShare(*destination, bytes)) {
        return false;
    }
    const auto size = share_.fileSize(*destination);
    if (!size || *size != bytes.size())
        return fail(destination->text() + " does not hold the file after writing: " + share_.lastError());
    lastSize_ = *size;
    return true;
}

bool Extractor::writeLocal(const std::string& path, const std::vector<std::uint8_t>& bytes)
{
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0)
        return fail(path + ": " + std::strerror(errno));
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            const int e = n < 0 ? errno : EIO;
            ::close(fd);
            return fail(path + ": " + std::strerror(e));
        }
        done += static_cast<std::size_t>(n);
    }
    if (::close(fd) != 0)
        return fail(path + ": " + std::strerror(errno));
    return true;
}

bool Extractor::readLocal(const std::string& path, std::vector<std::uint8_t>* bytes)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return fail(path + ": " + std::strerror(errno));
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return fail(path + ": not a regular file");
    }
    bytes->resize(static_cast<std::size_t>(st.st_size));
    std::size_t done = 0;
    while (done < bytes->size()) {
        const ssize_t n = ::read(fd, bytes->data() + done, bytes->size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            ::close(fd);
            return fail(path + ": short read");
        }
        done += static_cast<std::size_t>(n);
    }
    ::close(fd);
    return true;
}

bool Extractor::putOnShare(const SharePath& path, const std::vector<std::uint8_t>& bytes)
{
    // The temporary file sits in the destination folder, so taking the final name is a
    // rename on the share and never a second copy.
    static thread_local std::mt19937 random{std::random_device{}()};
    SharePath temp = path;
    const std::int64_t start = clock_ ? clock_->nowMs() : 0;
    for (int attempt = 0; attempt < 3; ++attempt) {
        temp.components.back() = "." + path.components.back() + ".telvorin-" +
                                 std::to_string(random() % 1000000) + "-" + std::to_string(++tempCounter_);
        if (share_.createFile(temp, bytes)) {
            if (share_.replace(temp, path)) {
                lastTransferMs_ = clock_ ? clock_->nowMs() - start : 0;
                return true;
            }
            const std::string why = share_.lastError();
            share_.remove(temp);
            return fail("cannot put the file in place: " + why);
        }
        if (share_.lastErrorNumber() != EEXIST) {
            const std::string why = share_.lastError();
            share_.remove(temp); // whatever part of it was written
            return fail("cannot write " + path.text() + ": " + why);
        }
        // Someone else's file at that name: leave it and take another.
    }
    return fail("cannot write " + path.text() + ": no free temporary name");
}

} // namespace telvorin::install
