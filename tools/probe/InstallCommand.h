// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace telvorin::probe {

// telvorin-probe install codepage IP CODEPAGE | install bt IP: the install the language
// and package buttons make, without a window and without the restart wait. Prints one
// JSON line per file written; exit 0 installed, 1 failed ("stop" sent) or device not
// found, 2 bad arguments, 3 device files missing (nothing sent), 4 every file written but
// the device did not answer the announcement, 128 + the signal number after SIGINT,
// SIGTERM or SIGHUP (the write ended, "stop" sent). Anything but 0 leaves one line on
// stderr.
int RunInstallCommand(int argc, char** argv);

} // namespace telvorin::probe
