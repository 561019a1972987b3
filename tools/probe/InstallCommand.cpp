// SPDX-License-Identifier: GPL-3.0-or-later
#include "InstallCommand.h"

#include "Json.h"
#include "install/InstallSequence.h"
#include "platform/DeviceFiles.h"
#include "platform/SmbShareWriter.h"
#include "platform/TerminationSignals.h"
#include "protocol/PosixSocketLayer.h"
#include "protocol/Protocol.h"

#include <arpa/inet.h>

#include <algorithm>
#include <atomic>
#include <cinttypes>
#include <cstdio>
#include <string>
#include <string_view>

namespace telvorin::probe {

namespace {

int fail(int code, std::string reason)
{
    std::replace(reason.begin(), reason.end(), '\n', ' ');
    std::fprintf(stderr, "telvorin-probe: %s\n", reason.c_str());
    return code;
}

std::string Canonical(const char* text)
{
    in_addr a{};
    if (inet_pton(AF_INET, text, &a) != 1)
        return {};
    char out[INET_ADDRSTRLEN] = {};
    inet_ntop(AF_INET, &a, out, sizeof out);
    return out;
}

} // namespace

int RunInstallCommand(int argc, char** argv)
{
    using namespace telvorin::install;
    const std::string_view what = argc >= 3 ? argv[2] : "";
    const bool package = what == "bt";
    if (!(package && argc == 4) && !(what == "codepage" && argc == 5))
        return fail(2, "usage: telvorin-probe install codepage IP CODEPAGE | install bt IP");
    const std::string address = Canonical(argv[3]);
    if (address.empty())
        return fail(2, std::string("not an address: ") + argv[3]);
    InstallState state;
    if (!package) {
        state.CodepageIndex = CodepageIndexOf(argv[4]);
        if (state.CodepageIndex < 0)
            return fail(2, std::string("unknown codepage ") + argv[4] +
                               " (one of 950, 936, 850, 865, 852, 857, 949, 866, 932)");
    }
    state.BtInstallMode = package ? 1 : 0;
    const InstallMode mode = ModeFor(state);

    XdgDeviceFiles files;
    if (const std::string missing = CheckDeviceFiles(files, mode, state.CodepageIndex); !missing.empty())
        return fail(3, missing);

    // From here on a termination request ends the install in order rather than the
    // process at once: the device must not be left in write mode.
    CatchTerminationSignals();
    const std::atomic<int>& signal = TerminationSignal();
    auto interrupted = [&](const std::string& what) {
        return fail(128 + signal.load(),
                    std::string("interrupted by ") + TerminationSignalName(signal.load()) + ": " + what);
    };

    PosixSocketLayer sockets;
    SteadyClock clock;
    Protocol protocol(sockets, clock, nullptr);
    protocol.OpenTransport();
    protocol.SearchDevices(3, 3);
    if (signal.load() != 0)
        return interrupted("nothing was sent to the device");
    if (!protocol.FindDeviceByIp(address))
        return fail(1, "device " + address + " not found");
    protocol.state.currentDeviceIp = address;

    SmbShareWriter share;
    LocalStaging staging;
    InstallContext context{protocol, share, files, state, staging, clock, &signal};
    const InstallReport report = RunInstall(context, mode, address, [](const WrittenFile& w) {
        std::printf("{\"file\":%s,\"bytes\":%" PRIu64 ",\"ms\":%" PRId64 ",\"transferMs\":%" PRId64 "}\n",
                    JsonString(w.path).c_str(), w.bytes, w.ms, w.transferMs);
        std::fflush(stdout);
    });
    protocol.CloseTransport();
    const std::string stopped =
        report.stop == StopAnswer::Unconfirmed
            ? "the device did not confirm that it stopped and may still be in write mode"
            : "the device was told to stop";
    switch (report.outcome) {
    case InstallOutcome::Installed: return 0;
    case InstallOutcome::Unconfirmed: return fail(4, "every file was written, but " + report.detail);
    case InstallOutcome::FilesMissing: return fail(3, report.detail);
    case InstallOutcome::Cancelled:
        return interrupted(report.stop == StopAnswer::NotSent ? "nothing was sent to the device"
                                                              : "the write was ended, " + stopped);
    case InstallOutcome::Failed: break;
    }
    return fail(1, "install failed, " + stopped + ": " + report.detail);
}

} // namespace telvorin::probe
