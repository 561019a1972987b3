// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "rules/VersionNames.h"

#include <string>

namespace telvorin {

// Writes the running system's version name into `name`; 1 when the version record was
// read, 0 otherwise. On Linux there is no such record: "unknown Windows version", 0.
int GetWindowsVersionName(std::string& name);

} // namespace telvorin
