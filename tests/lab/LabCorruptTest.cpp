// SPDX-License-Identifier: GPL-3.0-or-later
// Malformed replies from devices (short, truncated, oversized, impossible lengths)
// never crash the library or the probe; well-formed devices beside them are still found.

#include "LabTestUtil.h"

#include <gtest/gtest.h>

#include <QJsonArray>

using telvorin::lab::Lab;
using namespace labtest;
using LabCorrupt = telvorin::lab::LabTest;

namespace {

const char* const modes[] = {"short", "truncated", "oversized", "wrong-lengths"};

std::string labConfig()
{
    std::vector<std::string> plain;
    std::vector<std::string> extended;
    int n = 10;
    for (const char* mode : modes) {
        const std::string m = std::string("\"corrupt\": \"") + mode + "\", \"volumes\": [\"HDD_a\"]";
        plain.push_back(device(std::string("BAD-") + mode, "10.64.0." + std::to_string(n), m));
        extended.push_back(device(std::string("XBAD-") + mode, "10.65.0." + std::to_string(n),
                                  m + ", \"extended\": true, \"selectors\": [3, 3]"));
        ++n;
    }
    plain.push_back(device("GOOD", "10.64.0.100", "\"volumes\": [\"HDD_a\"]"));
    extended.push_back(device("XGOOD", "10.65.0.100", "\"extended\": true, \"selectors\": [3, 3]"));
    return config({segment("multicast", plain), segment("unicast", extended)});
}

} // namespace

TEST_F(LabCorrupt, MalformedRepliesAreSurvived)
{
    ASSERT_TRUE(startLab(labConfig()));
    {
        LiveProtocol live;
        auto& p = live.protocol;
        p.SearchDevices(3, 3);
        EXPECT_NE(live.find("10.64.0.100"), nullptr);
        EXPECT_NE(live.find("10.65.0.100"), nullptr);
        for (const auto& d : p.devices) {
            EXPECT_LE(d.name.size(), 255u);
            EXPECT_LE(d.netmaskText.size(), 15u);
            EXPECT_LE(d.gatewayText.size(), 15u);
        }
        // Gets against each corrupting device; whatever they return, values stay in bounds.
        for (int n = 10; n < 14; ++n) {
            for (const char* prefix : {"10.64.0.", "10.65.0."}) {
                p.state.currentDeviceIp = prefix + std::to_string(n);
                if (!p.FindDeviceByIp(p.state.currentDeviceIp.view()))
                    continue; // its search reply was unreadable
                p.state.domain.clear();
                p.GetDomain();
                EXPECT_LE(p.state.domain.size(), 127u);
                p.GetVolumeList();
                for (const auto& v : p.volumes)
                    EXPECT_LE(v.name.size(), 131u);
            }
        }
    }

    std::string out;
    ASSERT_EQ(Lab::runCommand({probePath(), "search"}, &out), 0);
    bool valid = false;
    const auto lines = jsonLines(out, &valid);
    EXPECT_TRUE(valid) << out;
    EXPECT_GE(lines.size(), 2u);
    for (int n = 10; n < 14; ++n) {
        const std::string ip = "10.64.0." + std::to_string(n);
        std::string ignored;
        const int status = Lab::runCommand({probePath(), "get", ip, "domain"}, &ignored);
        EXPECT_TRUE(status == 0 || status == 1) << ip << " status " << status;
    }
    lab().leavePc();
}
