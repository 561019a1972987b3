// SPDX-License-Identifier: GPL-3.0-or-later
// Searches over the lab's real network: two segments, one answering multicast and one
// unicast, with the real protocol library and the real probe in the pc namespace.

#include "LabTestUtil.h"
#include "protocol/SequentialSearch.h"

#include <gtest/gtest.h>

#include <QJsonArray>

#include <chrono>
#include <cstdio>
#include <set>

using telvorin::lab::Lab;
using namespace labtest;
using LabSearch = telvorin::lab::LabTest;

namespace {

// Segment 0 answers by multicast, segment 1 by unicast. "BOTH" lives in segment 1's
// subnet but is heard on both links, so the first search window (slot 0) claims it.
std::string twoSegmentConfig()
{
    const std::string both = device("BOTH", "10.65.0.30", "\"key\": \"0a0b0c0d0e0f\"");
    return config({
        segment("multicast",
                {device("M-ONE", "10.64.0.10"), device("M-TWO", "10.64.0.11", "\"dhcp\": true"), both}),
        segment("unicast", {device("U-ONE", "10.65.0.10"), device("U-TWO", "10.65.0.11"), both}),
    });
}

} // namespace

TEST_F(LabSearch, TwoSegmentsListEveryDeviceOnceWithItsInterface)
{
    ASSERT_TRUE(startLab(twoSegmentConfig()));
    LiveProtocol live;
    auto& p = live.protocol;
    ASSERT_EQ(p.interfaces.count, 2);
    EXPECT_EQ(p.interfaces.address[0].str(), lab().segments()[0].pcAddress);
    EXPECT_EQ(p.interfaces.address[1].str(), lab().segments()[1].pcAddress);

    p.SearchDevices(3, 3);

    struct Row {
        const char* ip;
        const char* name;
        int slot;
        const char* dhcp;
    };
    const Row rows[] = {
        {"10.64.0.10", "M-ONE", 0, ""}, {"10.64.0.11", "M-TWO", 0, "1"}, {"10.65.0.30", "BOTH", 0, ""},
        {"10.65.0.10", "U-ONE", 1, ""}, {"10.65.0.11", "U-TWO", 1, ""},
    };
    EXPECT_EQ(p.devices.count(), 5);
    std::set<std::string> seen;
    for (const auto& d : p.devices)
        EXPECT_TRUE(seen.insert(d.ipText.str()).second) << "listed twice: " << d.ipText.str();
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const auto* d = live.find(row.ip);
        ASSERT_NE(d, nullptr);
        EXPECT_EQ(d->name.str(), row.name);
        EXPECT_EQ(d->interfaceIndex, row.slot);
        EXPECT_EQ(d->netmaskText.str(), "255.255.0.0");
        EXPECT_EQ(d->dhcpFlag.str(), row.dhcp);
    }
    // BOTH was stored with the key it sent, to be echoed in every request.
    const auto* both = live.find("10.65.0.30");
    ASSERT_NE(both, nullptr);
    const telvorin::DeviceId expectedId{0x0a, 0x0b, 0x0c, 0x0d, 0x0e, 0x0f, 10, 65, 0, 30};
    EXPECT_EQ(both->deviceId, expectedId);

    // The probe, run in the same namespace, agrees, in list order.
    std::string out;
    ASSERT_EQ(Lab::runCommand({probePath(), "search"}, &out), 0);
    bool valid = false;
    const auto lines = jsonLines(out, &valid);
    EXPECT_TRUE(valid) << out;
    ASSERT_EQ(lines.size(), 5u) << out;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const auto& rec = p.devices[static_cast<int>(i)];
        EXPECT_EQ(lines[i].value(QLatin1String("ip")).toString().toStdString(), rec.ipText.str());
        EXPECT_EQ(lines[i].value(QLatin1String("interface")).toString().toStdString(),
                  lab().segments()[static_cast<std::size_t>(rec.interfaceIndex)].pcAddress);
        EXPECT_EQ(lines[i].value(QLatin1String("dhcp")).toBool(), rec.dhcpFlag == "1");
    }
    // Streamed, the probe prints the same devices, each once.
    out.clear();
    ASSERT_EQ(Lab::runCommand({probePath(), "search", "--stream"}, &out), 0);
    std::multiset<std::string> streamedIps;
    for (const auto& line : jsonLines(out, &valid))
        streamedIps.insert(line.value(QLatin1String("ip")).toString().toStdString());
    EXPECT_TRUE(valid) << out;
    EXPECT_EQ(streamedIps, std::multiset<std::string>(seen.begin(), seen.end())) << out;
    lab().leavePc();

    // Each search window sent two 11-byte search requests out of its own link only:
    // two from the library (with its client id) and four from the probe.
    for (int s = 0; s < 2; ++s) {
        int searches = 0;
        int ours = 0;
        for (const auto& r : lab().requests(s)) {
            if (r.device != "*")
                continue;
            ++searches;
            EXPECT_EQ(r.fromAddress, lab().segments()[static_cast<std::size_t>(s)].pcAddress);
            ASSERT_EQ(r.bytes.size(), 11u);
            EXPECT_EQ(r.bytes[0], 1);
            EXPECT_EQ(Bytes(r.bytes.begin() + 7, r.bytes.end()), Bytes(4, 0));
            ours += r.bytes == telvorin::test::RequestHeader(telvorin::OpSearch, p.clientId);
        }
        EXPECT_EQ(searches, 6) << "segment " << s;
        EXPECT_EQ(ours, 2) << "segment " << s;
    }
}

TEST_F(LabSearch, ExtendedRepliesAreFilteredBySelectors)
{
    struct Row {
        const char* name;
        const char* ip;
        const char* extra;
        bool listedBy33; // SearchDevices(3, 3)
        bool listedBy00; // SearchDevices(0, 0): every selector fits
        bool listedBy30;
    };
    const Row rows[] = {
        {"PLAIN", "10.64.0.10", "\"extended\": false, \"selectors\": [9, 9]", true, true, true},
        {"EXT-33", "10.64.0.11", "\"extended\": true, \"selectors\": [3, 3]", true, true, true},
        {"EXT-34", "10.64.0.12", "\"extended\": true, \"selectors\": [3, 4]", false, true, true},
        {"EXT-43", "10.64.0.13", "\"extended\": true, \"selectors\": [4, 3]", false, true, false},
        {"EXT-00", "10.64.0.14", "\"extended\": true, \"selectors\": [0, 0]", false, true, false},
    };
    std::vector<std::string> devices;
    for (const Row& r : rows)
        devices.push_back(device(r.name, r.ip, r.extra));
    ASSERT_TRUE(startLab(config({segment("multicast", devices)})));
    LiveProtocol live;

    struct Search {
        int s1, s2;
        bool Row::*listed;
    };
    for (const Search& search :
         {Search{3, 3, &Row::listedBy33}, Search{0, 0, &Row::listedBy00}, Search{3, 0, &Row::listedBy30}}) {
        live.protocol.SearchDevices(search.s1, search.s2);
        for (const Row& r : rows) {
            SCOPED_TRACE(std::string(r.name) + " with selectors " + std::to_string(search.s1) + "," +
                         std::to_string(search.s2));
            const auto* d = live.find(r.ip);
            EXPECT_EQ(d != nullptr, r.*(search.listed));
            if (d) {
                EXPECT_EQ(d->name.str(), r.name); // the extended layout's name is read
            }
        }
    }
}

TEST_F(LabSearch, LargeSegmentsAreListedWhole)
{
    // 20 devices answer both sends: 40 replies, more than a window has polls.
    std::vector<std::string> devices;
    for (int i = 0; i < 20; ++i)
        devices.push_back(device("BULK-" + std::to_string(i), "10.64.1." + std::to_string(i + 1)));
    ASSERT_TRUE(startLab(config({segment("multicast", devices)})));
    LiveProtocol live;
    live.protocol.SearchDevices(3, 3);
    EXPECT_EQ(live.protocol.devices.count(), 20);
    for (int i = 0; i < 20; ++i)
        EXPECT_NE(live.find("10.64.1." + std::to_string(i + 1)), nullptr) << i;
}

// The parallel search against the one-window-after-another reference over 4 real
// segments: a device heard on two of them, duplicated replies and replies late in the
// window give the same list, order and interfaces, and so do the rows it streams.
TEST_F(LabSearch, ParallelWindowsListWhatOneAfterAnotherLists)
{
    const std::string two = device("TWO", "10.65.0.40", "\"key\": \"00aa00bb00cc\", \"delayMs\": 300");
    const std::string twoLate = device("TWO", "10.65.0.40", "\"key\": \"00aa00bb00cc\", \"delayMs\": 20");
    ASSERT_TRUE(startLab(config({
        segment("multicast", {device("A-1", "10.64.0.10", "\"duplicate\": 2"),
                              device("A-LATE", "10.64.0.11", "\"delayMs\": 850")}),
        segment("unicast", {two, device("B-1", "10.65.0.10", "\"duplicate\": 1, \"delayMs\": 400")}),
        segment("multicast",
                {device("C-EXT", "10.66.0.10", "\"extended\": true, \"selectors\": [3, 3]"),
                 device("C-FILTERED", "10.66.0.11", "\"extended\": true, \"selectors\": [3, 4]")}),
        segment("unicast", {twoLate, device("D-1", "10.67.0.10", "\"dhcp\": true, \"delayMs\": 700")}),
    })));
    LiveProtocol live;
    auto& p = live.protocol;
    ASSERT_EQ(p.interfaces.count, 4);

    auto seconds = [](auto since) {
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
    };

    auto start = std::chrono::steady_clock::now();
    telvorin::test::SequentialSearch(p, live.sockets, live.clock, 3, 3);
    const double sequentialSeconds = seconds(start);
    const auto reference = telvorin::test::Records(p);

    // Streamed, on the search's thread: the rows, applied in order, end as the list.
    telvorin::test::StreamedRows streamed;
    start = std::chrono::steady_clock::now();
    const std::int64_t startMs = live.clock.nowMs();
    p.SearchDevices(3, 3, streamed.stream(live.clock));
    const double parallelSeconds = seconds(start);
    const double firstRowSeconds = (streamed.firstFoundMs - startMs) / 1000.0;
    std::printf("search over 4 segments: one after another %.3f s, side by side %.3f s, first row streamed "
                "after %.3f s\n",
                sequentialSeconds, parallelSeconds, firstRowSeconds);

    EXPECT_EQ(telvorin::test::Records(p), reference);
    EXPECT_EQ(streamed.rows, reference);
    EXPECT_LT(firstRowSeconds, 0.5) << "a device answering at once shows long before the search ends";
    // TWO answered on slots 1 and 3 and belongs to slot 1, however soon slot 3 heard it.
    ASSERT_EQ(reference.size(), 6u);
    const auto* twoRecord = live.find("10.65.0.40");
    ASSERT_NE(twoRecord, nullptr);
    EXPECT_EQ(twoRecord->interfaceIndex, 1);
    EXPECT_NE(live.find("10.64.0.11"), nullptr) << "a reply late in the window is kept";
    EXPECT_EQ(live.find("10.66.0.11"), nullptr);
    // Generous bounds: one window against four.
    EXPECT_LT(parallelSeconds, 2.0);
    EXPECT_GT(sequentialSeconds, 3.5);
}
