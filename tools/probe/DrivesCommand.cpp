// SPDX-License-Identifier: GPL-3.0-or-later
// `telvorin-probe drives`: one JSON line per mapped drive letter
//   {"letter":"Z","remote":"\\\\NAS-1\\HDD_a","mounted":true}
// `telvorin-probe drives restore`: mounts the share of every letter whose mount is gone
// (after a logout, say), without a window. It logs in as the first Connect attempt does,
// as guest or as the user's own name, and never with a password: none is stored. A share
// that wants one is left as it is and named on stderr. Exit 0 when every mapped letter
// is mounted afterwards, 1 when some are not, 2 on a usage error.

#include "DrivesCommand.h"

#include "Json.h"
#include "platform/GioDriveService.h"

#include <cstdio>
#include <string>
#include <string_view>

namespace telvorin::probe {

namespace {

int DrivesUsage()
{
    std::fprintf(stderr, "usage: telvorin-probe drives [restore]\n");
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

int Restore(GioDriveService& drives)
{
    bool all = true;
    for (const MappedDrive& d : drives.mappedDrives()) {
        if (d.mounted)
            continue;
        const DriveResult result = drives.reconnect(d.letter);
        if (result == DriveResult::Ok)
            continue;
        all = false;
        // The remote name came from a device; JsonString keeps control bytes off the terminal.
        const char* why = result == DriveResult::Cancelled ? "wants a password; left as it is"
                                                           : "could not be mounted again";
        std::fprintf(stderr, "telvorin-probe: %c: %s %s\n", d.letter, JsonString(d.remoteName).c_str(), why);
    }
    return all ? 0 : 1;
}

} // namespace

int RunDrives(int argc, char** argv)
{
    GioDriveService drives;
    if (argc == 2)
        return List(drives);
    if (argc == 3 && std::string_view(argv[2]) == "restore")
        return Restore(drives);
    return DrivesUsage();
}

} // namespace telvorin::probe
