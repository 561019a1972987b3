// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/SmbShareWriter.h"

#include <libsmbclient.h>

#include <fcntl.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <mutex>
#include <string_view>
#include <vector>

#if defined(__SANITIZE_ADDRESS__)
// Sanitizer builds only: the library's first context sets up its process-wide logging
// and keeps the log file name (allocated with talloc, whose frames the leak checker
// cannot walk past) for the life of the process; that is not ours to free. Nothing of
// ours allocates with talloc.
extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libtalloc.so\n";
}
#endif

namespace telvorin {

namespace {

std::mutex& ContextLock()
{
    static std::mutex lock;
    return lock;
}

// Guest access: the share is asked for with empty user name and password, and nobody is
// ever asked for anything.
void GuestCredentials(SMBCCTX*, const char*, const char*, char*, int, char* user, int userLength,
                      char* password, int passwordLength)
{
    if (userLength > 0)
        user[0] = '\0';
    if (passwordLength > 0)
        password[0] = '\0';
}

std::string Encode(const std::string& part)
{
    std::vector<char> source(part.begin(), part.end());
    source.push_back('\0');
    std::vector<char> out(part.size() * 3 + 1, '\0');
    smbc_urlencode(out.data(), source.data(), static_cast<int>(out.size()));
    return out.data();
}

} // namespace

SmbShareWriter::SmbShareWriter(int timeoutMs)
    : timeoutMs_(timeoutMs)
{
}

SmbShareWriter::~SmbShareWriter()
{
    if (context_) {
        const std::lock_guard<std::mutex> guard(ContextLock());
        smbc_free_context(context_, 1);
    }
}

std::string SmbShareWriter::url(const SharePath& path)
{
    std::string url = "smb://" + Encode(path.host) + "/" + Encode(path.share);
    for (const std::string& c : path.components)
        url += "/" + Encode(c);
    return url;
}

bool SmbShareWriter::fail(const std::string& what, int error)
{
    error_ = what + ": " + std::strerror(error);
    errorNumber_ = error;
    return false;
}

bool SmbShareWriter::ensureContext()
{
    if (context_)
        return true;
    const std::lock_guard<std::mutex> guard(ContextLock());
    SMBCCTX* c = smbc_new_context();
    if (!c)
        return fail("cannot start the SMB client", errno);
    smbc_setDebug(c, 0);
    smbc_setOptionDebugToStderr(c, 1);
    smbc_setTimeout(c, timeoutMs_);
    smbc_setFunctionAuthDataWithContext(c, GuestCredentials);
    smbc_setOptionUseKerberos(c, 0);
    smbc_setOptionFallbackAfterKerberos(c, 1);
    smbc_setOptionUseCCache(c, 0);
    if (!smbc_init_context(c)) {
        const int e = errno;
        smbc_free_context(c, 0);
        return fail("cannot start the SMB client", e);
    }
    context_ = c;
    return true;
}

bool SmbShareWriter::connect(const std::string& host, const std::string& share)
{
    if (!IsSafeComponent(host) || !IsSafeComponent(share))
        return fail("bad share name", EINVAL);
    if (!ensureContext())
        return false;
    struct stat st {};
    const std::string url = SmbShareWriter::url(SharePath{host, share, {}});
    if (smbc_getFunctionStat(context_)(context_, url.c_str(), &st) != 0)
        return fail(url, errno);
    return true;
}

bool SmbShareWriter::createFile(const SharePath& path, std::span<const std::uint8_t> bytes)
{
    if (!ensureContext())
        return false;
    const std::string url = SmbShareWriter::url(path);
    SMBCFILE* f = smbc_getFunctionOpen(context_)(context_, url.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0644);
    if (!f)
        return fail(url, errno);
    // One write may take less than it was given; go on until every byte is out.
    std::size_t done = 0;
    bool ok = true;
    int error = 0;
    const auto write = smbc_getFunctionWrite(context_);
    while (done < bytes.size()) {
        if (cancelRequested()) {
            ok = false;
            error = ECANCELED;
            break;
        }
        const std::size_t chunk = std::min(bytes.size() - done, ChunkBytes);
        const ssize_t n = write(context_, f, bytes.data() + done, chunk);
        if (n <= 0) {
            ok = false;
            // A write cut off by the signal that cancels us counts as cancelled.
            error = cancelRequested() ? ECANCELED : n < 0 ? errno : EIO;
            break;
        }
        done += static_cast<std::size_t>(n);
    }
    if (smbc_getFunctionClose(context_)(context_, f) != 0 && ok) {
        ok = false;
        error = errno;
    }
    return ok || fail(url, error);
}

bool SmbShareWriter::replace(const SharePath& from, const SharePath& to)
{
    if (!ensureContext())
        return false;
    const std::string a = url(from);
    const std::string b = url(to);
    // The library's rename deletes what stands at the target to make room, and an empty
    // folder goes with it; a folder is never ours to replace.
    struct stat st {};
    if (smbc_getFunctionStat(context_)(context_, b.c_str(), &st) == 0 && S_ISDIR(st.st_mode))
        return fail(b, EISDIR);
    if (smbc_getFunctionRename(context_)(context_, a.c_str(), context_, b.c_str()) != 0)
        return fail(b, errno);
    return true;
}

bool SmbShareWriter::remove(const SharePath& path)
{
    if (!ensureContext())
        return false;
    const std::string url = SmbShareWriter::url(path);
    if (smbc_getFunctionUnlink(context_)(context_, url.c_str()) != 0)
        return fail(url, errno);
    return true;
}

std::optional<std::uint64_t> SmbShareWriter::fileSize(const SharePath& path)
{
    if (!ensureContext())
        return std::nullopt;
    const std::string url = SmbShareWriter::url(path);
    struct stat st {};
    if (smbc_getFunctionStat(context_)(context_, url.c_str(), &st) != 0) {
        fail(url, errno);
        return std::nullopt;
    }
    if (!S_ISREG(st.st_mode)) {
        fail(url, EISDIR);
        return std::nullopt;
    }
    return static_cast<std::uint64_t>(st.st_size);
}

std::optional<std::vector<ShareEntry>> SmbShareWriter::list(const SharePath& folder)
{
    if (!ensureContext())
        return std::nullopt;
    const std::string url = SmbShareWriter::url(folder);
    SMBCFILE* dir = smbc_getFunctionOpendir(context_)(context_, url.c_str());
    if (!dir) {
        fail(url, errno);
        return std::nullopt;
    }
    std::vector<ShareEntry> entries;
    const auto next = smbc_getFunctionReaddirPlus(context_);
    while (const libsmb_file_info* info = next(context_, dir)) {
        const std::string_view name = info->name ? info->name : "";
        if (name.empty() || name == "." || name == "..")
            continue;
        // 0x10: the directory attribute.
        entries.push_back(ShareEntry{std::string(name), (info->attrs & 0x10) != 0,
                                     static_cast<std::int64_t>(info->mtime_ts.tv_sec)});
    }
    smbc_getFunctionClosedir(context_)(context_, dir);
    return entries;
}

} // namespace telvorin
