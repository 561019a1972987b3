// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/WindowsVersion.h"

#include <gtest/gtest.h>

namespace telvorin {
namespace {

TEST(WindowsVersion, LinuxHasNoVersionRecord)
{
    std::string name = "stale";
    EXPECT_EQ(GetWindowsVersionName(name), 0);
    EXPECT_EQ(name, "unknown Windows version");
}

} // namespace
} // namespace telvorin
