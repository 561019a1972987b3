// SPDX-License-Identifier: GPL-3.0-or-later
// A flood of tens of thousands of datagrams a second on a real segment, during a search
// and during a transaction: wrong opcodes, other clients' replies, and replies for our
// client naming thousands of addresses, all from one flooding host. Each still ends
// within its bound, the host gets its few records and no more, and real devices on
// flooded segments are listed. Prints the figures.

#include "LabTestUtil.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>

using telvorin::lab::Lab;
using namespace labtest;
using LabFlood = telvorin::lab::LabTest;

namespace {

// The flooder in a segment's namespace, in the background until it ends by itself.
class Flood {
public:
    Flood(const Lab& lab, int segment, const telvorin::ClientId& id, double seconds, int rate, int addresses)
        : out_(lab.dir() + "/flood-" + std::to_string(segment) + ".out")
    {
        char hex[13];
        std::snprintf(hex, sizeof hex, "%02x%02x%02x%02x%02x%02x", id[0], id[1], id[2], id[3], id[4], id[5]);
        const auto& seg = lab.segments()[static_cast<std::size_t>(segment)];
        const std::vector<std::string> argv = {"ip",
                                               "netns",
                                               "exec",
                                               seg.namespaceName,
                                               TELVORIN_LAB_FLOODER,
                                               seg.pcAddress,
                                               hex,
                                               std::to_string(seconds),
                                               std::to_string(rate),
                                               std::to_string(addresses)};
        pid_ = fork();
        if (pid_ == 0) {
            const int fd = open(out_.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
            dup2(fd, 1);
            std::vector<char*> args;
            for (const std::string& a : argv)
                args.push_back(const_cast<char*>(a.c_str()));
            args.push_back(nullptr);
            execvp(args[0], args.data());
            _exit(127);
        }
    }
    ~Flood() { finish(); }

    // Waits for the flooder; its "sent=N seconds=S" line.
    std::string finish()
    {
        if (pid_ > 0) {
            int status = 0;
            waitpid(pid_, &status, 0);
            pid_ = -1;
        }
        return telvorin::lab::ReadFile(out_);
    }

private:
    std::string out_;
    pid_t pid_ = -1;
};

double SecondsSince(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

} // namespace

TEST_F(LabFlood, SearchAndTransactionEndInTimeAndTheFloodingHostIsCutOff)
{
    ASSERT_TRUE(startLab(
        config({segment("multicast", {device("REAL", "10.64.0.10", "\"domain\": \"WORKGROUP\"")})})));
    LiveProtocol pc;
    telvorin::Protocol& p = pc.protocol;
    p.SearchDevices(3, 3);
    ASSERT_EQ(p.devices.count(), 1);
    p.state.currentDeviceIp = "10.64.0.10";

    const int rate = 30000;
    Flood flood(lab(), 0, p.clientId, 7.0, rate, 20000);
    pc.clock.sleepMs(500); // the flood fills the receive buffer first

    // A get transaction: 11 flush polls, 21 polls; the cut-off adds at most a second.
    auto start = std::chrono::steady_clock::now();
    p.state.domain.clear();
    const int result = p.GetDomain();
    const double transactionSeconds = SecondsSince(start);

    start = std::chrono::steady_clock::now();
    p.SearchDevices(3, 3);
    const double searchSeconds = SecondsSince(start);
    const int kept = p.devices.count();

    const std::string sent = flood.finish();
    std::printf("flood: %s", sent.c_str());
    std::printf("flood: transaction %.3f s (result %d), search %.3f s, %d records kept\n", transactionSeconds,
                result, searchSeconds, kept);

    EXPECT_LT(transactionSeconds, 2.32 + 1.0 + 0.5);
    EXPECT_LT(searchSeconds, 1.04 + 1.0 + 0.5);
    // 20000 addresses were on offer from one host: it is cut off at its bound, said once.
    EXPECT_LE(kept, 1 + telvorin::Protocol::MaxRecordsPerSender);
    EXPECT_NE(pc.lines.find("answered for 16 devices"), std::string::npos) << pc.lines;
    EXPECT_EQ(pc.lines.find("answered for 16 devices"), pc.lines.rfind("answered for 16 devices"));
    unsigned long long count = 0;
    ASSERT_EQ(std::sscanf(sent.c_str(), "sent=%llu", &count), 1) << sent;
    EXPECT_GT(count, 20000u) << "the flood was too thin to show anything";
}

// A flood uses up a window's polls faster than silence does, so the late devices answer
// well within the shortest window.
TEST_F(LabFlood, AFloodingHostOnEachOfTwoSegmentsHidesNoRealDevice)
{
    ASSERT_TRUE(startLab(config({
        segment("multicast",
                {device("REAL-A", "10.64.0.10"), device("LATE-A", "10.64.0.11", "\"delayMs\": 400")}),
        segment("unicast",
                {device("REAL-B", "10.65.0.10"), device("LATE-B", "10.65.0.11", "\"delayMs\": 500")}),
    })));
    LiveProtocol pc;
    telvorin::Protocol& p = pc.protocol;
    ASSERT_EQ(p.interfaces.count, 2);
    Flood first(lab(), 0, p.clientId, 3.0, 15000, 20000);
    Flood second(lab(), 1, p.clientId, 3.0, 15000, 20000);
    pc.clock.sleepMs(200);

    const auto start = std::chrono::steady_clock::now();
    p.SearchDevices(3, 3);
    const double searchSeconds = SecondsSince(start);
    const std::string sent = first.finish() + second.finish();
    std::printf("floods: %s", sent.c_str());
    std::printf("floods on two segments: search %.3f s, %d records\n", searchSeconds, p.devices.count());

    for (const char* ip : {"10.64.0.10", "10.64.0.11", "10.65.0.10", "10.65.0.11"})
        EXPECT_TRUE(p.FindDeviceByIp(ip)) << ip << " hidden by the flood";
    EXPECT_LE(p.devices.count(), 4 + 2 * telvorin::Protocol::MaxRecordsPerSender);
    EXPECT_LT(searchSeconds, 1.04 + 1.0 + 0.5);
    // One line for each flooding host, on its own interface.
    for (const auto& seg : lab().segments())
        EXPECT_NE(pc.lines.find("search on " + seg.pcAddress), std::string::npos) << pc.lines;
    EXPECT_EQ(std::count(pc.lines.begin(), pc.lines.end(), '\n'), 2) << pc.lines;
}
