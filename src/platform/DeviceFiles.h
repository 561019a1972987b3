// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The device files (codepage tables and modules, the package's programs) are installed
// with the program and looked up at run time as telvorin/payload/<TYPE>/<id> in the XDG
// data directories: $XDG_DATA_HOME (default ~/.local/share) first, then each of
// $XDG_DATA_DIRS (default /usr/local/share:/usr/share). TYPE matches without case.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace telvorin {

class DeviceFileStore {
public:
    virtual ~DeviceFileStore() = default;
    // Size of the file, nullopt when there is none.
    virtual std::optional<std::uint64_t> size(std::string_view type, int id) = 0;
    // The file's bytes; false when it is missing or cannot be read.
    virtual bool read(std::string_view type, int id, std::vector<std::uint8_t>* bytes) = 0;
    // Where the user puts device files, for messages.
    virtual std::string home() const = 0;
};

// The payload folders in lookup order, from the environment as it is now.
std::vector<std::string> DeviceFileDirs();

class XdgDeviceFiles final : public DeviceFileStore {
public:
    XdgDeviceFiles() = default;
    // Looks only in these payload folders (each holding <TYPE>/<id>).
    explicit XdgDeviceFiles(std::vector<std::string> dirs);

    std::optional<std::uint64_t> size(std::string_view type, int id) override;
    bool read(std::string_view type, int id, std::vector<std::uint8_t>* bytes) override;
    std::string home() const override;

    // Path of the first regular file that serves (type, id), or empty.
    std::string find(std::string_view type, int id) const;

private:
    std::vector<std::string> dirs() const;

    std::optional<std::vector<std::string>> dirs_;
};

} // namespace telvorin
