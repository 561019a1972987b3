// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/DottedAddress.h"

#include <gtest/gtest.h>

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

TEST(FormatDottedAddress, WritesEachOctetInDecimalWithoutCutting)
{
    EXPECT_EQ(FormatDottedAddress({192, 168, 0, 10}), "192.168.0.10");
    EXPECT_EQ(FormatDottedAddress({0, 0, 0, 0}), "0.0.0.0");
    // Out-of-range values are written whole, never cut to a short buffer.
    EXPECT_EQ(FormatDottedAddress({-1, 1000, 2147483647, 5}), "-1.1000.2147483647.5");
    std::uint32_t parsed = 0;
    ASSERT_EQ(ParseDottedAddress("0xC0.168.010.255", parsed), 1);
    EXPECT_EQ(FormatDottedAddress(parsed), "192.168.8.255");
}

} // namespace
} // namespace telvorin
