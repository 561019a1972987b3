// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <string>

namespace telvorin::gio {

// What gvfsd-fuse shows of the GVfs mounts, read without touching a share.

bool IsOnFuse(const std::string& path);
// Right after a share was unmounted and mounted again, GVfs's FUSE view of it fails with
// I/O errors for a moment; the drive is handed over only once it can be read.
void WaitUntilReadable(const std::string& path, std::chrono::milliseconds limit);
// Whether gvfsd-fuse lists `target` among its mounts. Its listing follows mounts and
// unmounts made by any program, without touching a share; GIO's own picture in this
// process can lag behind one that another program made.
bool ListedInFuse(const std::string& target);
// A mount's folder stays in gvfsd-fuse's listing until the FUSE daemon hears of the
// unmount, a moment after the unmount itself reports success.
bool StillListed(const std::string& target);

} // namespace telvorin::gio
