// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Files on a device's share, behind an interface of ours: the real one speaks SMB
// (SmbShareWriter), tests hand in one that keeps the files in memory.

#include <atomic>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace telvorin {

// One file or folder on a share: the host, the share, then the folders and the name.
// Every part is one path component (see IsSafeComponent).
struct SharePath {
    std::string host;
    std::string share;
    std::vector<std::string> components;

    std::string text() const; // "\\host\share\a\b", for messages
    friend bool operator==(const SharePath&, const SharePath&) = default;
};

// True for a name that stays one component on the share: not empty, not "." or "..",
// and free of '/', '\' and NUL.
bool IsSafeComponent(std::string_view name);

// Reads "\\host\share\dir\file" (both '\' and '/' separate components); nullopt when it
// is no such path or a part is unsafe.
std::optional<SharePath> ParseNetworkPath(std::string_view text);

// One entry of a folder listing.
struct ShareEntry {
    std::string name;
    bool folder = false;
    std::int64_t modified = 0; // seconds since the epoch, by the server's clock
};

class ShareWriter {
public:
    virtual ~ShareWriter() = default;

    // While `flag` is non-zero, createFile ends at its next chunk and fails with
    // ECANCELED. Null: never cancelled.
    void setCancelFlag(const std::atomic<int>* flag) { cancel_ = flag; }
    bool cancelRequested() const { return cancel_ && cancel_->load() != 0; }

    // Makes the share reachable with empty user name and password. Never asks anyone.
    virtual bool connect(const std::string& host, const std::string& share) = 0;
    // Creates the file, failing when anything already stands at the name, and writes all
    // of `bytes`. True only when every byte was written and the file closed cleanly.
    virtual bool createFile(const SharePath& path, std::span<const std::uint8_t> bytes) = 0;
    // Puts `from` in the place of `to`, replacing a file there (not a folder).
    virtual bool replace(const SharePath& from, const SharePath& to) = 0;
    virtual bool remove(const SharePath& path) = 0;
    // Size of the regular file at path; nullopt when there is none (lastErrorNumber
    // ENOENT), a folder stands there (EISDIR) or the share cannot tell (anything else).
    virtual std::optional<std::uint64_t> fileSize(const SharePath& path) = 0;
    // The entries of a folder ("." and ".." left out); nullopt when it cannot be listed.
    virtual std::optional<std::vector<ShareEntry>> list(const SharePath& folder) = 0;
    // Why the last call failed, for a message, and its errno value (EEXIST for a
    // createFile that found something at the name).
    virtual std::string lastError() const = 0;
    virtual int lastErrorNumber() const = 0;

private:
    const std::atomic<int>* cancel_ = nullptr;
};

} // namespace telvorin
