// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/VersionNames.h"

#include <gtest/gtest.h>

namespace telvorin {
namespace {

struct VersionRow {
    VersionRecord record;
    const char* name;
};

TEST(WindowsVersion, ClassifiesAtTheTableBoundaries)
{
    const VersionRow rows[] = {
        {{1, 4, 0, 949}, "unknown Windows version"},
        {{1, 4, 0, 950}, "Windows 95"},
        {{1, 4, 0, 951}, "Windows 95 SP1"},
        {{1, 4, 0, 1080}, "Windows 95 SP1"},
        {{1, 4, 0, 1081}, "Windows 95 OSR2"},
        {{1, 4, 9, 1081}, "Windows 95 OSR2"},
        {{1, 4, 10, 1997}, "unknown Windows version"},
        {{1, 4, 10, 1998}, "Windows 98"},
        {{1, 4, 10, 1999}, "Windows 98 SP1"},
        {{1, 4, 10, 2182}, "Windows 98 SP1"},
        {{1, 4, 10, 2183}, "Windows 98 SE"},
        {{1, 4, 11, 2183}, "unknown Windows version"},
        {{1, 4, 90, 0}, "Windows ME"},
        {{1, 5, 0, 950}, "unknown Windows version"},
        // The 9x family keeps its version in the high half of the build number.
        {{1, 4, 10, 0x040A0000u | 2222u}, "Windows 98 SE"},
        {{1, 4, 0, 0x04000000u | 950u}, "Windows 95"},
        {{2, 3, 51, 1057}, "Windows NT 3.51"},
        {{2, 3, 50, 0}, "unknown Windows version"},
        {{2, 4, 0, 1381}, "Windows NT 4"},
        {{2, 4, 1, 0}, "unknown Windows version"},
        {{2, 5, 0, 2195}, "Windows 2000"},
        {{2, 5, 1, 2600}, "Windows XP"},
        {{2, 5, 2, 3790}, "unknown Windows version"},
        {{2, 6, 0, 6000}, "Vista"},
        {{2, 6, 3, 9600}, "Vista"},
        {{2, 7, 0, 0}, "unknown Windows version"},
        {{2, 10, 0, 19045}, "unknown Windows version"},
        {{3, 0, 0, 0}, "Windows CE"},
        {{3, 99, 99, 99}, "Windows CE"},
        {{0, 4, 0, 950}, "unknown Windows version"},
        {{4, 6, 0, 0}, "unknown Windows version"},
    };
    for (const VersionRow& row : rows) {
        const VersionRecord& r = row.record;
        EXPECT_EQ(ClassifyWindowsVersion(r), row.name) << "platform " << r.platformId << " version "
                                                       << r.major << "." << r.minor << " build " << r.build;
    }
}

} // namespace
} // namespace telvorin
