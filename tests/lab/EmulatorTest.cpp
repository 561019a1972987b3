// SPDX-License-Identifier: GPL-3.0-or-later
// The emulator's own wire handling and device behaviour, without a network: it is the
// other side that the lab tests trust, so its faults would hide the program's.

#include "Devices.h"

#include <gtest/gtest.h>

#include <QJsonDocument>
#include <QJsonObject>

using namespace telvorin::emu;

namespace {

// Hex digits; spaces only separate fields for the reader.
Bytes hex(std::string text)
{
    std::erase(text, ' ');
    return *fromHex(text);
}

Segment load(const char* json)
{
    Segment s;
    std::string why;
    EXPECT_TRUE(s.load(QJsonDocument::fromJson(QByteArray(json)).object(), &why)) << why;
    return s;
}

// Request with client id 010203040506 to the device 0014a5000010 at 10.64.0.10.
Bytes request(const std::string& fields)
{
    return hex(fields.substr(0, 2) + "01020304050600000000 0014a50000100a40000a" + fields.substr(2));
}

const char* const oneDevice = R"({"devices": [{"name": "N", "ip": "10.64.0.10", "key": "0014a5000010",
    "volumes": ["HDD_a", "HDD_1"], "adminPassword": "pw", "dhcpAddresses": ["10.64.0.50", "10.64.0.51"]}]})";

} // namespace

TEST(EmulatorWire, RequestsAreParsedOnlyWhenTheirLengthsAgree)
{
    struct Row {
        const char* name;
        Bytes datagram;
        bool accepted;
    };
    const Row rows[] = {
        {"search", hex("0101020304050600000000"), true},
        {"search with a trailing byte", hex("010102030405060000000000"), false},
        {"get", request("03 12 0000 00000000"), true},
        {"get with a value", request("03 04 0000 03000000 6155aa"), true},
        {"get whose length overstates", request("03 04 0000 04000000 6155aa"), false},
        {"get cut short", hex("0301020304050600000000"), false},
        {"set", request("05 0a 0000" + std::string(64, '0') + "02000000 7277"), true},
        {"reply opcode", hex("0201020304050600000000"), false},
        {"runt", hex("01"), false},
    };
    for (const Row& row : rows)
        EXPECT_EQ(parseRequest(row.datagram).has_value(), row.accepted) << row.name;
}

TEST(EmulatorDevices, AnswersFollowTheDeviceState)
{
    Segment s = load(oneDevice);
    std::string who;
    struct Row {
        const char* name;
        Bytes request;
        std::size_t replies;
        Bytes value; // get reply value from byte 28
    };
    const Row rows[] = {
        {"volumes", request("03 03 0000 00000000"), 1,
         Bytes{'H', 'D', 'D', '_', 'a', ':', 'H', 'D', 'D', '_', '1'}},
        {"login accepted", request("03 04 0000 09000000 61646d696e55aa7077"), 1, Bytes{1}},
        {"login refused", request("03 04 0000 07000000 61646d696e55aa"), 1, Bytes{0}},
        {"unknown item", request("03 10 0000 00000000"), 0, {}},
    };
    for (const Row& row : rows) {
        const auto out = s.handle(row.request, &who);
        ASSERT_EQ(out.size(), row.replies) << row.name;
        EXPECT_EQ(who, "N") << row.name;
        if (!out.empty()) {
            const Bytes& d = out[0].datagram;
            EXPECT_EQ(d[0], 4);
            EXPECT_EQ(Bytes(d.begin() + 1, d.begin() + 7), hex("010203040506")) << row.name;
            EXPECT_EQ(Bytes(d.begin() + 28, d.end()), row.value) << row.name;
        }
    }
    // A request for another key or address is not this device's.
    Bytes stranger = request("03 03 0000 00000000");
    stranger[16] ^= 1;
    EXPECT_TRUE(s.handle(stranger, &who).empty());
    EXPECT_EQ(who, "");

    // DHCP hands out the configured addresses in turn; the reply carries the new one.
    const Bytes dhcp = request("05 02 0000" + std::string(64, '0') + "00000000");
    auto out = s.handle(dhcp, &who);
    ASSERT_EQ(out.size(), 1u);
    EXPECT_EQ(Bytes(out[0].datagram.begin() + 17, out[0].datagram.begin() + 21), hex("0a400032"));
    EXPECT_TRUE(s.handle(dhcp, &who).empty()) << "the old address no longer answers";
    EXPECT_TRUE(s.devices()[0].dhcp);
}

TEST(EmulatorDevices, FaultsShapeTheReplies)
{
    Segment s = load(R"({"devices": [
        {"name": "D", "ip": "10.64.0.10", "drop": 1, "duplicate": 2},
        {"name": "X", "ip": "10.64.0.11", "extended": true, "selectors": [3, 4], "reply": "unicast"},
        {"name": "Q", "ip": "10.64.0.12", "answers": false}]})");
    std::string who;
    const Bytes search = hex("0101020304050600000000");
    auto first = s.handle(search, &who);
    ASSERT_EQ(first.size(), 1u) << "D's first reply dropped, Q silent";
    EXPECT_EQ(first[0].device, "X");
    EXPECT_EQ(first[0].route, ReplyRoute::Unicast);
    const Bytes& ext = first[0].datagram;
    ASSERT_EQ(ext.size(), 73u);
    EXPECT_EQ(ext[0], 7);
    EXPECT_EQ(ext[56], 3);
    EXPECT_EQ(ext[57], 4);
    EXPECT_EQ(ext[68], 1);
    EXPECT_EQ(ext[72], 'X');
    EXPECT_EQ(s.handle(search, &who).size(), 4u) << "D now answers three times";

    const Bytes plain =
        buildSearchReply(ReplyHead{}, SearchAnswer{false, "255.255.0.0", "", "NAME", false, 0, 0});
    struct Row {
        Corruption mode;
        bool check(const Bytes& d) const
        {
            switch (mode) {
            case Corruption::Short: return d.size() < 21 && d.size() >= 7;
            case Corruption::Truncated: return d.size() < 64 && d[56] > d.size() - 60;
            case Corruption::Oversized: return d.size() > 4096;
            case Corruption::WrongLengths: return d[59] == 0xff && d[24 + 15] != 0 && d[40 + 15] != 0;
            default: return d == Bytes{};
            }
        }
    };
    for (Corruption mode :
         {Corruption::Short, Corruption::Truncated, Corruption::Oversized, Corruption::WrongLengths})
        EXPECT_TRUE(Row{mode}.check(corrupt(plain, mode))) << static_cast<int>(mode);
}

TEST(EmulatorDevices, UnansweredItemsGetNoReplyButSetsStillApply)
{
    Segment s = load(R"({"devices": [{"name": "N", "ip": "10.64.0.10", "key": "0014a5000010",
        "shareName": "HDD_1", "unanswered": [12, 8]}]})");
    std::string who;
    EXPECT_TRUE(s.handle(request("03 0c 0000 00000000"), &who).empty()) << "share name get";
    EXPECT_EQ(who, "N");
    EXPECT_EQ(s.handle(request("03 0b 0000 00000000"), &who).size(), 1u) << "other gets answer";
    const Bytes setCodepage = request("05 08 0000" + std::string(64, '0') + "03000000 383532");
    EXPECT_TRUE(s.handle(setCodepage, &who).empty());
    EXPECT_EQ(s.devices()[0].codepage, "852");
}
