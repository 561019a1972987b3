#include "platform/GioDriveService.h"

#include "platform/UserAccount.h"
#include "rules/SafeNames.h"

#include <gio/gio.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <memory>
#include <optional>
#include <string_view>
#include <thread>

#include <dirent.h>
#include <sys/stat.h>
#include <sys/vfs.h>
#include <unistd.h>

namespace telvorin {

namespace {

struct GObjectDeleter {
    void operator()(gpointer p) const
    {
        if (p)
            g_object_unref(p);
    }
};
template <typename T> using GPtr = std::unique_ptr<T, GObjectDeleter>;

struct GFreeDeleter {
    void operator()(gpointer p) const { g_free(p); }
};
using GText = std::unique_ptr<char, GFreeDeleter>;

struct GErrorHolder {
    GError* error = nullptr;
    ~GErrorHolder() { clear(); }
    void clear() { g_clear_error(&error); }
    GError** out()
    {
        clear();
        return &error;
    }
    const char* message() const { return error ? error->message : "unknown error"; }
};

// GVfs folds case the Unicode way, so the comparison does too.
bool EqualIgnoringUnicodeCase(const std::string& a, const std::string& b)
{
    if (!g_utf8_validate(a.c_str(), static_cast<gssize>(a.size()), nullptr) ||
        !g_utf8_validate(b.c_str(), static_cast<gssize>(b.size()), nullptr))
        return a.size() == b.size() && g_ascii_strncasecmp(a.c_str(), b.c_str(), a.size()) == 0;
    const GText fa(g_utf8_casefold(a.c_str(), static_cast<gssize>(a.size())));
    const GText fb(g_utf8_casefold(b.c_str(), static_cast<gssize>(b.size())));
    return std::strcmp(fa.get(), fb.get()) == 0;
}

std::string ParentOf(const std::string& path)
{
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos || slash == 0 ? std::string("/") : path.substr(0, slash);
}

bool MakeFolders(const std::string& path)
{
    struct stat st {};
    if (stat(path.c_str(), &st) == 0)
        return S_ISDIR(st.st_mode);
    if (path != "/" && !MakeFolders(ParentOf(path)))
        return false;
    return mkdir(path.c_str(), 0700) == 0 || errno == EEXIST;
}

// The target of the entry at `entry`: the link's target, or the entry itself when it is a
// real directory. Empty when there is no entry.
std::string EntryTarget(const std::string& entry, bool* isLink = nullptr)
{
    struct stat st {};
    if (lstat(entry.c_str(), &st) != 0)
        return {};
    if (isLink)
        *isLink = S_ISLNK(st.st_mode);
    if (!S_ISLNK(st.st_mode))
        return entry;
    std::string target(4096, '\0');
    const ssize_t n = readlink(entry.c_str(), target.data(), target.size() - 1);
    if (n <= 0)
        return {};
    target.resize(static_cast<std::size_t>(n));
    if (target.front() != '/')
        target = ParentOf(entry) + "/" + target;
    return target;
}

constexpr long FuseSuperMagic = 0x65735546;

bool IsOnFuse(const std::string& path)
{
    struct statfs fs {};
    return statfs(path.c_str(), &fs) == 0 && fs.f_type == FuseSuperMagic;
}

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

// Right after a share was unmounted and mounted again, GVfs's FUSE view of it fails with
// I/O errors for a moment; the drive is handed over only once it can be read.
void WaitUntilReadable(const std::string& path, std::chrono::milliseconds limit)
{
    const auto end = std::chrono::steady_clock::now() + limit;
    while (!DirectoryReadable(path) && std::chrono::steady_clock::now() < end)
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
}

// Whether gvfsd-fuse lists `target` among its mounts. Its listing follows mounts and
// unmounts made by any program, without touching a share; GIO's own picture in this
// process can lag behind one that another program made.
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

// A mount's folder stays in gvfsd-fuse's listing until the FUSE daemon hears of the
// unmount, a moment after the unmount itself reports success.
bool StillListed(const std::string& target)
{
    for (int tries = 0; tries < 40; ++tries) {
        if (!ListedInFuse(target))
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return true;
}

// What .remote/X says about letter X: the remote name, who made the mount, the domain.
struct Record {
    std::string remoteName;
    bool madeHere = false;
    std::string domain;
};

constexpr std::string_view MadeHereLine = "mounted-by=telvorin";
constexpr std::string_view FoundLine = "mounted-by=other";
constexpr std::string_view DomainKey = "domain=";

// A record without the mounted-by line (an older one, or none) counts as a mount that was
// found: the cautious reading, since removing the letter then never unmounts.
std::optional<Record> ReadRecord(const std::string& path)
{
    std::ifstream in(path);
    Record record;
    if (!in || !std::getline(in, record.remoteName))
        return std::nullopt;
    for (std::string line; std::getline(in, line);) {
        if (line == MadeHereLine)
            record.madeHere = true;
        else if (line.starts_with(DomainKey))
            record.domain = line.substr(DomainKey.size());
    }
    return record;
}

bool WriteRecord(const std::string& path, const Record& record)
{
    const std::string temporary = path + ".new";
    {
        std::ofstream out(temporary, std::ios::trunc);
        out << record.remoteName << '\n'
            << (record.madeHere ? MadeHereLine : FoundLine) << '\n'
            << DomainKey << record.domain << '\n';
        out.flush();
        if (!out) {
            unlink(temporary.c_str());
            return false;
        }
    }
    if (rename(temporary.c_str(), path.c_str()) != 0) {
        unlink(temporary.c_str());
        return false;
    }
    return true;
}

// One asynchronous GIO call run to its end in a private main context on the calling
// thread, with a cancellable that a time-out fires. The Qt loop is never entered here:
// the window's callers run the service on a step thread, so it keeps painting meanwhile.
class GioCall {
public:
    explicit GioCall(std::chrono::milliseconds timeout)
        : context_(g_main_context_new())
        , cancellable_(g_cancellable_new())
        , timeout_(timeout)
    {
        g_main_context_push_thread_default(context_);
        arm();
    }
    ~GioCall()
    {
        disarm();
        g_main_context_pop_thread_default(context_);
        // Let sources that the finished call left behind run down before the context goes.
        while (g_main_context_iteration(context_, FALSE)) {
        }
        g_main_context_unref(context_);
    }
    GioCall(const GioCall&) = delete;
    GioCall& operator=(const GioCall&) = delete;

    GCancellable* cancellable() const { return cancellable_.get(); }
    bool timedOut() const { return timedOut_; }

    void finish(GError* error)
    {
        error_.clear();
        error_.error = error;
        done_ = true;
    }
    // Waits for finish(); true when the call succeeded.
    bool wait()
    {
        while (!done_)
            g_main_context_iteration(context_, TRUE);
        return error_.error == nullptr;
    }
    const GError* error() const { return error_.error; }
    const char* message() const { return error_.message(); }

    // The time-out stops while a person types credentials and starts afresh after.
    void disarm()
    {
        if (timer_) {
            g_source_destroy(timer_);
            g_source_unref(timer_);
            timer_ = nullptr;
        }
    }
    void arm()
    {
        disarm();
        timer_ = g_timeout_source_new(static_cast<guint>(timeout_.count()));
        g_source_set_callback(
            timer_,
            [](gpointer self) -> gboolean {
                auto* call = static_cast<GioCall*>(self);
                call->timedOut_ = true;
                g_cancellable_cancel(call->cancellable_.get());
                return G_SOURCE_REMOVE;
            },
            this, nullptr);
        g_source_attach(timer_, context_);
    }

private:
    GMainContext* context_;
    GPtr<GCancellable> cancellable_;
    std::chrono::milliseconds timeout_;
    GSource* timer_ = nullptr;
    bool done_ = false;
    bool timedOut_ = false;
    GErrorHolder error_;
};

// What the mount operation answers when GVfs asks for a password.
struct Credentials {
    std::string user;
    std::string domain;
    std::string password;
    bool noPassword = false; // null password: the user's default
    bool interactive = false;
    CredentialAnswerer* answerer = nullptr;
    GioCall* call = nullptr;
    int asks = 0;
};

void OnAskPassword(GMountOperation* op, const char* message, const char* defaultUser,
                   const char* defaultDomain, GAskPasswordFlags flags, gpointer data)
{
    auto* cred = static_cast<Credentials*>(data);
    // GVfs asks again after a refused answer; one mapping attempt is one try.
    if (++cred->asks > 1) {
        g_mount_operation_reply(op, G_MOUNT_OPERATION_ABORTED);
        return;
    }
    g_mount_operation_set_password_save(op, G_PASSWORD_SAVE_NEVER);

    std::string user = cred->user;
    std::string domain = cred->domain;
    std::string password = cred->password;
    // There is no stored default password on this side: GVfs has already tried what it
    // knows (Kerberos) before asking, so the default is a guest login, which is what a
    // share open to everyone grants the user anyway.
    bool anonymous = (user.empty() && password.empty()) || cred->noPassword;

    if (cred->interactive) {
        CredentialRequest request;
        request.message = message ? message : "";
        request.userName = !user.empty() ? user : (defaultUser ? defaultUser : "");
        request.domain = !domain.empty() ? domain : (defaultDomain ? defaultDomain : "");
        request.needUserName = (flags & G_ASK_PASSWORD_NEED_USERNAME) != 0;
        request.needDomain = (flags & G_ASK_PASSWORD_NEED_DOMAIN) != 0;
        request.anonymousAllowed = (flags & G_ASK_PASSWORD_ANONYMOUS_SUPPORTED) != 0;
        cred->call->disarm();
        const bool answered = cred->answerer && *cred->answerer && (*cred->answerer)(request);
        cred->call->arm();
        if (!answered) {
            g_mount_operation_reply(op, G_MOUNT_OPERATION_ABORTED);
            return;
        }
        user = request.userName;
        domain = request.domain;
        password = request.password;
        anonymous = request.anonymous;
    }

    if (anonymous && (flags & G_ASK_PASSWORD_ANONYMOUS_SUPPORTED)) {
        g_mount_operation_set_anonymous(op, TRUE);
    } else {
        g_mount_operation_set_anonymous(op, FALSE);
        g_mount_operation_set_username(op, user.c_str());
        if (!domain.empty())
            g_mount_operation_set_domain(op, domain.c_str());
        g_mount_operation_set_password(op, password.c_str());
    }
    g_mount_operation_reply(op, G_MOUNT_OPERATION_HANDLED);
}

// Unmounts the mount that holds `location` and waits until it is gone from the FUSE folder
// too. Ok when it is gone (or was already), so a caller never reports a removal that did
// not happen.
DriveResult UnmountEnclosing(GFile* location, bool force, std::chrono::milliseconds timeout)
{
    // GIO keeps what it learnt of a mount; when another program unmounted a share and it
    // was mounted again since, the first try can go to the gone daemon. The failed call
    // makes GIO forget it, so one more try reaches the live mount.
    for (int attempt = 1;; ++attempt) {
        GErrorHolder err;
        const GPtr<GMount> mount(g_file_find_enclosing_mount(location, nullptr, err.out()));
        if (!mount)
            return DriveResult::Ok;
        const GPtr<GFile> root(g_mount_get_root(mount.get()));
        const GText localPath(g_file_get_path(root.get()));
        const GText uri(g_file_get_uri(root.get()));
        GioCall call(timeout);
        g_mount_unmount_with_operation(
            mount.get(), force ? G_MOUNT_UNMOUNT_FORCE : G_MOUNT_UNMOUNT_NONE, nullptr, call.cancellable(),
            [](GObject* source, GAsyncResult* result, gpointer self) {
                GError* error = nullptr;
                g_mount_unmount_with_operation_finish(G_MOUNT(source), result, &error);
                static_cast<GioCall*>(self)->finish(error);
            },
            &call);
        if (!call.wait() && !g_error_matches(call.error(), G_IO_ERROR, G_IO_ERROR_NOT_MOUNTED)) {
            if (attempt == 1 && !call.timedOut())
                continue;
            std::fprintf(stderr, "telvorin: unmounting %s failed: %s\n", uri.get(),
                         call.timedOut() ? "timed out" : call.message());
            return DriveResult::Failed;
        }
        if (localPath && StillListed(localPath.get())) {
            std::fprintf(stderr, "telvorin: %s is still mounted after unmounting it\n", uri.get());
            return DriveResult::Failed;
        }
        return DriveResult::Ok;
    }
}

} // namespace

GioDriveService::GioDriveService(std::string drivesFolder, std::string autostartFolder)
    : folder_(drivesFolder.empty() ? defaultDrivesFolder() : std::move(drivesFolder))
    , autostart_(std::move(autostartFolder))
{
    while (folder_.size() > 1 && folder_.back() == '/')
        folder_.pop_back();
}

std::string GioDriveService::defaultDrivesFolder()
{
    std::string base;
    // Relative values are to be ignored, like an unset one.
    if (const char* data = std::getenv("XDG_DATA_HOME"); data && data[0] == '/') {
        base = data;
    } else {
        std::string home;
        if (const char* h = std::getenv("HOME"); h && h[0] == '/')
            home = h;
        else
            home = CurrentUserAccount().homeFolder;
        base = home + "/.local/share";
    }
    return base + "/telvorin/drives";
}

std::optional<char> GioDriveService::driveLetter(const std::string& drive)
{
    if (drive.size() != 2 || drive[1] != ':')
        return std::nullopt;
    const char c = drive[0];
    if (c >= 'A' && c <= 'Z')
        return c;
    if (c >= 'a' && c <= 'z')
        return static_cast<char>(c - 'a' + 'A');
    return std::nullopt;
}

bool GioDriveService::splitRemoteName(const std::string& remoteName, std::string& server, std::string& share)
{
    if (remoteName.size() < 2 || remoteName.compare(0, 2, "\\\\") != 0)
        return false;
    const auto sep = remoteName.find('\\', 2);
    if (sep == std::string::npos)
        return false;
    std::string s = remoteName.substr(2, sep - 2);
    std::string v = remoteName.substr(sep + 1);
    if (remoteName.find('\0') != std::string::npos || !IsSafeComponent(s) || !IsSafeComponent(v))
        return false;
    server = std::move(s);
    share = std::move(v);
    return true;
}

std::string GioDriveService::shareUri(const std::string& server, const std::string& share)
{
    const GText s(g_uri_escape_string(server.c_str(), nullptr, FALSE));
    const GText v(g_uri_escape_string(share.c_str(), nullptr, FALSE));
    return std::string("smb://") + s.get() + "/" + v.get() + "/";
}

std::string GioDriveService::entryPath(char letter) const
{
    return folder_ + "/" + letter;
}

std::string GioDriveService::recordPath(char letter) const
{
    return folder_ + "/.remote/" + letter;
}

std::string GioDriveService::mountRemoteName(const std::string& path) const
{
    const GPtr<GFile> file(g_file_new_for_path(path.c_str()));
    // GVfs turns a path inside its FUSE folder into the share's own URI; anything that
    // stays a plain file is not a network mount.
    if (g_file_has_uri_scheme(file.get(), "file") || (IsOnFuse(ParentOf(path)) && !ListedInFuse(path)))
        return {};
    GErrorHolder err;
    const GPtr<GMount> mount(g_file_find_enclosing_mount(file.get(), nullptr, err.out()));
    if (!mount)
        return {};
    const GPtr<GFile> root(g_mount_get_root(mount.get()));
    const GText uri(g_file_get_uri(root.get()));
    GUri* parsed = g_uri_parse(uri.get(), G_URI_FLAGS_NONE, nullptr);
    if (!parsed)
        return {};
    std::string result;
    const char* scheme = g_uri_get_scheme(parsed);
    const char* host = g_uri_get_host(parsed);
    std::string p = g_uri_get_path(parsed);
    if (scheme && g_ascii_strcasecmp(scheme, "smb") == 0 && host && *host) {
        while (!p.empty() && p.front() == '/')
            p.erase(0, 1);
        const std::string share = p.substr(0, p.find('/'));
        if (!share.empty())
            result = std::string("\\\\") + host + "\\" + share;
    }
    g_uri_unref(parsed);
    return result;
}

std::string GioDriveService::recordedRemoteName(char letter, const std::string& live) const
{
    const auto record = ReadRecord(recordPath(letter));
    if (record && EqualIgnoringUnicodeCase(record->remoteName, live))
        return record->remoteName;
    return live;
}

// The queries below never touch the share itself (no stat inside a mount): on a server that
// went off line that would block the window for as long as the SMB time-out. GVfs answers
// which mount a FUSE path belongs to from its own tables.

bool GioDriveService::getConnection(const std::string& drive, std::string& remoteName)
{
    const auto letter = driveLetter(drive);
    if (!letter)
        return false;
    const std::string target = EntryTarget(entryPath(*letter));
    if (target.empty())
        return false;
    const std::string live = mountRemoteName(target);
    if (live.empty())
        return false;
    remoteName = recordedRemoteName(*letter, live);
    return true;
}

int GioDriveService::getDriveType(const std::string& drive)
{
    const auto letter = driveLetter(drive);
    if (!letter)
        return DriveNoRootDir;
    bool isLink = false;
    const std::string target = EntryTarget(entryPath(*letter), &isLink);
    if (target.empty())
        return DriveNoRootDir;
    // The folder that holds the mount is the FUSE root itself, which answers locally, and
    // a share that is gone may linger there for a while.
    if (IsOnFuse(ParentOf(target)) || IsOnFuse(target))
        return DriveRemote;
    struct stat st {};
    if (stat(target.c_str(), &st) != 0)
        // Only mounts get links, so a link to nothing is a mount that went away.
        return isLink ? DriveRemote : DriveUnknown;
    const GPtr<GFile> file(g_file_new_for_path(target.c_str()));
    if (!g_file_has_uri_scheme(file.get(), "file"))
        return DriveRemote;
    return S_ISDIR(st.st_mode) ? DriveFixed : DriveUnknown;
}

DriveResult GioDriveService::addConnection(const std::string& drive, const std::string& remoteName,
                                           const char* password, const char* userName, unsigned flags)
{
    const auto letter = driveLetter(drive);
    if (!letter)
        return DriveResult::BadDrive;
    std::string server;
    std::string share;
    if (!splitRemoteName(remoteName, server, share))
        return DriveResult::BadRemoteName;

    Credentials cred;
    const std::string fullUser = userName ? userName : "";
    if (const auto sep = fullUser.find('\\'); sep != std::string::npos) {
        cred.domain = fullUser.substr(0, sep);
        cred.user = fullUser.substr(sep + 1);
    } else {
        cred.user = fullUser;
    }
    cred.password = password ? password : "";
    cred.noPassword = password == nullptr;
    if (HasControlCharacter(cred.user) || HasControlCharacter(cred.domain))
        return DriveResult::BadRemoteName;
    cred.interactive = (flags & ConnectInteractive) != 0;
    cred.answerer = &answerer_;

    const std::string entry = entryPath(*letter);
    bool isLink = false;
    if (!EntryTarget(entry, &isLink).empty() && !isLink)
        return DriveResult::LetterInUse; // a real folder of the user's; never replaced

    const std::string uri = shareUri(server, share);
    const GPtr<GFile> file(g_file_new_for_uri(uri.c_str()));
    // Whether this call made the mount, rather than finding it there already.
    bool madeMount = false;
    {
        GioCall call(timeout_);
        cred.call = &call;
        const GPtr<GMountOperation> op(g_mount_operation_new());
        g_signal_connect(op.get(), "ask-password", G_CALLBACK(OnAskPassword), &cred);
        g_file_mount_enclosing_volume(
            file.get(), G_MOUNT_MOUNT_NONE, op.get(), call.cancellable(),
            [](GObject* source, GAsyncResult* result, gpointer self) {
                GError* error = nullptr;
                g_file_mount_enclosing_volume_finish(G_FILE(source), result, &error);
                static_cast<GioCall*>(self)->finish(error);
            },
            &call);
        madeMount = call.wait();
        g_signal_handlers_disconnect_by_data(op.get(), &cred);
        if (!madeMount && !g_error_matches(call.error(), G_IO_ERROR, G_IO_ERROR_ALREADY_MOUNTED)) {
            const bool refused = g_error_matches(call.error(), G_IO_ERROR, G_IO_ERROR_FAILED_HANDLED);
            std::fprintf(stderr, "telvorin: mounting %s failed: %s\n", uri.c_str(),
                         call.timedOut() ? "timed out"
                         : refused       ? "credentials refused or not given"
                                         : call.message());
            return refused ? DriveResult::Cancelled : DriveResult::Failed;
        }
    }

    GErrorHolder err;
    const GPtr<GMount> mount(g_file_find_enclosing_mount(file.get(), nullptr, err.out()));
    if (!mount) {
        std::fprintf(stderr, "telvorin: no mount for %s: %s\n", uri.c_str(), err.message());
        return DriveResult::Failed;
    }
    // A mapping that fails from here on leaves the share as it was found: a mount made
    // by this call goes again, one that was there already stays.
    const auto fail = [&]() {
        if (madeMount)
            UnmountEnclosing(file.get(), true, timeout_);
        return DriveResult::Failed;
    };
    const GPtr<GFile> root(g_mount_get_root(mount.get()));
    const GText localPath(g_file_get_path(root.get()));
    if (!localPath) {
        std::fprintf(stderr, "telvorin: %s has no local path (is gvfsd-fuse running?)\n", uri.c_str());
        return fail();
    }

    WaitUntilReadable(localPath.get(),
                      std::min<std::chrono::milliseconds>(timeout_, std::chrono::seconds(10)));

    if (!MakeFolders(folder_ + "/.remote")) {
        std::fprintf(stderr, "telvorin: cannot make the folder %s/.remote\n", folder_.c_str());
        return fail();
    }
    // Build the link aside and rename it over the entry, so the letter never points at a
    // half-made entry.
    const std::string temporary = folder_ + "/." + *letter + ".new";
    unlink(temporary.c_str());
    if (symlink(localPath.get(), temporary.c_str()) != 0 || rename(temporary.c_str(), entry.c_str()) != 0) {
        unlink(temporary.c_str());
        return fail();
    }
    // A mount found already there is still ours to remove when another letter of ours made it.
    const Record record{remoteName, madeMount || otherLetterMade(*letter, localPath.get()), cred.domain};
    if (!WriteRecord(recordPath(*letter), record)) {
        unlink(entry.c_str());
        return fail();
    }
    // The mapping itself stands without the entry; it is only not mounted again at login.
    if ((flags & ConnectUpdateProfile) && !autostart_.write())
        std::fprintf(stderr, "telvorin: cannot write the autostart entry %s\n", autostart_.path().c_str());
    return DriveResult::Ok;
}

bool GioDriveService::otherEntryPointsAt(char letter, const std::string& target) const
{
    for (char other = 'A'; other <= 'Z'; ++other) {
        if (other == letter)
            continue;
        bool isLink = false;
        if (EntryTarget(entryPath(other), &isLink) == target && isLink)
            return true;
    }
    return false;
}

bool GioDriveService::otherLetterMade(char letter, const std::string& target) const
{
    for (char other = 'A'; other <= 'Z'; ++other) {
        bool isLink = false;
        if (other == letter || EntryTarget(entryPath(other), &isLink) != target || !isLink)
            continue;
        if (const auto record = ReadRecord(recordPath(other)); record && record->madeHere)
            return true;
    }
    return false;
}

bool GioDriveService::anyMapping() const
{
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        bool isLink = false;
        if (!EntryTarget(entryPath(letter), &isLink).empty() && isLink)
            return true;
    }
    return false;
}

DriveResult GioDriveService::cancelConnection(const std::string& drive, unsigned flags, bool force)
{
    const auto letter = driveLetter(drive);
    if (!letter)
        return DriveResult::BadDrive;
    const std::string entry = entryPath(*letter);
    bool isLink = false;
    const std::string target = EntryTarget(entry, &isLink);
    if (target.empty() || !isLink)
        return DriveResult::NotConnected; // no entry, or a real folder that is not ours to remove

    // Only a mount this service made is unmounted, and only when no other letter carries
    // it; one the user made elsewhere merely loses this letter.
    const auto record = ReadRecord(recordPath(*letter));
    if (record && record->madeHere && !otherEntryPointsAt(*letter, target)) {
        const GPtr<GFile> file(g_file_new_for_path(target.c_str()));
        const DriveResult unmounted = g_file_has_uri_scheme(file.get(), "file")
                                          ? DriveResult::Ok
                                          : UnmountEnclosing(file.get(), force, timeout_);
        if (unmounted != DriveResult::Ok)
            return unmounted;
        // GVfs could not name a mount there, yet its folder is still listed: not removed.
        if (StillListed(target)) {
            std::fprintf(stderr, "telvorin: cannot unmount %s\n", target.c_str());
            return DriveResult::Failed;
        }
    }
    if (unlink(entry.c_str()) != 0)
        return DriveResult::Failed;
    unlink(recordPath(*letter).c_str());
    if ((flags & ConnectUpdateProfile) && !anyMapping() && !autostart_.remove())
        std::fprintf(stderr, "telvorin: cannot remove the autostart entry %s\n", autostart_.path().c_str());
    return DriveResult::Ok;
}

std::vector<MappedDrive> GioDriveService::mappedDrives()
{
    std::vector<MappedDrive> mapped;
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        bool isLink = false;
        const std::string target = EntryTarget(entryPath(letter), &isLink);
        if (target.empty() || !isLink)
            continue;
        MappedDrive drive;
        drive.letter = letter;
        const std::string live = mountRemoteName(target);
        drive.mounted = !live.empty();
        if (drive.mounted)
            drive.remoteName = recordedRemoteName(letter, live);
        else if (const auto record = ReadRecord(recordPath(letter)))
            drive.remoteName = record->remoteName;
        mapped.push_back(std::move(drive));
    }
    return mapped;
}

DriveResult GioDriveService::reconnect(char letter)
{
    const auto record = ReadRecord(recordPath(letter));
    if (!record || record->remoteName.empty())
        return DriveResult::NotConnected;
    // As the first Connect attempt: with a domain, the user's own name and the default
    // password (which makes a guest login here); without one, empty user and password.
    std::string user;
    const char* password = "";
    if (!record->domain.empty()) {
        user = record->domain + "\\" + networkUserName();
        password = nullptr;
    }
    return addConnection(std::string{letter, ':'}, record->remoteName, password, user.c_str(),
                         ConnectUpdateProfile);
}

std::string GioDriveService::networkUserName()
{
    return CurrentUserAccount().userName;
}

} // namespace telvorin
