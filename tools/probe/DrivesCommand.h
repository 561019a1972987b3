// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace telvorin::probe {

// `telvorin-probe drives [restore|watch [--wait SECONDS]]`: argv[1] is "drives". Lists the mapped drive
// letters as JSON lines, or mounts their shares again, once or for the rest of the session; see
// DrivesCommand.cpp.
int RunDrives(int argc, char** argv);

} // namespace telvorin::probe
