// SPDX-License-Identifier: GPL-3.0-or-later
// main() for lab tests: a lab that cannot be built here (no root, no samba) makes the
// whole executable report itself skipped (77), never passed.
#include "Lab.h"

#include <gtest/gtest.h>

#include <cstdio>

#ifdef TELVORIN_LAB_GUI_MAIN
#include <QApplication>
#endif

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    std::string why;
    if (!telvorin::lab::Lab::available(&why)) {
        std::printf("SKIPPED: the lab is not available here: %s\n", why.c_str());
        return 77;
    }
#ifdef TELVORIN_LAB_GUI_MAIN
    QApplication app(argc, argv);
#endif
    return RUN_ALL_TESTS();
}
