// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/DottedAddress.h"

#include <cstdio>
#include <cstring>

namespace telvorin {

namespace {

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

int HexValue(char c)
{
    if (IsDigit(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

bool IsSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

} // namespace

int ParseDottedAddress(std::string_view text, std::uint32_t& out)
{
    // A C string ends at its first NUL.
    if (const auto nul = text.find('\0'); nul != std::string_view::npos)
        text = text.substr(0, nul);

    std::uint64_t parts[3] = {};
    int dots = 0;
    std::size_t i = 0;
    std::uint64_t value = 0;
    for (;;) {
        if (i >= text.size() || !IsDigit(text[i]))
            return 0;
        int base = 10;
        bool digits = false;
        if (text[i] == '0') {
            ++i;
            if (i < text.size() && (text[i] == 'x' || text[i] == 'X')) {
                base = 16;
                ++i;
            } else {
                base = 8;
                digits = true; // the "0" itself
            }
        }
        value = 0;
        while (i < text.size()) {
            const int digit = HexValue(text[i]);
            if (digit < 0 || digit >= base) {
                if (base == 8 && IsDigit(text[i]))
                    return 0; // 8 or 9 in an octal part
                break;
            }
            value = value * static_cast<unsigned>(base) + static_cast<unsigned>(digit);
            // More than 32 bits never fits, and must not wrap into a valid address.
            if (value > 0xFFFFFFFFu)
                return 0;
            digits = true;
            ++i;
        }
        if (!digits)
            return 0; // "0x" without hexadecimal digits
        if (i < text.size() && text[i] == '.') {
            if (dots == 3 || value > 0xFF)
                return 0;
            parts[dots++] = value;
            ++i;
            continue;
        }
        break;
    }
    for (; i < text.size(); ++i) {
        if (!IsSpace(text[i]))
            return 0;
    }

    static constexpr std::uint64_t lastPartMax[4] = {0xFFFFFFFFu, 0xFFFFFFu, 0xFFFFu, 0xFFu};
    if (value > lastPartMax[dots])
        return 0;
    std::uint32_t address = static_cast<std::uint32_t>(value);
    for (int k = 0; k < dots; ++k)
        address |= static_cast<std::uint32_t>(parts[k]) << (24 - 8 * k);

    // Network byte order: the first octet in the lowest-addressed byte.
    const std::uint8_t bytes[4] = {
        static_cast<std::uint8_t>(address >> 24), static_cast<std::uint8_t>(address >> 16),
        static_cast<std::uint8_t>(address >> 8), static_cast<std::uint8_t>(address)};
    std::memcpy(&out, bytes, sizeof out);
    return 1;
}

bool SameSubnet(const std::uint8_t device[4], const std::uint8_t netmask[4], const std::uint8_t local[4])
{
    for (int k = 0; k < 4; ++k) {
        if ((local[k] & netmask[k]) != (device[k] & netmask[k]))
            return false;
    }
    return true;
}

std::string FormatDottedAddress(const std::array<int, 4>& octets)
{
    // Wide enough for four full ints, so no value is ever cut.
    char text[48];
    std::snprintf(text, sizeof text, "%d.%d.%d.%d", octets[0], octets[1], octets[2], octets[3]);
    return text;
}

std::string FormatDottedAddress(std::uint32_t networkOrder)
{
    std::uint8_t b[4];
    std::memcpy(b, &networkOrder, sizeof b);
    return FormatDottedAddress({b[0], b[1], b[2], b[3]});
}

} // namespace telvorin
