#pragma once

#include <cstdint>
#include <string>

namespace telvorin {

// The four numbers of an operating system version record that the classification uses.
struct VersionRecord {
    std::uint32_t platformId = 0;
    std::uint32_t major = 0;
    std::uint32_t minor = 0;
    std::uint32_t build = 0;
};

// The pure classification: the fixed text naming that version.
std::string ClassifyWindowsVersion(const VersionRecord& record);

// Writes the running system's version name into `name`; 1 when the version record was
// read, 0 otherwise. On Linux there is no such record: "unknown Windows version", 0.
int GetWindowsVersionName(std::string& name);

} // namespace telvorin
