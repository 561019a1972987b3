// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/ShareWriter.h"

#include <string>

struct _SMBCCTX;

namespace telvorin {

// The share writer over libsmbclient, as a guest (empty user name and password): the
// devices' install shares are open to everyone. One object is used by one thread at a
// time; creating and freeing the library's contexts is serialised across objects.
class SmbShareWriter final : public ShareWriter {
public:
    explicit SmbShareWriter(int timeoutMs = 10000);
    ~SmbShareWriter() override;
    SmbShareWriter(const SmbShareWriter&) = delete;
    SmbShareWriter& operator=(const SmbShareWriter&) = delete;

    bool connect(const std::string& host, const std::string& share) override;
    bool createFile(const SharePath& path, std::span<const std::uint8_t> bytes) override;
    bool replace(const SharePath& from, const SharePath& to) override;
    bool remove(const SharePath& path) override;
    std::optional<std::uint64_t> fileSize(const SharePath& path) override;
    std::optional<std::vector<ShareEntry>> list(const SharePath& folder) override;
    std::string lastError() const override { return error_; }
    int lastErrorNumber() const override { return errorNumber_; }

    // "smb://host/share/a/b" with every part URL-encoded (the library decodes it again).
    static std::string url(const SharePath& path);

    // createFile writes this much at a time: a cancellation waits for one chunk at most.
    static constexpr std::size_t ChunkBytes = std::size_t{256} << 10;

private:
    bool ensureContext();
    bool fail(const std::string& what, int error);

    int timeoutMs_;
    _SMBCCTX* context_ = nullptr;
    std::string error_;
    int errorNumber_ = 0;
};

} // namespace telvorin
