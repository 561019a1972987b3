// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// In-memory stand-ins for the install engine's unit tests: a share that keeps its files
// in a map (and can be told to fail a given write), and a set of device files.

#include "platform/DeviceFiles.h"
#include "platform/ShareWriter.h"

#include <map>
#include <set>
#include <string>
#include <vector>

namespace telvorin::test {

using Bytes = std::vector<std::uint8_t>;

class MemoryShare final : public ShareWriter {
public:
    // Files by SharePath::text(); folders are implied, except those listed in `folders`,
    // which stand at a name as a folder would.
    std::map<std::string, Bytes> files;
    std::set<std::string> folders;
    // Every call, in order: "connect \\h\s", "create ...", "replace A -> B", "remove ...".
    std::vector<std::string> log;

    // Modification times (seconds) by path; a file without one was modified at 0.
    std::map<std::string, std::int64_t> modified;
    std::int64_t now = 0; // the time files created or written here get

    int failCreateNumber = 0;   // the Nth createFile (1-based) fails after half its bytes
    bool failReplace = false;   // every Replace fails
    std::set<int> failReplaces; // the Nth replace calls (1-based) fail
    std::set<int> failRemoves;  // the Nth remove calls (1-based) fail
    bool unreachable = false;   // Connect fails
    bool throwOnCreate = false; // createFile throws std::bad_alloc

    bool connect(const std::string& host, const std::string& share) override;
    bool createFile(const SharePath& path, std::span<const std::uint8_t> bytes) override;
    bool replace(const SharePath& from, const SharePath& to) override;
    bool remove(const SharePath& path) override;
    std::optional<std::uint64_t> fileSize(const SharePath& path) override;
    std::optional<std::vector<ShareEntry>> list(const SharePath& folder) override;
    std::string lastError() const override { return error_; }
    int lastErrorNumber() const override { return errno_; }

    // The files whose path starts with prefix, in name order.
    std::vector<std::string> names(const std::string& prefix = {}) const;

private:
    bool fail(int e, const std::string& what);

    int creates_ = 0;
    int replaces_ = 0;
    int removes_ = 0;
    std::string error_;
    int errno_ = 0;
};

// Device files held in memory, by "TYPE/id" with TYPE in upper case.
class MemoryDeviceFiles final : public DeviceFileStore {
public:
    std::map<std::string, Bytes> files;

    // Every installable file at its size, each filled with a pattern of its own id.
    static MemoryDeviceFiles complete();

    std::optional<std::uint64_t> size(std::string_view type, int id) override;
    bool read(std::string_view type, int id, std::vector<std::uint8_t>* bytes) override;
    std::string home() const override { return "/home/user/.local/share/telvorin/payload"; }

    static std::string key(std::string_view type, int id);
};

} // namespace telvorin::test
