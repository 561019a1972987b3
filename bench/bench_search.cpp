// SPDX-License-Identifier: GPL-3.0-or-later
// telvorin-bench-search: times full searches through the real transport and prints
// the devices found and the seconds taken. Runs only inside a lab's pc namespace
// (bench/run.sh starts it there).

#include "lab/LabLinks.h"
#include "protocol/PosixSocketLayer.h"
#include "protocol/Protocol.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

} // namespace

int main(int argc, char** argv)
{
    const int rounds = argc > 1 ? std::atoi(argv[1]) : 3;
    const char* label = argc > 2 ? argv[2] : "";
    if (!telvorin::lab::OnlyLabLinks()) {
        std::fprintf(stderr, "telvorin-bench-search: run it inside a lab namespace (bench/run.sh)\n");
        return 2;
    }
    telvorin::PosixSocketLayer sockets;
    telvorin::SteadyClock clock;
    telvorin::Protocol protocol(sockets, clock, nullptr);
    protocol.OpenTransport();
    for (int round = 0; round < rounds; ++round) {
        const auto start = std::chrono::steady_clock::now();
        protocol.SearchDevices(3, 3);
        const double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        std::printf("%s interfaces=%d round=%d found=%d seconds=%.3f\n", label, protocol.interfaces.count,
                    round + 1, protocol.devices.count(), seconds);
        std::fflush(stdout);
    }
    protocol.CloseTransport();
    return 0;
}
