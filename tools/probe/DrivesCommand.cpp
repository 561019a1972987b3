// SPDX-License-Identifier: GPL-3.0-or-later
// `telvorin-probe drives`: one JSON line per mapped drive letter
//   {"letter":"Z","remote":"\\\\NAS-1\\HDD_a","mounted":true}
// `telvorin-probe drives restore [--wait SECONDS]`: mounts the share of every letter whose
// mount is gone (after a logout, say), without a window. It logs in as the first Connect
// attempt does, as guest or as the user's own name; a password remembered in the desktop
// keyring is found there by GVfs. A share that still wants a password is named on stderr
// at once and left as it is. Shares that cannot be reached yet, or whose FUSE view is not
// there yet (right after login), are tried again with a growing pause for up to SECONDS
// (120; 0 for one try). Exit 0 when every mapped letter is mounted afterwards, 1 when
// some are not (each named), 2 on a usage error.
// `telvorin-probe drives watch [--wait SECONDS]`: what the autostart entry runs. Restores
// as above, then stays with the desktop session and does it again for the letters whose
// share is not mounted after each network change and each resume from suspend. Exit 0
// when the session ends, 1 without a session bus.

#include "DrivesCommand.h"

#include "Json.h"
#include "platform/DriveWatcher.h"
#include "platform/GioDriveService.h"
#include "platform/RestoreWait.h"
#include "protocol/Clock.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <string_view>

namespace telvorin::probe {

namespace {

constexpr long LongestWaitSeconds = 24 * 60 * 60;

int DrivesUsage()
{
    std::fprintf(stderr, "usage: telvorin-probe drives [restore|watch [--wait SECONDS]]\n");
    return 2;
}

int List(GioDriveService& drives)
{
    for (const MappedDrive& d : drives.mappedDrives()) {
        std::printf("{\"letter\":\"%c\",\"remote\":%s,\"mounted\":%s}\n", d.letter,
                    JsonString(d.remoteName).c_str(), d.mounted ? "true" : "false");
    }
    return 0;
}

// One try to mount a letter again, and what it says on stderr. The remote names came from
// devices; JsonString keeps control bytes off the terminal.
RestoreTry Attempt(GioDriveService& drives, char letter, const std::string& shown)
{
    switch (drives.reconnect(letter)) {
    case DriveResult::Ok: return RestoreTry::Mounted;
    case DriveResult::Cancelled:
        std::fprintf(stderr, "telvorin-probe: %c: %s wants a password; left as it is\n", letter,
                     shown.c_str());
        return RestoreTry::GivenUp;
    case DriveResult::NotConnected:
    case DriveResult::BadDrive:
    case DriveResult::BadRemoteName:
    case DriveResult::LetterInUse:
        std::fprintf(stderr, "telvorin-probe: %c: %s cannot be mounted again from what was recorded\n",
                     letter, shown.c_str());
        return RestoreTry::GivenUp;
    case DriveResult::Failed: break;
    }
    return RestoreTry::NotYet;
}

void Pausing(int ms, const std::vector<char>& pending)
{
    std::string names;
    for (const char letter : pending)
        names += std::string(names.empty() ? "" : ", ") + letter + ':';
    std::fprintf(stderr, "telvorin-probe: %s not mounted yet; trying again in %d s\n", names.c_str(),
                 (ms + 999) / 1000);
}

void NotMounted(const std::vector<char>& letters, const std::map<char, std::string>& shown, long waitSeconds)
{
    for (const char letter : letters) {
        const auto name = shown.find(letter);
        std::fprintf(stderr, "telvorin-probe: %c: %s could not be mounted again within %ld s\n", letter,
                     name == shown.end() ? "\"\"" : name->second.c_str(), waitSeconds);
    }
}

// The letters whose share is not mounted, each with its remote name as shown on stderr.
std::vector<char> Unmounted(GioDriveService& drives, std::map<char, std::string>& shown)
{
    std::vector<char> letters;
    for (const MappedDrive& d : drives.mappedDrives()) {
        if (d.mounted)
            continue;
        shown[d.letter] = JsonString(d.remoteName);
        letters.push_back(d.letter);
    }
    return letters;
}

int Restore(GioDriveService& drives, long waitSeconds)
{
    // An entry from an earlier version runs this one-shot at login: from the next login on
    // it starts the watcher instead.
    if (drives.autostart().exists() && !drives.autostart().write())
        std::fprintf(stderr, "telvorin-probe: the autostart entry %s could not be brought up to date\n",
                     drives.autostart().path().c_str());
    std::map<char, std::string> shown;
    const std::vector<char> letters = Unmounted(drives, shown);
    SteadyClock steady;
    const RestoreClock clock{[&] { return steady.nowMs(); }, [&](int ms) { steady.sleepMs(ms); }};
    const RestoreOutcome outcome = RestoreLetters(
        letters, [&](char letter) { return Attempt(drives, letter, shown[letter]); }, waitSeconds * 1000,
        clock, Pausing);
    NotMounted(outcome.notMounted, shown, waitSeconds);
    return outcome.allMounted() ? 0 : 1;
}

// Stays with the session: mounts what is not mounted now, then again after each network
// change and each resume.
int Watch(GioDriveService& drives, long waitSeconds)
{
    std::map<char, std::string> shown;
    SteadyClock steady;
    DriveWatch::Hooks hooks;
    hooks.nowMs = [&] { return steady.nowMs(); };
    hooks.unmounted = [&] { return Unmounted(drives, shown); };
    hooks.attempt = [&](char letter) { return Attempt(drives, letter, shown[letter]); };
    hooks.pausing = Pausing;
    hooks.waitOver = [&](const std::vector<char>& letters) { NotMounted(letters, shown, waitSeconds); };
    DriveWatch watch(std::move(hooks), waitSeconds * 1000);
    switch (WatchDrives(watch)) {
    case WatchEnd::SessionEnded:
    case WatchEnd::Signalled: return 0;
    case WatchEnd::AlreadyWatched:
        std::fprintf(stderr, "telvorin-probe: the drive letters are watched already in this session\n");
        return 0;
    case WatchEnd::NoSessionBus: break;
    }
    std::fprintf(stderr, "telvorin-probe: no desktop session bus to watch the drive letters with\n");
    return 1;
}

// A whole number of seconds, 0 to a day.
bool ParseSeconds(const char* text, long& seconds)
{
    char* end = nullptr;
    errno = 0;
    const long value = std::strtol(text, &end, 10);
    if (errno != 0 || end == text || *end != '\0' || value < 0 || value > LongestWaitSeconds ||
        text[0] == '-' || text[0] == '+' || text[0] == ' ')
        return false;
    seconds = value;
    return true;
}

} // namespace

int RunDrives(int argc, char** argv)
{
    if (argc == 2) {
        GioDriveService drives;
        return List(drives);
    }
    const std::string_view action = argc >= 3 ? std::string_view(argv[2]) : std::string_view();
    if (action != "restore" && action != "watch")
        return DrivesUsage();
    long waitSeconds = RestoreDefaultWaitSeconds;
    if (argc == 5 && std::string_view(argv[3]) == "--wait") {
        if (!ParseSeconds(argv[4], waitSeconds))
            return DrivesUsage();
    } else if (argc != 3) {
        return DrivesUsage();
    }
    GioDriveService drives;
    return action == "watch" ? Watch(drives, waitSeconds) : Restore(drives, waitSeconds);
}

} // namespace telvorin::probe
