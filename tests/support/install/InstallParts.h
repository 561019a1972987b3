// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Everything an install runs over, in memory: the selected device, its share, the device
// files, the install flags and the local staging folder.

#include "flows/OneDevice.h"
#include "install/InstallState.h"
#include "install/LocalStaging.h"
#include "install/MemoryShare.h"

#include <utility>

namespace telvorin::test {

struct InstallParts : SelectedDevice {
    explicit InstallParts(FakeDevice device)
        : SelectedDevice(std::move(device))
    {
    }

    MemoryShare share;
    MemoryDeviceFiles files = MemoryDeviceFiles::complete();
    InstallState state;
    install::LocalStaging staging;
};

} // namespace telvorin::test
