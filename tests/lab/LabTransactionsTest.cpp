// SPDX-License-Identifier: GPL-3.0-or-later
// Transactions over the lab: what the emulator received must match the request layouts
// byte for byte, requests leave only through the device's own link, and set requests
// move the device.

#include "LabTestUtil.h"

#include <gtest/gtest.h>

#include <QJsonArray>

using telvorin::lab::Lab;
using telvorin::lab::RecordedRequest;
using namespace labtest;
using LabTransactions = telvorin::lab::LabTest;

namespace {

using namespace telvorin::test;

std::string labConfig()
{
    return config({
        segment(
            "multicast",
            {device(
                "NEAR", "10.64.0.10",
                "\"key\": \"0014a5000010\", \"volumes\": [\"HDD_a\", \"HDD_b\"], \"domain\": \"HOMENET\", "
                "\"adminPassword\": \"\", \"dhcpAddresses\": [\"10.64.0.77\"]")}),
        segment("unicast",
                {device("FAR", "10.65.0.20",
                        "\"key\": \"0014a5000020\", \"domain\": \"FARNET\", \"adminPassword\": \"pw\", "
                        "\"codepage\": \"437\\u001b[2J\\nX\"")}),
    });
}

} // namespace

TEST_F(LabTransactions, RequestsMatchTheLayoutsAndSetsMoveTheDevice)
{
    ASSERT_TRUE(startLab(labConfig()));
    LiveProtocol live;
    auto& p = live.protocol;
    p.SearchDevices(3, 3);
    ASSERT_NE(live.find("10.64.0.10"), nullptr);
    lab().clearRequests();

    p.state.currentDeviceIp = "10.64.0.10";
    p.state.adminUser = "admin";
    p.state.adminPassword = "";
    EXPECT_NE(p.VerifyLogin(), 0);
    EXPECT_EQ(p.GetVolumeList(), 1);
    ASSERT_EQ(p.volumes.count(), 2);
    EXPECT_EQ(p.volumes[0].name.str(), "HDD_a");
    EXPECT_EQ(p.volumes[1].name.str(), "HDD_b");
    p.state.domain.clear();
    EXPECT_EQ(p.GetDomain(), 1);
    EXPECT_EQ(p.state.domain.str(), "HOMENET");
    p.state.newNetmask = "255.255.255.0";
    p.state.newGateway = "10.64.0.254";
    p.state.writeModeValue = "rw";
    p.SetWriteMode(); // callers ignore its result

    // DHCP: the device moves to its next address; the record and currentDeviceIp follow.
    EXPECT_EQ(p.SetDhcp(), 1);
    EXPECT_EQ(p.state.currentDeviceIp.str(), "10.64.0.77");
    ASSERT_NE(live.find("10.64.0.77"), nullptr);

    // Static: the next request already carries the moved address.
    p.state.newIp = "10.64.0.88";
    p.state.newNetmask = "255.255.0.0";
    p.state.newGateway = "10.64.0.1";
    EXPECT_EQ(p.SetStaticIp(), 1);
    EXPECT_EQ(p.state.currentDeviceIp.str(), "10.64.0.88");
    const auto* moved = live.find("10.64.0.88");
    ASSERT_NE(moved, nullptr);
    EXPECT_EQ(moved->gatewayText.str(), "10.64.0.1");
    lab().leavePc();

    const auto id = p.clientId;
    const Bytes at10 = DeviceIdBytes("0014a5000010", "10.64.0.10");
    const Bytes at77 = DeviceIdBytes("0014a5000010", "10.64.0.77");
    const std::vector<Bytes> expected = {
        LoginRequestBytes(id, at10, "admin", ""),
        GetRequestBytes(id, at10, 3),
        GetRequestBytes(id, at10, 18),
        SetRequestBytes(id, at10, 10, "255.255.255.0", "10.64.0.254", "rw"),
        SetRequestBytes(id, at10, 2, "", "", ""),
        SetRequestBytes(id, at77, 1, "255.255.0.0", "10.64.0.1", "10.64.0.88"),
    };
    const std::vector<Bytes> got = lab().bytesFor("NEAR");
    ASSERT_EQ(got.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(got[i], expected[i]) << "request " << i;

    telvorin::lab::DeviceState state;
    ASSERT_TRUE(lab().deviceState("NEAR", &state));
    EXPECT_EQ(state.ip, "10.64.0.88");
    EXPECT_EQ(state.netmask, "255.255.0.0");
    EXPECT_EQ(state.gateway, "10.64.0.1");
    EXPECT_EQ(state.writeMode, "rw");
    EXPECT_FALSE(state.dhcp);
}

TEST_F(LabTransactions, ARequestLeavesOnlyThroughItsDevicesLink)
{
    ASSERT_TRUE(startLab(labConfig()));
    LiveProtocol live;
    auto& p = live.protocol;
    p.SearchDevices(3, 3);
    const auto* far = live.find("10.65.0.20");
    ASSERT_NE(far, nullptr);
    EXPECT_EQ(far->interfaceIndex, 1);
    lab().clearRequests();

    p.state.currentDeviceIp = "10.65.0.20";
    p.state.domain.clear();
    EXPECT_EQ(p.GetDomain(), 1);
    EXPECT_EQ(p.state.domain.str(), "FARNET");
    p.state.adminUser = "admin";
    p.state.adminPassword = "wrong";
    EXPECT_EQ(p.VerifyLogin(), 0);
    p.state.adminPassword = "pw";
    EXPECT_NE(p.VerifyLogin(), 0);
    lab().leavePc();

    EXPECT_TRUE(lab().requests(0).empty()) << "a request for segment 1's device reached segment 0";
    const auto onB = lab().requests(1);
    ASSERT_EQ(onB.size(), 3u);
    for (const RecordedRequest& r : onB) {
        EXPECT_EQ(r.device, "FAR");
        EXPECT_EQ(r.fromAddress, lab().segments()[1].pcAddress);
    }
    EXPECT_EQ(onB[0].bytes, GetRequestBytes(p.clientId, DeviceIdBytes("0014a5000020", "10.65.0.20"), 18));
}

TEST_F(LabTransactions, ProbeReadsValuesFromTheDevice)
{
    ASSERT_TRUE(startLab(labConfig()));
    struct Row {
        std::vector<std::string> args;
        int status;
        std::string out;
    };
    const Row rows[] = {
        {{"volumes", "10.64.0.10"}, 0, "[\"HDD_a\",\"HDD_b\"]"},
        {{"get", "10.65.0.20", "domain"}, 0, "FARNET"},
        {{"get", "10.64.0.10", "codepage"}, 0, "850"},
        // A device's control bytes reach the terminal escaped, on the one line.
        {{"get", "10.65.0.20", "codepage"}, 0, "437\\x1b[2J\\x0aX"},
        {{"get", "10.64.0.99", "domain"}, 1, ""}, // nobody there
    };
    for (const Row& row : rows) {
        std::vector<std::string> argv{probePath()};
        argv.insert(argv.end(), row.args.begin(), row.args.end());
        std::string out;
        EXPECT_EQ(Lab::runCommand(argv, &out), row.status) << row.args[0];
        // Whitespace in the probe's JSON is its own business.
        std::string compact;
        for (char c : out) {
            if (c != ' ' && c != '\n')
                compact.push_back(c);
        }
        EXPECT_EQ(compact, row.out) << row.args[0] << " " << row.args[1];
    }
}
