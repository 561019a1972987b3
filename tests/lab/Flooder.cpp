// SPDX-License-Identifier: GPL-3.0-or-later
// telvorin-lab-flood: floods the protocol port of one address with datagrams, for the
// lab's flood test. Run it inside a lab segment's namespace (ip netns exec); it refuses
// to run where any link is not the lab's.
//
//   telvorin-lab-flood TARGET CLIENT_ID_HEX SECONDS RATE ADDRESSES
//
// A quarter of the datagrams carry wrong opcodes, a quarter are replies for other
// clients, and half are replies for CLIENT_ID (search replies, then get and set replies)
// from ADDRESSES different device addresses in turn. Prints "sent=N seconds=S" at the end.

#include "lab/LabLinks.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <array>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

bool ParseClientId(const char* hex, std::array<std::uint8_t, 6>& out)
{
    if (std::strlen(hex) != 12)
        return false;
    for (std::size_t i = 0; i < 6; ++i) {
        const std::string pair(hex + 2 * i, 2);
        char* end = nullptr;
        out[i] = static_cast<std::uint8_t>(std::strtoul(pair.c_str(), &end, 16));
        if (*end != '\0')
            return false;
    }
    return true;
}

// Datagram k of the stream.
Bytes Datagram(std::uint64_t k, const std::array<std::uint8_t, 6>& ours, std::uint32_t addresses)
{
    Bytes b(80, 0);
    const std::uint64_t kind = k % 4; // 0 wrong opcode, 1 another client's, 2 and 3 ours
    const std::uint64_t n = k / 4;
    static const std::uint8_t wrongOpcodes[] = {0, 1, 3, 5, 8, 255};
    static const std::uint8_t replyOpcodes[] = {2, 4, 6, 7};
    if (kind == 0) {
        b[0] = wrongOpcodes[n % sizeof wrongOpcodes];
    } else {
        static const std::uint8_t otherReplies[] = {4, 6};
        b[0] = kind == 1 ? replyOpcodes[n % sizeof replyOpcodes] : kind == 2 ? 2 : otherReplies[n % 2];
    }
    for (std::size_t i = 0; i < 6; ++i)
        b[1 + i] = kind >= 2 ? ours[i] : static_cast<std::uint8_t>(ours[i] ^ (1 + n % 255));
    // A device address out of 10.200.0.0/16, a different one for each of ADDRESSES.
    const std::uint32_t a = static_cast<std::uint32_t>(n % addresses);
    b[17] = 10;
    b[18] = static_cast<std::uint8_t>(200 + (a >> 16));
    b[19] = static_cast<std::uint8_t>(a >> 8);
    b[20] = static_cast<std::uint8_t>(a);
    b[21] = '0';
    std::memcpy(&b[24], "255.255.0.0", 11);
    b[56] = 5; // name length
    std::memcpy(&b[60], "flood", 5);
    if (b[0] == 7) {
        b[56] = 3;
        b[57] = 3;
    }
    return b;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 6) {
        std::fprintf(stderr, "usage: telvorin-lab-flood TARGET CLIENT_ID_HEX SECONDS RATE ADDRESSES\n");
        return 2;
    }
    if (!telvorin::lab::OnlyLabLinks()) {
        std::fprintf(stderr, "telvorin-lab-flood: run it inside a lab segment's namespace\n");
        return 2;
    }
    std::array<std::uint8_t, 6> ours{};
    sockaddr_in target{};
    target.sin_family = AF_INET;
    target.sin_port = htons(13579);
    const double seconds = std::atof(argv[3]);
    const long rate = std::atol(argv[4]);
    const long addresses = std::atol(argv[5]);
    if (inet_pton(AF_INET, argv[1], &target.sin_addr) != 1 || !ParseClientId(argv[2], ours) || seconds <= 0 ||
        rate <= 0 || addresses <= 0) {
        std::fprintf(stderr, "telvorin-lab-flood: bad arguments\n");
        return 2;
    }
    const int s = socket(AF_INET, SOCK_DGRAM, 0);
    if (s < 0) {
        std::perror("socket");
        return 1;
    }

    // Batches every millisecond, each as large as the rate asks for by then.
    using clock = std::chrono::steady_clock;
    const auto start = clock::now();
    std::uint64_t sent = 0;
    std::uint64_t k = 0;
    for (;;) {
        const double elapsed = std::chrono::duration<double>(clock::now() - start).count();
        if (elapsed >= seconds)
            break;
        const auto due = static_cast<std::uint64_t>(elapsed * static_cast<double>(rate));
        while (sent < due) {
            const Bytes b = Datagram(k++, ours, static_cast<std::uint32_t>(addresses));
            if (sendto(s, b.data(), b.size(), 0, reinterpret_cast<const sockaddr*>(&target), sizeof target) <
                0)
                break; // a full buffer: the next batch tries again
            ++sent;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    const double elapsed = std::chrono::duration<double>(clock::now() - start).count();
    std::printf("sent=%llu seconds=%.3f\n", static_cast<unsigned long long>(sent), elapsed);
    close(s);
    return 0;
}
