// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace telvorin {

// The user's autostart entry that mounts the mapped drive letters again at login and keeps
// them mounted through the session (`telvorin-probe drives watch`), so a mapping outlives
// the session it was made in and a lost network. The desktop starts every entry in
// ${XDG_CONFIG_HOME:-$HOME/.config}/autostart when the user logs in.
class AutostartEntry {
public:
    // An empty folder means defaultFolder().
    explicit AutostartEntry(std::string folder = {});

    static std::string defaultFolder();
    // telvorin-probe beside the running program when it is there (an installed or copied
    // pair), otherwise the bare name, found on the PATH at login.
    static std::string defaultProgram();

    // The desktop-entry text that runs `program drives watch`.
    static std::string text(const std::string& program);
    // One Exec argument, quoted where the desktop-entry rules need it.
    static std::string execArgument(const std::string& argument);

    const std::string& path() const { return path_; }
    bool exists() const;
    // Writes the entry unless it already reads the same; false when it cannot be written.
    bool write(const std::string& program = defaultProgram()) const;
    // Removes the entry; true when it is gone afterwards.
    bool remove() const;

private:
    std::string path_;
};

} // namespace telvorin
