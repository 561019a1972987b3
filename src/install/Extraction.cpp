// SPDX-License-Identifier: GPL-3.0-or-later
#include "install/Extraction.h"

#include "install/InstallTables.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
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

    if (share_.cancelRequested())
        return fail("cancelled before writing " + destination->text());
    if (staged) {
        // The staged copy goes whatever happens, an exception included.
        struct Unlink {
            std::string path;
            ~Unlink() { ::unlink(path.c_str()); }
        } local{std::string(targetPath)};
        std::vector<std::uint8_t> copy;
        if (!writeLocal(local.path, bytes) || !readLocal(local.path, &copy) ||
            !putOnShare(*destination, copy))
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

std::optional<OwnFile> ParseOwnFileName(std::string_view name)
{
    static constexpr std::string_view Mark = ".telvorin-";
    const std::size_t at = name.rfind(Mark);
    if (name.size() < 2 || name[0] != '.' || at == std::string_view::npos || at < 2)
        return std::nullopt;
    std::string_view rest = name.substr(at + Mark.size());
    OwnFile own{OwnFileKind::Temporary, std::string(name.substr(1, at - 1))};
    if (rest.substr(0, 4) == "old-") {
        own.kind = OwnFileKind::SetAside;
        rest.remove_prefix(4);
    }
    // R-N: two runs of digits.
    const std::size_t dash = rest.find('-');
    auto digits = [](std::string_view t) {
        return !t.empty() && t.find_first_not_of("0123456789") == std::string_view::npos;
    };
    if (dash == std::string_view::npos || !digits(rest.substr(0, dash)) || !digits(rest.substr(dash + 1)))
        return std::nullopt;
    return own;
}

std::string Extractor::ownName(const std::string& name, std::string_view kind)
{
    static thread_local std::mt19937 random{std::random_device{}()};
    return "." + name + ".telvorin-" + std::string(kind) + std::to_string(random() % 1000000) + "-" +
           std::to_string(++tempCounter_);
}

bool Extractor::putOnShare(const SharePath& path, const std::vector<std::uint8_t>& bytes)
{
    // The temporary file sits in the destination folder, so taking the final name is a
    // rename on the share and never a second copy.
    SharePath folder = path;
    folder.components.pop_back();
    restoreSetAside(folder);
    SharePath temp = path;
    const std::int64_t start = clock_ ? clock_->nowMs() : 0;
    bool created = false;
    for (int attempt = 0; attempt < 3 && !created; ++attempt) {
        temp.components.back() = ownName(path.components.back(), "");
        created = share_.createFile(temp, bytes);
        if (!created && share_.lastErrorNumber() != EEXIST) {
            const int e = share_.lastErrorNumber();
            const std::string why = share_.lastError();
            share_.remove(temp); // whatever part of it was written
            return fail(e == ECANCELED ? "cancelled while writing " + path.text()
                                       : "cannot write " + path.text() + ": " + why);
        }
        // Someone else's file at that name: leave it and take another.
    }
    if (!created)
        return fail("cannot write " + path.text() + ": no free temporary name");
    removeStale(folder, temp.components.back());
    if (!placeFile(temp, path)) {
        share_.remove(temp);
        return false;
    }
    lastTransferMs_ = clock_ ? clock_->nowMs() - start : 0;
    return true;
}

bool Extractor::placeFile(const SharePath& temp, const SharePath& path)
{
    // The library's rename over a file removes that file first, and a rename that then
    // fails would cost both: the old file steps aside under a name of ours instead.
    if (!share_.fileSize(path)) {
        if (share_.lastErrorNumber() != ENOENT)
            return fail("cannot put the file in place: " + share_.lastError());
        return share_.replace(temp, path) || fail("cannot put the file in place: " + share_.lastError());
    }
    SharePath aside = path;
    aside.components.back() = ownName(path.components.back(), "old-");
    if (!share_.replace(path, aside))
        return fail("cannot set the old file aside: " + share_.lastError());
    if (!share_.replace(temp, path)) {
        const std::string why = share_.lastError();
        if (!share_.replace(aside, path))
            return fail("cannot put the file in place: " + why + "; the old file waits at " + aside.text() +
                        " and the next install puts it back");
        return fail("cannot put the file in place: " + why);
    }
    // Should this fail, the old file stays aside until an install finds it stale.
    share_.remove(aside);
    return true;
}

void Extractor::restoreSetAside(const SharePath& folder)
{
    if (!restored_.insert(folder.text()).second)
        return;
    auto entries = share_.list(folder);
    if (!entries)
        return; // the write that follows says what is wrong with the folder
    std::set<std::string> present;
    for (const ShareEntry& e : *entries)
        present.insert(e.name);
    // Newest first: of two old files set aside for one name, the later one goes back.
    std::sort(entries->begin(), entries->end(),
              [](const ShareEntry& a, const ShareEntry& b) { return a.modified > b.modified; });
    for (const ShareEntry& e : *entries) {
        const auto own = ParseOwnFileName(e.name);
        if (e.folder || !own || own->kind != OwnFileKind::SetAside || present.count(own->finalName))
            continue;
        SharePath from = folder;
        from.components.push_back(e.name);
        SharePath to = folder;
        to.components.push_back(own->finalName);
        if (IsSafeComponent(own->finalName) && share_.replace(from, to))
            present.insert(own->finalName);
    }
}

void Extractor::removeStale(const SharePath& folder, const std::string& ourTemp)
{
    if (!purged_.insert(folder.text()).second)
        return;
    const auto entries = share_.list(folder);
    if (!entries)
        return;
    // Ages go by the server's clock: our fresh file's time is its now.
    std::optional<std::int64_t> now;
    std::set<std::string> present;
    for (const ShareEntry& e : *entries) {
        present.insert(e.name);
        if (e.name == ourTemp)
            now = e.modified;
    }
    if (!now)
        return;
    for (const ShareEntry& e : *entries) {
        const auto own = ParseOwnFileName(e.name);
        if (e.folder || !own || e.name == ourTemp || e.modified > *now - StaleAfterSeconds)
            continue;
        // An old file set aside is the only copy while its final name is missing.
        if (own->kind == OwnFileKind::SetAside && !present.count(own->finalName))
            continue;
        SharePath path = folder;
        path.components.push_back(e.name);
        share_.remove(path);
    }
}

} // namespace telvorin::install
