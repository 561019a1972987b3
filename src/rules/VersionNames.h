// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

namespace telvorin {

// The name of a version the classification does not know, and of every version on a
// system without a version record.
inline constexpr const char* UnknownWindowsVersion = "unknown Windows version";

// The four numbers of an operating system version record that the classification uses.
struct VersionRecord {
    std::uint32_t platformId = 0;
    std::uint32_t major = 0;
    std::uint32_t minor = 0;
    std::uint32_t build = 0;
};

// The pure classification: the fixed text naming that version.
std::string ClassifyWindowsVersion(const VersionRecord& record);

} // namespace telvorin
