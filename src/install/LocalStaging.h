// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace telvorin::install {

// The private local folder where the package's files are staged before they are copied
// to the device: made fresh with mode 0700 under $XDG_RUNTIME_DIR (else $TMPDIR or
// /tmp), never a fixed shared path another user could prepare.
class LocalStaging {
public:
    LocalStaging() = default;
    ~LocalStaging(); // removes the folder when it is empty
    LocalStaging(const LocalStaging&) = delete;
    LocalStaging& operator=(const LocalStaging&) = delete;

    // Makes the folder unless it exists already; false when it cannot be made.
    bool create();
    bool exists() const { return !dir_.empty(); }
    const std::string& dir() const { return dir_; }
    // dir() + "/" + name; empty before create().
    std::string pathOf(std::string_view name) const;
    // True for a path of a file directly in the folder.
    bool holds(std::string_view path) const;
    // Removes the folder if it is empty; anything else is left alone.
    void removeIfEmpty();

private:
    std::string dir_;
};

} // namespace telvorin::install
