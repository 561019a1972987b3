// SPDX-License-Identifier: GPL-3.0-or-later
// Request layouts and reply reading, checked against bytes spelled out by hand.

#include "Harness.h"

#include "protocol/Replies.h"
#include "protocol/RequestBytes.h"

#include <climits>

using namespace telvorin;
using namespace telvorin::test;

namespace {

Bytes Hex(const char* text)
{
    Bytes out;
    unsigned v = 0;
    int digits = 0;
    for (const char* p = text; *p; ++p) {
        if (*p == ' ')
            continue;
        v = v * 16 + static_cast<unsigned>(std::isdigit(*p) ? *p - '0' : std::toupper(*p) - 'A' + 10);
        if (++digits == 2) {
            out.push_back(static_cast<std::uint8_t>(v));
            v = 0;
            digits = 0;
        }
    }
    return out;
}

Bytes Text(std::string_view s)
{
    return Bytes(s.begin(), s.end());
}

Bytes Cat(std::initializer_list<Bytes> parts)
{
    Bytes out;
    for (const Bytes& p : parts)
        out.insert(out.end(), p.begin(), p.end());
    return out;
}

Bytes Cut(Bytes b, std::size_t n)
{
    b.resize(n);
    return b;
}

Bytes Zeros(std::size_t n)
{
    return Bytes(n, 0);
}

const Bytes GetHeader = Hex("03 11 12 13 14 15 16 00 00 00 00");
const Bytes SetHeader = Hex("05 11 12 13 14 15 16 00 00 00 00");
const Bytes StoredId = Hex("A1 A2 A3 A4 A5 A6 C0 A8 00 20");

struct Builders : ::testing::Test {
    Harness h;
    void SetUp() override
    {
        h.protocol.clientId = {0x11, 0x12, 0x13, 0x14, 0x15, 0x16};
        DeviceRecord other;
        other.ipText = "192.168.0.31";
        other.deviceId = {9, 9, 9, 9, 9, 9, 192, 168, 0, 31};
        DeviceRecord record;
        record.ipText = "192.168.0.32";
        record.deviceId = {0xA1, 0xA2, 0xA3, 0xA4, 0xA5, 0xA6, 192, 168, 0, 32};
        h.protocol.devices.append(other);
        h.protocol.devices.append(record);
        h.protocol.state.currentDeviceIp = "192.168.0.32";
    }
};

TEST_F(Builders, LayOutEveryRequestByteForByte)
{
    auto& s = h.protocol.state;
    struct Row {
        const char* what;
        std::function<int(SendBuffer)> build;
        Bytes expected;
    };
    const std::string user16(16, 'u');
    const std::string pass16(16, 'p');
    const std::vector<Row> rows = {
        {"search", [&](SendBuffer b) { return h.protocol.BuildSearchRequest(b); },
         Hex("01 11 12 13 14 15 16 00 00 00 00")},
        {"get domain", [&](SendBuffer b) { return h.protocol.BuildGetRequest(b, ItemDomain); },
         Cat({GetHeader, StoredId, Hex("12 00 00 00 00 00 00")})},
        {"login admin, empty password",
         [&](SendBuffer b) {
             s.adminUser = "admin";
             s.adminPassword = "";
             return h.protocol.BuildLoginRequest(b);
         },
         Cat({GetHeader, StoredId, Hex("04 00 00 07 00 00 00"), Text("admin"), Hex("55 AA")})},
        {"login, empty user",
         [&](SendBuffer b) {
             s.adminUser = "";
             s.adminPassword = "pw";
             return h.protocol.BuildLoginRequest(b);
         },
         Cat({GetHeader, StoredId, Hex("04 00 00 04 00 00 00 55 AA"), Text("pw")})},
        {"login, 16-character user and password",
         [&](SendBuffer b) {
             s.adminUser = user16;
             s.adminPassword = pass16;
             return h.protocol.BuildLoginRequest(b);
         },
         Cat({GetHeader, StoredId, Hex("04 00 00 22 00 00 00"), Text(user16), Hex("55 AA"), Text(pass16)})},
        {"set write mode",
         [&](SendBuffer b) {
             s.newNetmask = "255.255.255.0";
             s.newGateway = "";
             return h.protocol.BuildSetRequest(b, ItemWriteMode, "rw");
         },
         Cat({SetHeader, StoredId, Hex("0A 00 00"), Text("255.255.255.0"), Zeros(3), Zeros(16),
              Hex("02 00 00 00"), Text("rw")})},
        {"set with full-width netmask and gateway",
         [&](SendBuffer b) {
             s.newNetmask = "255.255.255.255";
             s.newGateway = "192.168.100.200";
             return h.protocol.BuildSetRequest(b, ItemStaticAddress, "10.0.0.7");
         },
         Cat({SetHeader, StoredId, Hex("01 00 00"), Text("255.255.255.255"), Zeros(1),
              Text("192.168.100.200"), Zeros(1), Hex("08 00 00 00"), Text("10.0.0.7")})},
        {"set with an empty value",
         [&](SendBuffer b) {
             s.newNetmask = "";
             s.newGateway = "";
             return h.protocol.BuildSetRequest(b, ItemCodepageSet, "");
         },
         Cat({SetHeader, StoredId, Hex("08 00 00"), Zeros(32), Zeros(4)})},
        {"DHCP set ignores netmask and gateway",
         [&](SendBuffer b) {
             s.newNetmask = "255.255.0.0";
             s.newGateway = "10.0.0.1";
             return h.protocol.buildDhcpSetRequest(b);
         },
         Cat({SetHeader, StoredId, Hex("02 00 00"), Zeros(36)})},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        std::array<std::uint8_t, DatagramCapacity> buffer;
        buffer.fill(0xEE); // builders must clear what they do not set
        const int length = row.build(SendBuffer(buffer));
        ASSERT_EQ(length, static_cast<int>(row.expected.size()));
        EXPECT_EQ(Bytes(buffer.begin(), buffer.begin() + length), row.expected);
        EXPECT_TRUE(std::all_of(buffer.begin() + length, buffer.end(), [](auto b) { return b == 0; }));
    }
}

// The tests' own request builder, which the lab tests compare sent requests with.
TEST(RequestBytes, MatchTheSpelledOutLayouts)
{
    const ClientId id{0x11, 0x12, 0x13, 0x14, 0x15, 0x16};
    const Bytes device = DeviceIdBytes("a1a2a3a4a5a6", "192.168.0.32");
    EXPECT_EQ(device, StoredId);
    EXPECT_EQ(RequestHeader(OpSearch, id), Hex("01 11 12 13 14 15 16 00 00 00 00"));
    EXPECT_EQ(GetRequestBytes(id, device, ItemDomain),
              Cat({GetHeader, StoredId, Hex("12 00 00 00 00 00 00")}));
    EXPECT_EQ(
        LoginRequestBytes(id, device, "admin", "pw"),
        Cat({GetHeader, StoredId, Hex("04 00 00 09 00 00 00"), Text("admin"), Hex("55 AA"), Text("pw")}));
    EXPECT_EQ(
        SetRequestBytes(id, device, ItemStaticAddress, "255.255.255.255", "192.168.100.200", "10.0.0.7"),
        Cat({SetHeader, StoredId, Hex("01 00 00"), Text("255.255.255.255"), Zeros(1), Text("192.168.100.200"),
             Zeros(1), Hex("08 00 00 00"), Text("10.0.0.7")}));
}

// The reader the tests count requests with: what each request asks, of which item, with
// which value; a search names no item and is left out of what a device heard.
TEST(RequestBytes, ReadBackWhatEachRequestAsks)
{
    const ClientId id{0x11, 0x12, 0x13, 0x14, 0x15, 0x16};
    struct Row {
        const char* what;
        Bytes request;
        int opcode, item;
        std::string value;
    };
    const Row rows[] = {
        {"search", RequestHeader(OpSearch, id), OpSearch, -1, ""},
        {"get", GetRequestBytes(id, StoredId, ItemDomain), OpGet, ItemDomain, ""},
        {"login: its value is not a set's", LoginRequestBytes(id, StoredId, "admin", "pw"), OpGet, ItemLogin,
         ""},
        {"set", SetRequestBytes(id, StoredId, ItemStaticAddress, "255.0.0.0", "", "10.0.0.7"), OpSet,
         ItemStaticAddress, "10.0.0.7"},
        {"set without a value", SetRequestBytes(id, StoredId, ItemStaticAddress, "", "", ""), OpSet,
         ItemStaticAddress, ""},
        {"nothing at all", {}, -1, -1, ""},
    };
    std::vector<Bytes> all;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        const HeardRequest h = ReadRequest(row.request);
        EXPECT_EQ(h.opcode, row.opcode);
        EXPECT_EQ(h.item, row.item);
        EXPECT_EQ(h.value, row.value);
        const std::array<std::uint8_t, 4> to = row.item < 0
                                                   ? std::array<std::uint8_t, 4>{}
                                                   : std::array<std::uint8_t, 4>{0xC0, 0xA8, 0x00, 0x20};
        EXPECT_EQ(h.to, to) << "the device asked";
        all.push_back(row.request);
    }
    const std::vector<HeardRequest> heard = Heard(all);
    ASSERT_EQ(heard.size(), 4u);
    EXPECT_EQ(heard.front().item, ItemDomain);
    EXPECT_EQ(CountOf(heard, OpSet, ItemStaticAddress), 2);
    EXPECT_EQ(CountOf(heard, OpGet, ItemStaticAddress), 0);
}

TEST_F(Builders, RefuseAnUnlistedDevice)
{
    h.protocol.state.currentDeviceIp = "192.168.0.3"; // a prefix of a listed address
    std::array<std::uint8_t, DatagramCapacity> buffer{};
    EXPECT_EQ(h.protocol.BuildGetRequest(SendBuffer(buffer), ItemDomain), 0);
    EXPECT_EQ(h.protocol.BuildLoginRequest(SendBuffer(buffer)), 0);
    EXPECT_EQ(h.protocol.BuildSetRequest(SendBuffer(buffer), ItemStop, "stop"), 0);
    EXPECT_EQ(h.protocol.buildDhcpSetRequest(SendBuffer(buffer)), 0);
    EXPECT_EQ(h.protocol.BuildSearchRequest(SendBuffer(buffer)), 11);
}

TEST_F(Builders, ClientIdComparesOnlyBytesOneToSix)
{
    EXPECT_TRUE(h.protocol.CheckClientId(Hex("04 11 12 13 14 15 16 FF FF FF FF")));
    EXPECT_TRUE(h.protocol.CheckClientId(Hex("04 11 12 13 14 15 16")));
    EXPECT_FALSE(h.protocol.CheckClientId(Hex("04 11 12 13 14 15 17")));
    EXPECT_FALSE(h.protocol.CheckClientId(Hex("04 11 12 13 14 15")));
    EXPECT_FALSE(h.protocol.CheckClientId(Bytes{}));
}

// What a search does with one reply heard on a slot: selectors of 0 fit any layout.
void AddFromReply(Protocol& protocol, std::span<const std::uint8_t> reply, int slot)
{
    if (const auto record = ParseSearchReply(reply, slot, 0, 0))
        protocol.devices.add(*record);
}

// A search reply laid out by hand: address 192.168.0.32, DHCP '1', netmask, gateway, name.
Bytes PlainReply(std::uint32_t nameLength, std::string_view name)
{
    Bytes b = Cat({Hex("02 11 12 13 14 15 16 00 00 00 00 A1 A2 A3 A4 A5 A6 C0 A8 00 20 31 00 00"),
                   Text("255.255.255.0"), Zeros(3), Text("192.168.0.1"), Zeros(5)});
    for (int i = 0; i < 4; ++i)
        b.push_back(static_cast<std::uint8_t>(nameLength >> (8 * i)));
    return Cat({b, Text(name)});
}

TEST(ReplyReading, SearchRepliesBecomeRecordsWithinTheReceivedBytes)
{
    struct Row {
        const char* what;
        Bytes reply;
        std::string name, ip, netmask, gateway, dhcp;
    };
    Bytes noZeroMask = PlainReply(3, "NAS");
    std::fill(noZeroMask.begin() + 24, noZeroMask.begin() + 56, '7');
    Bytes noDhcp = PlainReply(3, "NAS");
    noDhcp[21] = 0;
    const Bytes ext = Cat({Hex("07 11 12 13 14 15 16 00 00 00 00 A1 A2 A3 A4 A5 A6 0A 00 00 FF 30 00 00"),
                           Text("255.0.0.0"), Zeros(7), Zeros(16), Hex("03 03"), Zeros(10),
                           Hex("04 00 00 00"), Text("ext!")});
    const std::vector<Row> rows = {
        {"plain", PlainReply(3, "NAS"), "NAS", "192.168.0.32", "255.255.255.0", "192.168.0.1", "1"},
        {"zero DHCP byte", noDhcp, "NAS", "192.168.0.32", "255.255.255.0", "192.168.0.1", ""},
        {"empty name", PlainReply(0, ""), "", "192.168.0.32", "255.255.255.0", "192.168.0.1", "1"},
        {"length past the datagram", PlainReply(0xFFFFFFFF, "short"), "short", "192.168.0.32",
         "255.255.255.0", "192.168.0.1", "1"},
        {"length past the name field", PlainReply(300, std::string(300, 'n')), std::string(255, 'n'),
         "192.168.0.32", "255.255.255.0", "192.168.0.1", "1"},
        {"fields without a zero byte", noZeroMask, "NAS", "192.168.0.32", std::string(15, '7'),
         std::string(15, '7'), "1"},
        {"cut inside the netmask", Cut(PlainReply(3, "NAS"), 30), "", "192.168.0.32", "255.25", "", "1"},
        {"cut inside the address", Cut(PlainReply(3, "NAS"), 19), "", "192.168.0.0", "", "", ""},
        {"extended layout", ext, "ext!", "10.0.0.255", "255.0.0.0", "", "0"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        Harness h;
        // An exactly sized copy, so a read past the end is caught by the sanitizers.
        const auto exact = std::make_unique<std::uint8_t[]>(row.reply.size());
        std::copy(row.reply.begin(), row.reply.end(), exact.get());
        AddFromReply(h.protocol, std::span(exact.get(), row.reply.size()), 2);
        ASSERT_EQ(h.protocol.devices.count(), 1);
        const DeviceRecord& r = h.protocol.devices[0];
        EXPECT_EQ(r.name.str(), row.name);
        EXPECT_EQ(r.ipText.str(), row.ip);
        EXPECT_EQ(r.netmaskText.str(), row.netmask);
        EXPECT_EQ(r.gatewayText.str(), row.gateway);
        EXPECT_EQ(r.dhcpFlag.str(), row.dhcp);
        EXPECT_EQ(r.interfaceIndex, 2);
    }
}

TEST(ReplyReading, KeepsTheFirstReplyPerAddressAndIgnoresOtherOpcodes)
{
    Harness h;
    AddFromReply(h.protocol, PlainReply(5, "first"), 0);
    AddFromReply(h.protocol, PlainReply(6, "second"), 1);
    Bytes getReply = PlainReply(5, "other");
    getReply[0] = OpGetReply;
    getReply[20] = 99;
    AddFromReply(h.protocol, getReply, 0);
    ASSERT_EQ(h.protocol.devices.count(), 1);
    EXPECT_EQ(h.protocol.devices[0].name.str(), "first");
    EXPECT_EQ(h.protocol.devices[0].interfaceIndex, 0);
    EXPECT_EQ(h.protocol.devices[0].deviceId,
              (DeviceId{0xA1, 0xA2, 0xA3, 0xA4, 0xA5, 0xA6, 192, 168, 0, 32}));
    EXPECT_TRUE(h.protocol.FindDeviceByIp("192.168.0.32"));
    EXPECT_FALSE(h.protocol.FindDeviceByIp("192.168.0.3"));
}

TEST(ReadDecimal, TakesLeadingDigits)
{
    const std::vector<std::pair<const char*, int>> rows = {{"865", 865}, {"", 0},  {"abc", 0},
                                                           {"5x", 5},    {"0", 0}, {"99999999999", INT_MAX}};
    for (const auto& [text, value] : rows)
        EXPECT_EQ(ReadDecimal(text), value) << text;
}

} // namespace
