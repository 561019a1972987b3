// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

namespace telvorin::gio {

// The drives folder's own files: the letters' links and the records beside them.

std::string ParentOf(const std::string& path);
// The target of the entry at `entry`: the link's target, or the entry itself when it is a
// real directory. Empty when there is no entry.
std::string EntryTarget(const std::string& entry, bool* isLink = nullptr);
// GVfs folds case the Unicode way, so the comparison does too.
bool EqualIgnoringUnicodeCase(const std::string& a, const std::string& b);

// What .remote/X says about letter X: the remote name, who made the mount, the domain.
struct Record {
    std::string remoteName;
    bool madeHere = false;
    std::string domain;
};

// A record without the mounted-by line (an older one, or none) counts as a mount that was
// found: the cautious reading, since removing the letter then never unmounts.
std::optional<Record> ReadRecord(const std::string& path);
// Writes the record aside and renames it into place, so a reader never sees half of one.
bool WriteRecord(const std::string& path, const Record& record);

} // namespace telvorin::gio
