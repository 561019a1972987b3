// SPDX-License-Identifier: GPL-3.0-or-later
// Search windows, the device list they build, and the transport's slots.

#include "Harness.h"
#include "protocol/SequentialSearch.h"

using namespace telvorin;
using namespace telvorin::test;

namespace {

std::vector<std::string> Listed(const Protocol& p)
{
    std::vector<std::string> out;
    for (const DeviceRecord& r : p.devices)
        out.push_back(r.name.str() + "@" + r.ipText.str() + "/" + std::to_string(r.interfaceIndex));
    return out;
}

TEST(Search, ListsEachDeviceOnceWithTheLowerSlot)
{
    Harness h;
    FakeDevice both = Device("both", {10, 0, 0, 5});
    both.segments = {1, 0};
    FakeDevice second = Device("second", {10, 0, 1, 6});
    second.segments = {1};
    second.replyDelayMs = 30;
    h.net.addDevice(second);
    h.net.addDevice(both);
    h.open({"10.0.0.10", "10.0.1.10"});
    h.protocol.SearchDevices(3, 3);
    EXPECT_EQ(Listed(h.protocol), (std::vector<std::string>{"both@10.0.0.5/0", "second@10.0.1.6/1"}));

    // Two copies of the request per window, each through its own interface, the
    // windows side by side: both first copies at once, both second copies 50 ms later.
    ASSERT_EQ(h.net.sent().size(), 4u);
    for (int i = 0; i < 4; ++i) {
        const auto& sent = h.net.sent()[static_cast<std::size_t>(i)];
        EXPECT_EQ(sent.iface, i % 2);
        EXPECT_EQ(sent.atMs, i / 2 * 50);
        EXPECT_EQ(sent.bytes.size(), 11u);
    }
    // A new search starts from an empty list.
    h.net.device(0).silent = true;
    h.protocol.SearchDevices(3, 3);
    EXPECT_EQ(Listed(h.protocol), (std::vector<std::string>{"both@10.0.0.5/0"}));
}

TEST(Search, ExtendedRepliesAreFilteredBySelectors)
{
    struct Row {
        bool extended;
        std::uint8_t s1, s2;
        int arg1, arg2;
        bool listed;
    };
    const std::vector<Row> rows = {
        {true, 3, 3, 3, 3, true},  {true, 3, 4, 3, 3, false}, {true, 4, 3, 3, 3, false},
        {true, 3, 4, 0, 0, true},  {true, 3, 9, 3, 0, true},  {true, 9, 3, 3, 0, false},
        {false, 0, 0, 5, 5, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message()
                     << int(row.s1) << "," << int(row.s2) << " vs " << row.arg1 << "," << row.arg2);
        Harness h;
        FakeDevice d = Device("x", {10, 0, 0, 5});
        d.extended = row.extended;
        d.selector1 = row.s1;
        d.selector2 = row.s2;
        h.net.addDevice(d);
        h.open({"10.0.0.10"});
        h.protocol.SearchDevices(row.arg1, row.arg2);
        EXPECT_EQ(h.protocol.devices.count(), row.listed ? 1 : 0);
    }
}

TEST(Search, CrowdedSegmentIsListedWhole)
{
    for (int devices : {17, 40, 200}) {
        SCOPED_TRACE(devices);
        Harness h;
        for (int i = 0; i < devices; ++i) {
            FakeDevice d =
                Device(("dev" + std::to_string(i)).c_str(),
                       {10, 0, static_cast<std::uint8_t>(i / 200), static_cast<std::uint8_t>(1 + i % 200)});
            d.replyDelayMs = 5; // all arrive together, both copies answered
            h.net.addDevice(d);
        }
        h.open({"10.0.0.10"});
        h.protocol.SearchDevices(3, 3);
        ASSERT_EQ(h.protocol.devices.count(), devices);
        EXPECT_EQ(h.protocol.devices[devices - 1].name.str(), "dev" + std::to_string(devices - 1));
        EXPECT_LE(h.clock.nowMs(), 1040 + 20);
    }
}

TEST(Search, WindowsKeepTheirDurationWhateverArrives)
{
    struct Row {
        const char* what;
        std::function<void(Harness&)> traffic;
        std::int64_t atMostMs;
    };
    const std::vector<Row> rows = {
        // Both windows run side by side: one window's time, or its bound under a flood.
        {"idle", [](Harness&) {}, 1040},
        {"error flood", [](Harness& h) { h.net.flood(0, {}, 0, 100'000); }, 2040},
        {"junk flood", [](Harness& h) { h.net.flood(1, Bytes(4096, 2), 0, 100'000); }, 2040},
        {"corrupt stream",
         [](Harness& h) {
             h.net.flood(0, Bytes{2, 0, 0}, 3, 100'000);
         },
         2040},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        Harness h;
        h.open({"10.0.0.10", "10.0.1.10"});
        h.net.receiveCostUs = 20;
        row.traffic(h);
        h.protocol.SearchDevices(3, 3);
        EXPECT_LE(h.clock.nowMs(), row.atMostMs + 1);
        if (std::string(row.what) == "idle") {
            EXPECT_EQ(h.clock.nowMs(), 1040);
        }
    }
}

TEST(Search, CorruptRepliesNeverBreakTheList)
{
    Harness h;
    h.open({"10.0.0.10"});
    const ClientId& id = h.protocol.clientId;
    auto reply = [&](std::size_t size, std::uint8_t last, std::uint32_t nameLength, std::size_t lengthAt) {
        Bytes b(size, 'z');
        b[0] = OpSearchReply;
        std::copy(id.begin(), id.end(), b.begin() + 1);
        b[17] = 10;
        b[18] = 0;
        b[19] = 0;
        b[20] = last;
        for (std::size_t i = 0; i < 4 && lengthAt + i < size; ++i)
            b[lengthAt + i] = static_cast<std::uint8_t>(nameLength >> (8 * i));
        return b;
    };
    h.net.deliver(0, Bytes{2}, 120);
    h.net.deliver(0, reply(21, 1, 0, 56), 120);           // prefix only
    h.net.deliver(0, reply(58, 2, 50, 56), 120);          // cut inside the length
    h.net.deliver(0, reply(5000, 3, 4000, 56), 120);      // oversized: cut by the receive
    h.net.deliver(0, reply(80, 4, 0x80000000u, 56), 120); // length far beyond
    Bytes ext = reply(70, 5, 100, 68);
    ext[0] = OpSearchReplyExt;
    ext[56] = ext[57] = 3;
    h.net.deliver(0, ext, 120); // extended, cut inside its length
    // All arrive 120 ms in, inside the window after both requests went out.
    h.protocol.SearchDevices(0, 0);
    ASSERT_EQ(h.protocol.devices.count(), 5);
    EXPECT_EQ(h.protocol.devices[0].name.str(), "");
    EXPECT_EQ(h.protocol.devices[0].netmaskText.str(), "");
    EXPECT_EQ(h.protocol.devices[1].name.str(), "");
    EXPECT_EQ(h.protocol.devices[2].name.str(), std::string(255, 'z'));
    EXPECT_EQ(h.protocol.devices[2].netmaskText.str(), std::string(15, 'z'));
    EXPECT_EQ(h.protocol.devices[3].name.str(), std::string(20, 'z'));
    EXPECT_EQ(h.protocol.devices[4].name.str(), "");
}

// The parallel windows give exactly the list that one window after another gives:
// same records, same order, same interfaces; and the rows streamed while they run end
// as that list.
TEST(Search, ParallelWindowsListWhatOneAfterAnotherLists)
{
    struct Scenario {
        const char* what;
        int interfaces;
        std::function<void(FakeNetwork&, const ClientId&)> devices;
        std::int64_t firstRowByMs = 1040;
    };
    auto device = [](const char* name, std::array<std::uint8_t, 4> ip, std::vector<int> segments,
                     int delayMs = 0) {
        FakeDevice d = Device(name, ip);
        d.segments = std::move(segments);
        d.replyDelayMs = delayMs;
        d.gateway = "10.0.0.1";
        return d;
    };
    const std::vector<Scenario> scenarios = {
        {"one segment each", 4,
         [&](FakeNetwork& n, const ClientId&) {
             for (int s = 0; s < 4; ++s)
                 n.addDevice(device("d", {10, 0, static_cast<std::uint8_t>(s), 5}, {s}));
         },
         150},
        {"answering on two, later slot first in time", 4,
         [&](FakeNetwork& n, const ClientId&) {
             n.addDevice(device("late-on-0", {10, 0, 9, 9}, {2, 0}, 700)); // slot 0 hears it last
             n.addDevice(device("early", {10, 0, 2, 1}, {2}, 1));
             n.addDevice(device("b", {10, 0, 3, 7}, {3, 1}, 40));
         }},
        {"late replies at the window's end and beyond it", 3,
         [&](FakeNetwork& n, const ClientId&) {
             n.addDevice(device("in-time", {10, 0, 0, 1}, {0, 1, 2}, 900));
             n.addDevice(device("too-late", {10, 0, 0, 2}, {0, 1}, 1200));
             n.addDevice(device("edge", {10, 0, 1, 3}, {1}, 1035));
         }},
        {"crowded segments with duplicates", 8,
         [&](FakeNetwork& n, const ClientId&) {
             for (int i = 0; i < 120; ++i) {
                 FakeDevice d =
                     device(("n" + std::to_string(i)).c_str(),
                            {10, 1, static_cast<std::uint8_t>(i / 100), static_cast<std::uint8_t>(i % 100)},
                            {i % 8, (i * 3) % 8}, 2 + i % 50);
                 d.dhcp = i % 2 ? '1' : '0';
                 d.extended = i % 5 == 0;
                 d.selector2 = i % 10 == 0 ? 4 : 3; // every tenth filtered out
                 n.addDevice(d);
             }
         }},
        {"a sender answering for many addresses beside real devices", 2,
         [&](FakeNetwork& n, const ClientId& id) {
             n.addDevice(device("real-0", {10, 0, 0, 5}, {0}, 300));
             n.addDevice(device("real-1", {10, 0, 1, 5}, {1}, 10));
             for (int i = 0; i < 40; ++i) {
                 const FakeDevice forged = device("forged", {10, 7, 0, static_cast<std::uint8_t>(i)}, {0});
                 n.deliver(0, SearchReply(id, forged), 110 + i, 0x0A0000FE);
             }
         }},
    };
    for (const Scenario& scenario : scenarios) {
        SCOPED_TRACE(scenario.what);
        Harness sequential;
        Harness parallel;
        for (Harness* h : {&sequential, &parallel}) {
            for (int i = 0; i < scenario.interfaces; ++i)
                h->net.addInterface("veth" + std::to_string(i), "10.9." + std::to_string(i) + ".1");
            h->protocol.OpenTransport();
            scenario.devices(h->net, h->protocol.clientId);
        }
        SequentialSearch(sequential.protocol, sequential.net, sequential.clock, 3, 3);
        StreamedRows streamed;
        parallel.protocol.SearchDevices(3, 3, streamed.stream(parallel.clock));
        EXPECT_FALSE(parallel.protocol.devices.empty());
        EXPECT_EQ(Records(parallel.protocol), Records(sequential.protocol));
        EXPECT_EQ(streamed.rows, Records(sequential.protocol));
        EXPECT_LE(streamed.firstFoundMs, scenario.firstRowByMs);
        // One window's time for all of them, against one per interface (a window whose
        // selects end early on a reply is a little shorter).
        EXPECT_LE(parallel.clock.nowMs(), 1040);
        EXPECT_GT(sequential.clock.nowMs(), 1000 * scenario.interfaces);
    }
}

// Floods of made-up replies stop at the bounds of the window they arrive in, each said
// once, and hide no real device: not one on another link, not one behind the flood.
TEST(Search, FloodsStopAtTheirWindowsBoundsAndHideNoRealDevice)
{
    struct Row {
        const char* what;
        int floodedLinks, addresses;         // made-up addresses on each of the first links
        std::optional<std::uint32_t> sender; // one flooding host, or each its own
        int realDelayMs;                     // the real devices' replies; the flood's come at 105 ms
        std::vector<int> keptPerLink;        // flood records kept on link 0 and 1
        std::string diagnostics;
    };
    const std::string slot0 = "telvorin: search on 10.0.0.10 (slot 0)";
    const std::string slot1 = "telvorin: search on 10.0.1.10 (slot 1)";
    const std::string host = ": 10.0.254.1 answered for 16 devices; its further replies dropped\n";
    const std::string full = " heard 4096 devices; further replies dropped\n";
    const std::vector<Row> rows = {
        {"one host on each link", 2, 3000, 0x0A00FE01, 200, {16, 16}, slot0 + host + slot1 + host},
        // 4095 beside the real device.
        {"thousands of senders on link 0", 1, 5000, std::nullopt, 20, {4095, 0}, slot0 + full},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        Harness h;
        h.open({"10.0.0.10", "10.0.1.10"});
        for (int link = 0; link < row.floodedLinks; ++link)
            for (int i = 0; i < row.addresses; ++i) {
                FakeDevice d =
                    Device("flood", {10, static_cast<std::uint8_t>(100 + link),
                                     static_cast<std::uint8_t>(i / 250), static_cast<std::uint8_t>(i % 250)});
                h.net.deliver(link, SearchReply(h.protocol.clientId, d), 105, row.sender);
            }
        // A real device on each link.
        for (int link = 0; link < 2; ++link) {
            FakeDevice real = Device("real", {10, 0, static_cast<std::uint8_t>(link), 7});
            real.segments = {link};
            real.replyDelayMs = row.realDelayMs;
            h.net.addDevice(real);
        }
        h.protocol.SearchDevices(3, 3);
        EXPECT_TRUE(h.protocol.FindDeviceByIp("10.0.0.7"));
        EXPECT_TRUE(h.protocol.FindDeviceByIp("10.0.1.7"));
        std::vector<int> kept(2, 0);
        for (const DeviceRecord& r : h.protocol.devices)
            if (r.name.view() == "flood")
                ++kept[static_cast<std::size_t>(r.interfaceIndex)];
        EXPECT_EQ(kept, row.keptPerLink);
        EXPECT_EQ(h.diagnostics(), row.diagnostics);
    }
}

TEST(Search, RepliesAreReadFromTheFirstSendOnWithTheSameEndAndList)
{
    // When each reply is read, by when the device answers: at once from the first send
    // on; once the polls have begun, at the next poll.
    const std::vector<std::pair<int, std::int64_t>> rows = {{0, 0}, {30, 30}, {70, 70}, {95, 95}, {115, 130}};
    for (const auto& [delayMs, readAtMs] : rows) {
        SCOPED_TRACE(delayMs);
        Harness h;
        FakeDevice d = Device("early", {10, 0, 0, 5});
        d.replyDelayMs = delayMs;
        h.net.addDevice(d);
        h.open({"10.0.0.10"});
        std::vector<std::int64_t> foundAt;
        Protocol::SearchStream stream;
        stream.found = [&](const DeviceRecord&, std::size_t) { foundAt.push_back(h.clock.nowMs()); };
        h.protocol.SearchDevices(3, 3, stream);
        ASSERT_EQ(foundAt.size(), 1u);
        EXPECT_EQ(foundAt[0], readAtMs);
        // An idle window's length; a poll that finds the second copy's reply ends early.
        EXPECT_LE(h.clock.nowMs(), 1040);
        EXPECT_GE(h.clock.nowMs(), 1020);
        EXPECT_EQ(Listed(h.protocol), (std::vector<std::string>{"early@10.0.0.5/0"}));
        ASSERT_EQ(h.net.sent().size(), 2u);
        EXPECT_EQ(h.net.sent()[1].atMs, 50);
    }
}

TEST(Transport, EverySearchFollowsTheInterfacesWithTheSameClientId)
{
    struct Row {
        const char* what;
        std::function<void(FakeNetwork&)> change;
        std::vector<std::string> listed;
        int slots;
        bool reopened;
    };
    const std::vector<Row> rows = {
        {"nothing changed", [](FakeNetwork&) {}, {"one@10.0.0.5/0"}, 1, false},
        {"a link gets its address",
         [](FakeNetwork& net) { net.setInterfaceUp(1, true); },
         {"one@10.0.0.5/0", "two@10.0.1.6/1"},
         2,
         true},
        {"the address is renumbered",
         [](FakeNetwork& net) { net.setInterfaceAddress(0, "10.0.0.77"); },
         {"one@10.0.0.5/0"},
         1,
         true},
        {"the link goes", [](FakeNetwork& net) { net.setInterfaceUp(0, false); }, {}, 0, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        Harness h;
        h.net.addDevice(Device("one", {10, 0, 0, 5}));
        FakeDevice two = Device("two", {10, 0, 1, 6});
        two.segments = {1};
        h.net.addDevice(two);
        h.net.addInterface("veth0", "10.0.0.10");
        h.net.addInterface("veth1", "10.0.1.10");
        h.net.setInterfaceUp(1, false);
        h.protocol.OpenTransport();
        const ClientId id = h.protocol.clientId;
        const int firstSocket = h.protocol.interfaces.sendSocket[0];
        EXPECT_FALSE(h.protocol.interfacesChanged());

        row.change(h.net);
        EXPECT_EQ(h.protocol.interfacesChanged(), row.reopened);
        h.protocol.SearchDevices(3, 3);
        EXPECT_EQ(Listed(h.protocol), row.listed);
        EXPECT_EQ(h.protocol.interfaces.count, row.slots);
        EXPECT_EQ(h.net.openSockets(), 2 * row.slots);
        EXPECT_EQ(h.protocol.interfaces.sendSocket[0] != firstSocket, row.reopened);
        EXPECT_FALSE(h.protocol.interfacesChanged());
        EXPECT_EQ(h.protocol.clientId, id);
    }
}

TEST(Transport, SlotsAndClientId)
{
    Harness h;
    for (int i = 0; i < 9; ++i)
        h.net.addInterface("eth" + std::to_string(i), "10.0." + std::to_string(i) + ".1");
    h.protocol.OpenTransport();
    EXPECT_EQ(h.protocol.interfaces.count, 8);
    EXPECT_EQ(h.protocol.interfaces.address[7].str(), "10.0.7.1");
    EXPECT_EQ(h.protocol.interfaces.name[7].str(), "eth7");
    EXPECT_EQ(h.net.openSockets(), 16);

    // Two copies started together must not share an id.
    Harness other;
    other.open({"10.0.0.1"});
    EXPECT_NE(h.protocol.clientId, other.protocol.clientId);

    h.protocol.CloseTransport();
    EXPECT_EQ(h.net.openSockets(), 0);
    EXPECT_FALSE(h.protocol.transportOpen());

    Harness none;
    none.open({});
    none.protocol.SearchDevices(3, 3);
    EXPECT_TRUE(none.net.sent().empty());
    EXPECT_TRUE(none.protocol.devices.empty());
}

} // namespace
