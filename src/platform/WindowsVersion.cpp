// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/WindowsVersion.h"

namespace telvorin {

int GetWindowsVersionName(std::string& name)
{
    // Linux has no such version record: callers take their paths for other versions.
    name = UnknownWindowsVersion;
    return 0;
}

} // namespace telvorin
