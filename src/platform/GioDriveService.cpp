// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/GioDriveService.h"

#include "platform/Bookmarks.h"
#include "platform/FileReplace.h"
#include "platform/FuseView.h"
#include "platform/GioMount.h"
#include "platform/LetterRecords.h"
#include "platform/SecretService.h"
#include "platform/UserAccount.h"
#include "rules/SafeNames.h"

#include <cstdio>
#include <cstdlib>
#include <string_view>

#include <sys/stat.h>
#include <unistd.h>

namespace telvorin {

using namespace gio;

GioDriveService::GioDriveService(std::string drivesFolder, std::string autostartFolder,
                                 std::string bookmarksFile)
    : folder_(drivesFolder.empty() ? defaultDrivesFolder() : std::move(drivesFolder))
    , autostart_(std::move(autostartFolder))
    , bookmarks_(bookmarksFile.empty() ? bookmarks::DefaultPath() : std::move(bookmarksFile))
{
    while (folder_.size() > 1 && folder_.back() == '/')
        folder_.pop_back();
}

std::string GioDriveService::defaultDrivesFolder()
{
    return UserDataFolder() + "/telvorin/drives";
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
    cred.savePassword = (flags & ConnectSavePassword) != 0;
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
    addBookmark(*letter, server, share);
    return DriveResult::Ok;
}

bool GioDriveService::anyLinkedLetter(const std::function<bool(char, const std::string&)>& visit) const
{
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        bool isLink = false;
        const std::string target = EntryTarget(entryPath(letter), &isLink);
        if (!target.empty() && isLink && visit(letter, target))
            return true;
    }
    return false;
}

bool GioDriveService::otherEntryPointsAt(char letter, const std::string& target) const
{
    return anyLinkedLetter(
        [&](char other, const std::string& at) { return other != letter && at == target; });
}

bool GioDriveService::otherLetterMade(char letter, const std::string& target) const
{
    return anyLinkedLetter([&](char other, const std::string& at) {
        if (other == letter || at != target)
            return false;
        const auto record = ReadRecord(recordPath(other));
        return record && record->madeHere;
    });
}

bool GioDriveService::anyMapping() const
{
    return anyLinkedLetter([](char, const std::string&) { return true; });
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
    removeBookmark(*letter);
    if ((flags & ConnectUpdateProfile) && !anyMapping() && !autostart_.remove())
        std::fprintf(stderr, "telvorin: cannot remove the autostart entry %s\n", autostart_.path().c_str());
    return DriveResult::Ok;
}

void GioDriveService::addBookmark(char letter, const std::string& server, const std::string& share) const
{
    const std::string label = std::string{letter, ':', ' '} + share + " on " + server;
    if (std::string why; !bookmarks::Add(bookmarks_, bookmarks::FileUri(entryPath(letter)), label, &why))
        std::fprintf(stderr, "telvorin: %c: is mapped, but cannot be shown in the file managers: %s: %s\n",
                     letter, bookmarks_.c_str(), why.c_str());
}

void GioDriveService::removeBookmark(char letter) const
{
    if (std::string why; !bookmarks::Remove(bookmarks_, bookmarks::FileUri(entryPath(letter)), &why))
        std::fprintf(stderr, "telvorin: %c: is removed, but its line stays in %s: %s\n", letter,
                     bookmarks_.c_str(), why.c_str());
}

std::vector<MappedDrive> GioDriveService::mappedDrives()
{
    std::vector<MappedDrive> mapped;
    anyLinkedLetter([&](char letter, const std::string& target) {
        MappedDrive drive;
        drive.letter = letter;
        const std::string live = mountRemoteName(target);
        drive.mounted = !live.empty();
        if (drive.mounted)
            drive.remoteName = recordedRemoteName(letter, live);
        else if (const auto record = ReadRecord(recordPath(letter)))
            drive.remoteName = record->remoteName;
        mapped.push_back(std::move(drive));
        return false;
    });
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

bool GioDriveService::canSavePasswords(std::string& why)
{
    return SecretServiceOnBus(&why);
}

} // namespace telvorin
