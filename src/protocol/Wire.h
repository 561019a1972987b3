// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <span>
#include <string>
#include <string_view>

// The datagram layout, and bounded readers for received datagrams. Every read stops at
// the received bytes: a field that lies beyond them reads as zero bytes, as if the
// datagram had been padded.
namespace telvorin::wire {

// Every datagram begins with the opcode and the client id; four zero bytes follow.
constexpr std::size_t OpcodeAt = 0;
constexpr std::size_t ClientIdAt = 1;
constexpr std::size_t HeaderLength = 11;

// A request to one device: its id (key and address) and the item after the header.
constexpr std::size_t DeviceIdAt = 11;
constexpr std::size_t ItemAt = 21;
// A get request: the length of what follows, then that many bytes (the login's user and
// password).
constexpr std::size_t GetLengthAt = 24;
constexpr std::size_t GetValueAt = 28;
// A set request: netmask and gateway in fixed fields, then the length and the value.
constexpr std::size_t SetNetmaskAt = 24;
constexpr std::size_t SetGatewayAt = 40;
constexpr std::size_t SetLengthAt = 56;
constexpr std::size_t SetValueAt = 60;

// Reply offsets.
constexpr std::size_t DeviceAddressAt = 17;
constexpr std::size_t DhcpFlagAt = 21;
constexpr std::size_t NetmaskAt = 24;
constexpr std::size_t GatewayAt = 40;
constexpr std::size_t AddressFieldWidth = 16;
constexpr std::size_t NameLengthAt = 56;
constexpr std::size_t NameAt = 60;
constexpr std::size_t Selector1At = 56;
constexpr std::size_t Selector2At = 57;
constexpr std::size_t ExtNameLengthAt = 68;
constexpr std::size_t ExtNameAt = 72;
constexpr std::size_t ValueAt = 28;
constexpr std::size_t MaxNameLength = 255;

inline std::uint8_t byteAt(std::span<const std::uint8_t> d, std::size_t offset)
{
    return offset < d.size() ? d[offset] : 0;
}

inline std::uint32_t le32At(std::span<const std::uint8_t> d, std::size_t offset)
{
    std::uint32_t v = 0;
    for (std::size_t i = 0; i < 4; ++i)
        v |= static_cast<std::uint32_t>(byteAt(d, offset + i)) << (8 * i);
    return v;
}

// At most maxLength bytes from offset, ending early at a zero byte or the datagram's end.
inline std::string_view textAt(std::span<const std::uint8_t> d, std::size_t offset, std::size_t maxLength)
{
    if (offset >= d.size())
        return {};
    std::size_t n = 0;
    const std::size_t limit = std::min(maxLength, d.size() - offset);
    while (n < limit && d[offset + n] != 0)
        ++n;
    return {reinterpret_cast<const char*>(d.data() + offset), n};
}

// Exactly the bytes at [offset, offset+length), cut to what was received.
inline std::string_view bytesAt(std::span<const std::uint8_t> d, std::size_t offset, std::size_t length)
{
    if (offset >= d.size())
        return {};
    return {reinterpret_cast<const char*>(d.data() + offset), std::min(length, d.size() - offset)};
}

inline std::string dottedAt(std::span<const std::uint8_t> d, std::size_t offset)
{
    char text[16];
    std::snprintf(text, sizeof text, "%u.%u.%u.%u", unsigned{byteAt(d, offset)},
                  unsigned{byteAt(d, offset + 1)}, unsigned{byteAt(d, offset + 2)},
                  unsigned{byteAt(d, offset + 3)});
    return text;
}

} // namespace telvorin::wire
