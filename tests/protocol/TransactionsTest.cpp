// SPDX-License-Identifier: GPL-3.0-or-later
// Transactions over the in-memory network: requests sent, replies matched, results kept.

#include "Harness.h"

#include <functional>

using namespace telvorin;
using namespace telvorin::test;

namespace {

// Device A on segment 0, device B on segment 1; B is selected.
struct Lan {
    Harness h;
    Protocol& p = h.protocol;
    Lan()
    {
        FakeDevice a = Device("alpha", {10, 0, 0, 32});
        FakeDevice b = Device("beta", {10, 0, 1, 33});
        b.segments = {1};
        b.key = {1, 2, 3, 4, 5, 6};
        b.values = {{ItemCodepageGet, "865"}, {ItemShareName, "HDD_a"},  {ItemIdeState, "5"},
                    {ItemBtFirmware, "1"},    {ItemDomain, "WORKGROUP"}, {ItemVolumeList, "HDD_a:HDD_1"}};
        b.dhcpAddress = {10, 0, 1, 77};
        h.net.addDevice(a);
        h.net.addDevice(b);
        h.open({"10.0.0.10", "10.0.1.10"});
        h.searchAndSelect("10.0.1.33");
    }
    FakeDevice& beta() { return h.net.device(1); }
    Bytes betaId() { return h.deviceId(beta()); }
};

using Call = int (Protocol::*)();

TEST(Transactions, SendOneRequestOfTheRightKindThroughTheDevicesInterface)
{
    struct Row {
        Call call;
        std::uint8_t opcode, item;
        std::size_t length;
        std::string value; // bytes from offset 60 (set) or 28 (login)
    };
    const std::vector<Row> rows = {
        {&Protocol::VerifyLogin, 3, 4, 35, std::string("admin\x55\xAA", 7)},
        {&Protocol::GetWorkgroup, 3, 6, 28, ""},
        {&Protocol::GetCodepage, 3, 9, 28, ""},
        {&Protocol::GetShareName, 3, 12, 28, ""},
        {&Protocol::GetVolumeList, 3, 3, 28, ""},
        {&Protocol::GetIdeState, 3, 11, 28, ""},
        {&Protocol::GetBtFirmware, 3, 15, 28, ""},
        {&Protocol::GetDomain, 3, 18, 28, ""},
        {&Protocol::SetDhcp, 5, 2, 60, ""},
        {&Protocol::SetStaticIp, 5, 1, 69, "10.0.1.50"},
        {&Protocol::SetItem5, 5, 5, 61, "5"},
        {&Protocol::SetWorkgroup, 5, 7, 62, "WG"},
        {&Protocol::SetCodepage, 5, 8, 63, "437"},
        {&Protocol::SetWriteMode, 5, 10, 62, "rw"},
        {&Protocol::SetStopMode, 5, 13, 64, "stop"},
        {&Protocol::SetPackage, 5, 14, 62, "BT"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(static_cast<int>(row.item));
        Lan lan;
        auto& s = lan.p.state;
        s.adminUser = "admin";
        s.newIp = "10.0.1.50";
        s.item5Value = "5";
        s.workgroup = "WG";
        s.codepage = "437";
        s.writeModeValue = "rw";
        s.stopValue = "stop";
        s.packageValue = "BT";
        EXPECT_NE((lan.p.*row.call)(), 0);
        ASSERT_EQ(lan.h.net.sent().size(), 1u);
        const auto& sent = lan.h.net.sent()[0];
        EXPECT_EQ(sent.iface, 1);
        EXPECT_EQ(sent.multicastInterface, "10.0.1.10");
        ASSERT_EQ(sent.bytes.size(), row.length);
        EXPECT_EQ(sent.bytes[0], row.opcode);
        EXPECT_EQ(sent.bytes[21], row.item);
        EXPECT_EQ(Bytes(sent.bytes.begin() + 11, sent.bytes.begin() + 21),
                  Bytes({1, 2, 3, 4, 5, 6, 10, 0, 1, 33}));
        const std::size_t valueAt = row.opcode == 5 ? 60 : 28;
        EXPECT_EQ(std::string(sent.bytes.begin() + static_cast<long>(valueAt), sent.bytes.end()), row.value);
    }
}

TEST(Transactions, GetRepliesFillTheirFieldsCutToCapacity)
{
    struct Row {
        Call call;
        std::uint8_t item;
        std::string value;
        std::function<std::string(const ProtocolState&)> field;
        std::string stored, diagnostic;
    };
    const std::string longText(300, 'x');
    const std::vector<Row> rows = {
        {&Protocol::GetCodepage, ItemCodepageGet, "865", [](auto& s) { return s.codepage.str(); }, "865",
         "codepage=865\n"},
        {&Protocol::GetWorkgroup, ItemWorkgroupGet, "WG", [](auto& s) { return s.workgroup.str(); }, "WG",
         "workgroup=WG\n"},
        {&Protocol::GetShareName, ItemShareName, longText, [](auto& s) { return s.shareName.str(); },
         std::string(19, 'x'), "sharename=" + longText + "\n"},
        {&Protocol::GetIdeState, ItemIdeState, "5", [](auto& s) { return s.ideState.str(); }, "5",
         "ideok=5\n"},
        {&Protocol::GetBtFirmware, ItemBtFirmware, "12345678", [](auto& s) { return s.btFirmware.str(); },
         "1234567", "bt_firmware=12345678\n"},
        {&Protocol::GetDomain, ItemDomain, "", [](auto& s) { return s.domain.str(); }, "", "domain=\n"},
        // The field keeps the device's bytes; the diagnostic line shows them escaped.
        {&Protocol::GetDomain, ItemDomain, "WG\x1b]0;x\x07\nfake=1", [](auto& s) { return s.domain.str(); },
         "WG\x1b]0;x\x07\nfake=1", "domain=WG\\x1b]0;x\\x07\\x0afake=1\n"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.diagnostic);
        Lan lan;
        lan.beta().values[row.item] = row.value;
        EXPECT_EQ((lan.p.*row.call)(), 1);
        EXPECT_EQ(row.field(lan.p.state), row.stored);
        EXPECT_EQ(lan.h.diagnostics(), row.diagnostic);
    }
}

TEST(Transactions, LoginResultIsTheSignedFirstValueByte)
{
    const std::vector<std::pair<std::uint8_t, int>> rows = {{1, 1}, {0, 0}, {0x80, -128}, {0x7F, 127}};
    for (const auto& [byte, result] : rows) {
        Lan lan;
        lan.p.state.adminUser = "admin";
        lan.p.state.adminPassword = "s3cret";
        lan.beta().loginByte = byte;
        EXPECT_EQ(lan.p.VerifyLogin(), result);
        EXPECT_EQ(lan.h.diagnostics().find("s3cret"), std::string::npos);
    }
}

TEST(Transactions, OnlyRepliesOfTheRightKindUsePolls)
{
    // VerifyLogin waits 11 polls. Foreign replies of its opcode use one poll each, other
    // datagrams and receive errors none.
    struct Row {
        const char* what;
        std::function<void(Lan&)> junk;
        int count;
        int expected;
    };
    auto foreignClient = [](Lan& l) {
        ClientId other = l.p.clientId;
        other[5] ^= 0xFF;
        l.h.net.deliver(1, GetReply(other, l.betaId(), "\x01"));
    };
    auto otherDevice = [](Lan& l) {
        Bytes id = l.betaId();
        id[9] = 34;
        l.h.net.deliver(1, GetReply(l.p.clientId, id, "\x01"));
    };
    auto wrongOpcode = [](Lan& l) {
        Bytes r = GetReply(l.p.clientId, l.betaId(), "\x01");
        r[0] = OpSetReply;
        l.h.net.deliver(1, r);
    };
    auto receiveError = [](Lan& l) { l.h.net.deliverError(1); };
    const std::vector<Row> rows = {
        {"foreign client, within the limit", foreignClient, 10, 1},
        {"foreign client, limit used up", foreignClient, 11, 0},
        {"other device, within the limit", otherDevice, 10, 1},
        {"other device, limit used up", otherDevice, 11, 0},
        {"wrong opcode", wrongOpcode, 200, 1},
        {"receive errors", receiveError, 200, 1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        Lan lan;
        lan.beta().silent = true;
        for (int i = 0; i < row.count; ++i)
            row.junk(lan);
        lan.h.net.deliver(1, GetReply(lan.p.clientId, lan.betaId(), "\x01"));
        EXPECT_EQ(lan.p.VerifyLogin(), row.expected);
    }
}

TEST(Transactions, VolumeListIsSplitAtColonsWithoutDuplicates)
{
    const std::vector<std::pair<std::string, std::vector<std::string>>> rows = {
        {"HDD_a:HDD_a::HDD_1", {"HDD_a", "HDD_1"}},
        {"", {}},
        {":::", {}},
        {"HDD_1:", {"HDD_1"}},
        {"Case:case", {"Case", "case"}},
        {std::string(140, 'v') + ":" + std::string(150, 'v'), {std::string(131, 'v')}},
    };
    for (const auto& [value, expected] : rows) {
        SCOPED_TRACE(value);
        Lan lan;
        lan.p.volumes.append("stale");
        lan.beta().values[ItemVolumeList] = value;
        EXPECT_EQ(lan.p.GetVolumeList(), 1);
        std::vector<std::string> got;
        for (const VolumeEntry& v : lan.p.volumes)
            got.push_back(v.name.str());
        EXPECT_EQ(got, expected);
    }
}

TEST(Transactions, UnknownDeviceSendsNothingButStillEmptiesTheVolumes)
{
    Lan lan;
    lan.p.volumes.append("HDD_a");
    lan.p.state.currentDeviceIp = "10.0.1.3";
    const auto before = lan.h.clock.nowMs();
    EXPECT_EQ(lan.p.GetVolumeList(), 0);
    EXPECT_EQ(lan.p.SetDhcp(), 0);
    EXPECT_EQ(lan.p.VerifyLogin(), 0);
    EXPECT_TRUE(lan.p.volumes.empty());
    EXPECT_TRUE(lan.h.net.sent().empty());
    EXPECT_EQ(lan.h.clock.nowMs(), before);
}

TEST(Transactions, FlushesDropLeftoverReplies)
{
    // A set reply left over from an earlier exchange must not be taken as the DHCP answer.
    Lan lan;
    lan.h.net.deliver(1, SetReply(lan.p.clientId, lan.beta().key, {10, 0, 1, 99}));
    EXPECT_EQ(lan.p.SetDhcp(), 1);
    EXPECT_EQ(lan.p.state.currentDeviceIp.str(), "10.0.1.77");

    // A late get reply of the same device must not be taken as the codepage.
    Lan late;
    late.h.net.deliver(1, GetReply(late.p.clientId, late.betaId(), "437"));
    EXPECT_EQ(late.p.GetCodepage(), 1);
    EXPECT_EQ(late.p.state.codepage.str(), "865");
}

TEST(Transactions, AddressChangesFollowTheDevice)
{
    Lan dhcp;
    dhcp.p.state.newNetmask = "255.0.0.0";
    EXPECT_EQ(dhcp.p.SetDhcp(), 1);
    const DeviceRecord& moved = dhcp.p.devices[1];
    EXPECT_EQ(moved.ipText.str(), "10.0.1.77");
    EXPECT_EQ(moved.netmaskText.str(), "255.255.255.0");
    EXPECT_EQ(moved.deviceId, (DeviceId{1, 2, 3, 4, 5, 6, 10, 0, 1, 77}));
    EXPECT_EQ(dhcp.p.GetDomain(), 1); // the next request names the new address
    EXPECT_EQ(dhcp.h.net.sent().back().bytes[20], 77);

    Lan fixed;
    fixed.p.state.newIp = "10.0.1.50";
    fixed.p.state.newNetmask = "255.255.0.0";
    fixed.p.state.newGateway = "10.0.0.1";
    EXPECT_EQ(fixed.p.SetStaticIp(), 1);
    const DeviceRecord& record = fixed.p.devices[1];
    EXPECT_EQ(record.ipText.str(), "10.0.1.50");
    EXPECT_EQ(record.netmaskText.str(), "255.255.0.0");
    EXPECT_EQ(record.gatewayText.str(), "10.0.0.1");
    EXPECT_EQ(record.deviceId, (DeviceId{1, 2, 3, 4, 5, 6, 10, 0, 1, 50}));
    EXPECT_EQ(fixed.p.state.currentDeviceIp.str(), "10.0.1.50");
    EXPECT_EQ(fixed.p.GetIdeState(), 1);
}

TEST(Transactions, SetRepliesMatchTheCurrentDevice)
{
    Lan lan;
    lan.p.state.newIp = "10.0.1.200"; // an address applied earlier must not matter
    EXPECT_EQ(lan.p.SetCodepage(), 1);

    Lan other;
    other.beta().silent = true;
    other.h.net.deliver(1, SetReply(other.p.clientId, other.beta().key, {10, 0, 1, 34}));
    EXPECT_EQ(other.p.SetPackage(), 0);
}

TEST(Transactions, SilentDeviceWaitsItsWholePollBudget)
{
    const std::vector<std::pair<Call, int>> rows = {
        {&Protocol::VerifyLogin, 1110}, {&Protocol::GetWorkgroup, 1170}, {&Protocol::GetIdeState, 2320},
        {&Protocol::SetDhcp, 11120},    {&Protocol::SetStaticIp, 11010}, {&Protocol::SetWriteMode, 1110},
    };
    for (const auto& [call, ms] : rows) {
        Lan lan;
        lan.beta().silent = true;
        const auto start = lan.h.clock.nowMs();
        EXPECT_EQ((lan.p.*call)(), 0);
        EXPECT_EQ(lan.h.clock.nowMs() - start, ms);
    }
}

TEST(Transactions, ALinkGoneSinceTheSearchFailsAtOnceWithoutSending)
{
    const std::vector<std::pair<const char*, std::function<void(FakeNetwork&)>>> rows = {
        {"link down", [](FakeNetwork& net) { net.setInterfaceUp(1, false); }},
        {"address renumbered", [](FakeNetwork& net) { net.setInterfaceAddress(1, "10.0.1.99"); }},
    };
    for (const auto& [what, change] : rows) {
        SCOPED_TRACE(what);
        Lan lan;
        change(lan.h.net);
        const auto start = lan.h.clock.nowMs();
        EXPECT_EQ(lan.p.GetShareName(), 0);
        EXPECT_EQ(lan.p.SetDhcp(), 0);
        EXPECT_TRUE(lan.h.net.sent().empty());
        EXPECT_EQ(lan.h.clock.nowMs(), start);
    }
}

TEST(Transactions, EndInBoundedTimeUnderAFlood)
{
    struct Flood {
        const char* what;
        std::function<Bytes(Lan&)> datagram; // empty: receive errors
    };
    const std::vector<Flood> floods = {
        {"wrong opcode",
         [](Lan& l) {
             Bytes r = GetReply(l.p.clientId, l.betaId(), "x");
             r[0] = 2;
             return r;
         }},
        {"receive errors", [](Lan&) { return Bytes{}; }},
        {"foreign client",
         [](Lan&) {
             return GetReply({9, 9, 9, 9, 9, 9}, Bytes(10, 0), "x");
         }},
    };
    const std::vector<std::pair<Call, int>> calls = {
        {&Protocol::VerifyLogin, 1110}, {&Protocol::GetBtFirmware, 2320}, {&Protocol::SetDhcp, 11120}};
    for (const Flood& flood : floods)
        for (const auto& [call, nominal] : calls) {
            SCOPED_TRACE(flood.what);
            Lan lan;
            lan.beta().silent = true;
            lan.h.net.receiveCostUs = 50;
            lan.h.net.flood(1, flood.datagram(lan), 0, 1'000'000);
            const auto start = lan.h.clock.nowMs();
            EXPECT_EQ((lan.p.*call)(), 0);
            EXPECT_LE(lan.h.clock.nowMs() - start, nominal + Protocol::OverrunLimitMs + 1);
        }
}

TEST(Transactions, MalformedRepliesAreReadWithinTheirBytes)
{
    struct Row {
        const char* what;
        std::function<Bytes(Lan&)> reply;
        int result;
        std::string domain;
    };
    const std::vector<Row> rows = {
        {"exactly 28 bytes", [](Lan& l) { return GetReply(l.p.clientId, l.betaId(), ""); }, 1, ""},
        {"value without a terminator", [](Lan& l) { return GetReply(l.p.clientId, l.betaId(), "abc"); }, 1,
         "abc"},
        {"oversized, cut by the receive",
         [](Lan& l) { return GetReply(l.p.clientId, l.betaId(), std::string(6000, 'd')); }, 1,
         std::string(127, 'd')},
        {"too short for an address",
         [](Lan& l) {
             Bytes r = GetReply(l.p.clientId, l.betaId(), "");
             r.resize(9);
             return r;
         },
         0, ""},
        {"opcode only", [](Lan&) { return Bytes{4}; }, 0, ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        Lan lan;
        lan.beta().silent = true;
        lan.h.net.deliver(1, row.reply(lan), 200); // after the flush
        EXPECT_EQ(lan.p.GetDomain(), row.result);
        EXPECT_EQ(lan.p.state.domain.str(), row.domain);
    }
}

TEST(Transactions, BrokenSocketsKeepTheirSlotAndTimeOut)
{
    Harness h;
    FakeDevice d = Device("gamma", {10, 0, 0, 40});
    h.net.addDevice(d);
    h.net.failSockets(0);
    h.open({"10.0.0.10"});
    EXPECT_EQ(h.protocol.interfaces.count, 1);
    EXPECT_EQ(h.protocol.interfaces.sendSocket[0], SocketLayer::InvalidSocket);
    DeviceRecord record; // as if found before the socket broke
    record.ipText = "10.0.0.40";
    h.protocol.devices.append(record);
    h.protocol.state.currentDeviceIp = "10.0.0.40";
    EXPECT_EQ(h.protocol.GetShareName(), 0);
    EXPECT_EQ(h.clock.nowMs(), 2320);
}

} // namespace
