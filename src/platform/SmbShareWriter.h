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

    bool Connect(const std::string& host, const std::string& share) override;
    bool CreateFile(const SharePath& path, std::span<const std::uint8_t> bytes) override;
    bool Replace(const SharePath& from, const SharePath& to) override;
    bool Remove(const SharePath& path) override;
    std::optional<std::uint64_t> FileSize(const SharePath& path) override;
    std::string LastError() const override { return error_; }
    int LastErrorNumber() const override { return errorNumber_; }

    // "smb://host/share/a/b" with every part URL-encoded (the library decodes it again).
    static std::string Url(const SharePath& path);

private:
    bool EnsureContext();
    bool Fail(const std::string& what, int error);

    int timeoutMs_;
    _SMBCCTX* context_ = nullptr;
    std::string error_;
    int errorNumber_ = 0;
};

} // namespace telvorin
