#include "settings/DeviceDetails.h"
#include "settings/LanSettings.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <string>

namespace telvorin {
namespace {

std::string Bytes(std::uint32_t networkOrder)
{
    std::uint8_t b[4];
    std::memcpy(b, &networkOrder, sizeof b);
    return std::to_string(b[0]) + "." + std::to_string(b[1]) + "." + std::to_string(b[2]) + "." +
           std::to_string(b[3]);
}

TEST(ParseDottedAddress, FollowsTheInetAtonRules)
{
    struct Row {
        std::string text;
        const char* address; // null: refused
    };
    const Row rows[] = {
        {"192.168.0.10", "192.168.0.10"},
        {"0.0.0.0", "0.0.0.0"},
        {"255.255.255.255", "255.255.255.255"},
        {"192.168.0.10 ", "192.168.0.10"},
        {"192.168.0.10\t\n", "192.168.0.10"},
        {"0x7f.1", "127.0.0.1"},        // a.b: b fills 24 bits
        {"10.1.300", "10.1.1.44"},      // a.b.c: c fills 16 bits
        {"3232235530", "192.168.0.10"}, // a alone: 32 bits
        {"0300.0250.0.012", "192.168.0.10"},
        {"0XC0.0xa8.0.0Xa", "192.168.0.10"},
        {"0xfF.0.0.0", "255.0.0.0"},
        {"00", "0.0.0.0"},
        {"1.2.3.4x", nullptr},
        {"1.2.3.4 x", nullptr},
        {"1.2.3.4.5", nullptr},
        {"1.2.3.", nullptr},
        {".1.2.3", nullptr},
        {"", nullptr},
        {" 1.2.3.4", nullptr},
        {"256.1.1.1", nullptr},
        {"1.256.1.1", nullptr},
        {"1.2.3.256", nullptr},
        {"1.2.65536", nullptr},
        {"1.16777216", nullptr},
        {"4294967296", nullptr}, // does not fit 32 bits, must not wrap
        {"99999999999999999999", nullptr},
        {"08.1.1.1", nullptr}, // 8 is no octal digit
        {"0x", nullptr},
        {"0x.1.1.1", nullptr},
        {"-1.2.3.4", nullptr},
        {std::string("1.2.3.4\0junk", 12), "1.2.3.4"}, // a C string ends at its NUL
    };
    for (const Row& row : rows) {
        std::uint32_t out = 0xDEADBEEF;
        const int ok = ParseDottedAddress(row.text, out);
        if (row.address) {
            EXPECT_EQ(ok, 1) << '"' << row.text << '"';
            EXPECT_EQ(Bytes(out), row.address) << '"' << row.text << '"';
        } else {
            EXPECT_EQ(ok, 0) << '"' << row.text << '"';
            EXPECT_EQ(out, 0xDEADBEEFu) << "output touched for \"" << row.text << '"';
        }
    }
}

TEST(SameSubnet, UsesTheDevicesNetmask)
{
    struct Row {
        std::array<std::uint8_t, 4> device, mask, local;
        bool same;
    };
    const Row rows[] = {
        {{192, 168, 1, 20}, {255, 255, 255, 0}, {192, 168, 0, 10}, false},
        {{192, 168, 1, 20}, {255, 255, 0, 0}, {192, 168, 0, 10}, true},
        {{192, 168, 0, 20}, {255, 255, 255, 0}, {192, 168, 0, 10}, true},
        {{10, 0, 0, 1}, {0, 0, 0, 0}, {192, 168, 0, 10}, true},
        {{192, 168, 0, 10}, {255, 255, 255, 255}, {192, 168, 0, 10}, true},
        {{192, 168, 0, 11}, {255, 255, 255, 255}, {192, 168, 0, 10}, false},
        {{192, 168, 0, 138}, {255, 255, 255, 128}, {192, 168, 0, 10}, false},
    };
    for (const Row& row : rows)
        EXPECT_EQ(SameSubnet(row.device.data(), row.mask.data(), row.local.data()), row.same)
            << int(row.device[0]) << "." << int(row.device[1]) << "." << int(row.device[2]) << "."
            << int(row.device[3]);
}

TEST(CheckOctets, StopsAtTheFirstOctetOutOfRange)
{
    struct Row {
        int kind;
        std::array<int, 4> octets;
        int failed;
    };
    const Row rows[] = {
        {AddressField, {1, 0, 0, 1}, -1},         {AddressField, {254, 254, 254, 254}, -1},
        {AddressField, {0, 0, 0, 1}, 0},          {AddressField, {255, 1, 1, 1}, 0},
        {AddressField, {10, 255, 0, 1}, 1},       {AddressField, {10, 0, 255, 1}, 2},
        {AddressField, {10, 0, 0, 0}, 3},         {AddressField, {10, 0, 0, 255}, 3},
        {AddressField, {10, 300, 999, 0}, 1},     {NetmaskField, {255, 0, 255, 0}, -1},
        {NetmaskField, {255, 255, 255, 254}, -1}, {NetmaskField, {0, 255, 255, 0}, 0},
        {NetmaskField, {255, 256, 0, 0}, 1},      {NetmaskField, {255, 255, 256, 0}, 2},
        {NetmaskField, {255, 255, 255, 255}, 3},  {GatewayField, {255, 255, 255, 254}, -1},
        {GatewayField, {0, 168, 0, 1}, 0},        {GatewayField, {192, 256, 0, 1}, 1},
        {GatewayField, {192, 168, 256, 1}, 2},    {GatewayField, {192, 168, 0, 0}, 3},
        {GatewayField, {192, 168, 0, 255}, 3},
    };
    for (const Row& row : rows) {
        const OctetCheck check = CheckOctets(row.kind, row.octets.data());
        EXPECT_EQ(check.failedOctet, row.failed) << "row " << (&row - rows);
        EXPECT_EQ(check.message == nullptr, row.failed < 0) << "row " << (&row - rows);
    }
    // Each octet of each field has its own message.
    const int bad[4] = {999, 999, 999, 999};
    EXPECT_STREQ(CheckOctets(NetmaskField, bad).message,
                 "Invalid subnet mask address in 1st digit. It should be 1-255.");
    const int badThird[4] = {1, 1, 999, 1};
    EXPECT_STREQ(CheckOctets(GatewayField, badThird).message,
                 "Invalid gateway IP address in 3rd digit. It should be 0-255.");
}

} // namespace
} // namespace telvorin
