// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include <sys/types.h>

namespace telvorin {

// The small files of our own and the user's that the program rewrites: the letters'
// records, the autostart entry, the bookmarks. `why`, where given, gets a reason on failure.

// Makes `path` and its missing parents (mode 0700); true when it is a folder afterwards.
bool MakeFolders(const std::string& path);

// The whole file at `path` into `text`; a missing file reads as empty.
bool ReadWholeFile(const std::string& path, std::string& text, std::string* why = nullptr);

// Writes `text` to a temporary file beside `path` and renames it over `path`: a reader
// sees the old file or the new one, and a failed write leaves the old one as it was. The
// folder is made when missing; an existing file keeps its mode, a new one gets `newFileMode`.
bool ReplaceFile(const std::string& path, const std::string& text, std::string* why = nullptr,
                 mode_t newFileMode = 0644);

} // namespace telvorin
