// SPDX-License-Identifier: GPL-3.0-or-later
// A device that is found but never answers: each transaction gives up after its poll
// budget on the real clock (generous bounds around the nominal waits).

#include "LabTestUtil.h"

#include <gtest/gtest.h>

#include <chrono>

using telvorin::lab::Lab;
using namespace labtest;
using LabTiming = telvorin::lab::LabTest;

TEST_F(LabTiming, TransactionsAgainstASilentDeviceEndOnTime)
{
    ASSERT_TRUE(startLab(
        config({segment("multicast", {device("MUTE", "10.64.0.10", "\"answers\": \"search-only\"")})})));
    LiveProtocol live;
    auto& p = live.protocol;
    p.SearchDevices(3, 3);
    ASSERT_NE(live.find("10.64.0.10"), nullptr);
    p.state.currentDeviceIp = "10.64.0.10";
    p.state.adminUser = "admin";
    p.state.newIp = "10.64.0.11";

    struct Row {
        const char* name;
        int (telvorin::Protocol::*run)();
        double nominal; // seconds
    };
    const Row rows[] = {
        {"VerifyLogin (11 polls)", &telvorin::Protocol::VerifyLogin, 1.1},
        {"GetDomain (flush + 21 polls)", &telvorin::Protocol::GetDomain, 2.3},
        {"SetStaticIp (101 polls)", &telvorin::Protocol::SetStaticIp, 11.0},
    };
    for (const Row& row : rows) {
        const auto start = std::chrono::steady_clock::now();
        const int result = (p.*row.run)();
        const double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        EXPECT_EQ(result, 0) << row.name;
        EXPECT_GT(seconds, row.nominal * 0.85) << row.name;
        EXPECT_LT(seconds, row.nominal + 1.5) << row.name;
        std::printf("%s: %.2f s\n", row.name, seconds);
    }
    lab().leavePc();
    // Each was sent exactly once and received by the device.
    EXPECT_EQ(lab().requestsFor("MUTE").size(), 3u);
}
