// SPDX-License-Identifier: GPL-3.0-or-later
// main() for widget tests that need no lab: a QApplication around the test run.
#include "ui/Colours.h"

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    // The program's look, so tests and renders see what a user sees.
    telvorin::ApplyColourScheme(app);
    return RUN_ALL_TESTS();
}
