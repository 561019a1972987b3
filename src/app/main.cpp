// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/TelvorinApp.h"

#include <cstdio>
#include <exception>

int main(int argc, char** argv)
{
    // Whatever escapes the window is reported, never left to terminate() without a word.
    try {
        telvorin::TelvorinApp app(argc, argv);
        return app.InitInstance();
    } catch (const std::exception& error) {
        std::fprintf(stderr, "telvorin: stopped by an unexpected error: %s\n", error.what());
    } catch (...) {
        std::fprintf(stderr, "telvorin: stopped by an unexpected error\n");
    }
    return 1;
}
