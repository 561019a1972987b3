#include "platform/SmbShareWriter.h"

#include <libsmbclient.h>

#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <mutex>
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

std::string SmbShareWriter::Url(const SharePath& path)
{
    std::string url = "smb://" + Encode(path.host) + "/" + Encode(path.share);
    for (const std::string& c : path.components)
        url += "/" + Encode(c);
    return url;
}

bool SmbShareWriter::Fail(const std::string& what, int error)
{
    error_ = what + ": " + std::strerror(error);
    errorNumber_ = error;
    return false;
}

bool SmbShareWriter::EnsureContext()
{
    if (context_)
        return true;
    const std::lock_guard<std::mutex> guard(ContextLock());
    SMBCCTX* c = smbc_new_context();
    if (!c)
        return Fail("cannot start the SMB client", errno);
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
        return Fail("cannot start the SMB client", e);
    }
    context_ = c;
    return true;
}

bool SmbShareWriter::Connect(const std::string& host, const std::string& share)
{
    if (!IsSafeComponent(host) || !IsSafeComponent(share))
        return Fail("bad share name", EINVAL);
    if (!EnsureContext())
        return false;
    struct stat st {};
    const std::string url = Url(SharePath{host, share, {}});
    if (smbc_getFunctionStat(context_)(context_, url.c_str(), &st) != 0)
        return Fail(url, errno);
    return true;
}

bool SmbShareWriter::CreateFile(const SharePath& path, std::span<const std::uint8_t> bytes)
{
    if (!EnsureContext())
        return false;
    const std::string url = Url(path);
    SMBCFILE* f = smbc_getFunctionOpen(context_)(context_, url.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0644);
    if (!f)
        return Fail(url, errno);
    // One write may take less than it was given; go on until every byte is out.
    std::size_t done = 0;
    bool ok = true;
    int error = 0;
    const auto write = smbc_getFunctionWrite(context_);
    while (done < bytes.size()) {
        const std::size_t chunk = std::min<std::size_t>(bytes.size() - done, std::size_t{8} << 20);
        const ssize_t n = write(context_, f, bytes.data() + done, chunk);
        if (n <= 0) {
            ok = false;
            error = n < 0 ? errno : EIO;
            break;
        }
        done += static_cast<std::size_t>(n);
    }
    if (smbc_getFunctionClose(context_)(context_, f) != 0 && ok) {
        ok = false;
        error = errno;
    }
    return ok || Fail(url, error);
}

bool SmbShareWriter::Replace(const SharePath& from, const SharePath& to)
{
    if (!EnsureContext())
        return false;
    const std::string a = Url(from);
    const std::string b = Url(to);
    // The library's rename deletes what stands at the target to make room, and an empty
    // folder goes with it; a folder is never ours to replace.
    struct stat st {};
    if (smbc_getFunctionStat(context_)(context_, b.c_str(), &st) == 0 && S_ISDIR(st.st_mode))
        return Fail(b, EISDIR);
    if (smbc_getFunctionRename(context_)(context_, a.c_str(), context_, b.c_str()) != 0)
        return Fail(b, errno);
    return true;
}

bool SmbShareWriter::Remove(const SharePath& path)
{
    if (!EnsureContext())
        return false;
    const std::string url = Url(path);
    if (smbc_getFunctionUnlink(context_)(context_, url.c_str()) != 0)
        return Fail(url, errno);
    return true;
}

std::optional<std::uint64_t> SmbShareWriter::FileSize(const SharePath& path)
{
    if (!EnsureContext())
        return std::nullopt;
    const std::string url = Url(path);
    struct stat st {};
    if (smbc_getFunctionStat(context_)(context_, url.c_str(), &st) != 0) {
        Fail(url, errno);
        return std::nullopt;
    }
    if (!S_ISREG(st.st_mode)) {
        Fail(url, EISDIR);
        return std::nullopt;
    }
    return static_cast<std::uint64_t>(st.st_size);
}

} // namespace telvorin
