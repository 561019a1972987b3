// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/VersionNames.h"

namespace telvorin {

namespace {

std::string ClassifyNineX(std::uint32_t major, std::uint32_t minor, std::uint32_t build)
{
    if (major != 4)
        return UnknownWindowsVersion;
    if (minor < 10) {
        if (build == 950)
            return "Windows 95";
        if (build > 950 && build <= 1080)
            return "Windows 95 SP1";
        if (build > 1080)
            return "Windows 95 OSR2";
        return UnknownWindowsVersion;
    }
    if (minor == 10) {
        if (build == 1998)
            return "Windows 98";
        if (build > 1998 && build < 2183)
            return "Windows 98 SP1";
        if (build >= 2183)
            return "Windows 98 SE";
        return UnknownWindowsVersion;
    }
    if (minor == 90)
        return "Windows ME";
    return UnknownWindowsVersion;
}

std::string ClassifyNt(std::uint32_t major, std::uint32_t minor)
{
    if (major == 3 && minor == 51)
        return "Windows NT 3.51";
    if (major == 4 && minor == 0)
        return "Windows NT 4";
    if (major == 5 && minor == 0)
        return "Windows 2000";
    if (major == 5 && minor == 1)
        return "Windows XP";
    if (major == 6)
        return "Vista";
    return UnknownWindowsVersion;
}

} // namespace

std::string ClassifyWindowsVersion(const VersionRecord& record)
{
    // The 9x family keeps the version in the high half of the build number.
    const std::uint32_t build = record.build & 0xFFFFu;
    switch (record.platformId) {
    case 1: return ClassifyNineX(record.major, record.minor, build);
    case 2: return ClassifyNt(record.major, record.minor);
    case 3: return "Windows CE";
    default: return UnknownWindowsVersion;
    }
}

} // namespace telvorin
