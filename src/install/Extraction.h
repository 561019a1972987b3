// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "install/InstallState.h"
#include "install/LocalStaging.h"
#include "platform/DeviceFiles.h"
#include "platform/ShareWriter.h"
#include "protocol/Clock.h"

#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <string_view>

namespace telvorin::install {

// The files the engine keeps next to a file NAME in its folder: a copy being written
// (".NAME.telvorin-R-N") and the old file set aside while the new one takes its place
// (".NAME.telvorin-old-R-N").
enum class OwnFileKind { Temporary, SetAside };
struct OwnFile {
    OwnFileKind kind;
    std::string finalName; // NAME
};
std::optional<OwnFile> ParseOwnFileName(std::string_view name);

// A file of ours that has not changed for this long belongs to no write in progress.
inline constexpr std::int64_t StaleAfterSeconds = 10 * 60;

// Turns one device file into a file on the device's share.
//
// A target "\\host\share\dir\name" is written on the share; a target in the local
// staging folder is written there first, then copied to finalPath on the share, and the
// local file is removed whatever happens. Either way the bytes go to a temporary name
// in the destination folder and then take the final name: the old file is first set
// aside under a name of ours, the new one moved in, then the old one removed (or moved
// back when the new one cannot take its place), so at every moment the final name or the
// set-aside name holds a whole file. Before the first write in a folder, set-aside files
// whose final name is missing go back to it; after it, files of ours that have not
// changed for StaleAfterSeconds (by the server's clock) are removed. A write that the
// share's cancel flag ends leaves no temporary file behind. The result is true only when every byte was
// written, the file closed cleanly and the file at its final place has the device file's size; a missing
// device file fails without writing anything. ExtractFailed is set to 0 on success and 1 on failure.
class Extractor {
public:
    // clock, when given, times the writes on the share (lastTransferMs).
    Extractor(ShareWriter& share, DeviceFileStore& files, InstallState& state, LocalStaging& staging,
              Clock* clock = nullptr)
        : share_(share)
        , files_(files)
        , state_(state)
        , staging_(staging)
        , clock_(clock)
    {
    }

    bool ExtractEmbeddedFile(std::string_view typeName, int id, std::string_view targetPath,
                             std::string_view finalPath);

    // Why the last extraction failed, for diagnostics.
    const std::string& lastError() const { return error_; }
    // Bytes the last successful extraction put on the share.
    std::uint64_t lastSize() const { return lastSize_; }
    // Time the last successful extraction spent writing on the share and renaming there.
    std::int64_t lastTransferMs() const { return lastTransferMs_; }

    // Attempts at reaching the share before a write.
    static constexpr int ConnectAttempts = 6;

private:
    bool run(std::string_view typeName, int id, std::string_view targetPath, std::string_view finalPath);
    bool writeLocal(const std::string& path, const std::vector<std::uint8_t>& bytes);
    bool readLocal(const std::string& path, std::vector<std::uint8_t>* bytes);
    bool putOnShare(const SharePath& path, const std::vector<std::uint8_t>& bytes);
    bool placeFile(const SharePath& temp, const SharePath& path);
    void restoreSetAside(const SharePath& folder);
    void removeStale(const SharePath& folder, const std::string& ourTemp);
    std::string ownName(const std::string& name, std::string_view kind);
    bool fail(std::string why);

    ShareWriter& share_;
    DeviceFileStore& files_;
    InstallState& state_;
    LocalStaging& staging_;
    std::string error_;
    Clock* clock_;
    std::uint64_t lastSize_ = 0;
    std::int64_t lastTransferMs_ = 0;
    unsigned tempCounter_ = 0;
    // Folders already put in order by this extractor: restored, stale files removed.
    std::set<std::string> restored_;
    std::set<std::string> purged_;
};

} // namespace telvorin::install
