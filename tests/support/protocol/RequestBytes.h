// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The requests a device should receive, laid out field by field for tests to compare
// with what was sent. Written apart from the protocol's own builders, so that a fault in
// those shows as a difference.

#include "protocol/ProtocolTypes.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace telvorin::test {

using Bytes = std::vector<std::uint8_t>;

// Opcode, client id, four zero bytes: the whole search request, and every request's head.
inline Bytes RequestHeader(std::uint8_t opcode, const ClientId& id)
{
    Bytes b{opcode};
    b.insert(b.end(), id.begin(), id.end());
    b.insert(b.end(), 4, 0);
    return b;
}

// A device id from its key in hex ("0a0b0c000010") and its dotted address.
inline Bytes DeviceIdBytes(const std::string& keyHex, const std::string& ip)
{
    Bytes b;
    for (std::size_t i = 0; i + 1 < keyHex.size(); i += 2)
        b.push_back(static_cast<std::uint8_t>(std::stoi(keyHex.substr(i, 2), nullptr, 16)));
    std::istringstream octets(ip);
    for (std::string o; std::getline(octets, o, '.');)
        b.push_back(static_cast<std::uint8_t>(std::stoi(o)));
    return b;
}

namespace detail {
inline void AppendLe32(Bytes& b, std::size_t v)
{
    for (int i = 0; i < 4; ++i)
        b.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}
inline void AppendText(Bytes& b, const std::string& text, std::size_t field = 0)
{
    b.insert(b.end(), text.begin(), text.end());
    if (field > text.size())
        b.insert(b.end(), field - text.size(), 0);
}
inline Bytes DeviceHead(std::uint8_t opcode, const ClientId& id, const Bytes& deviceId, std::uint8_t item)
{
    Bytes b = RequestHeader(opcode, id);
    b.insert(b.end(), deviceId.begin(), deviceId.end());
    b.insert(b.end(), {item, 0, 0});
    return b;
}
} // namespace detail

// A get request; value is what follows the length (empty but for the login).
inline Bytes GetRequestBytes(const ClientId& id, const Bytes& deviceId, std::uint8_t item,
                             const Bytes& value = {})
{
    Bytes b = detail::DeviceHead(OpGet, id, deviceId, item);
    detail::AppendLe32(b, value.size());
    b.insert(b.end(), value.begin(), value.end());
    return b;
}

inline Bytes LoginRequestBytes(const ClientId& id, const Bytes& deviceId, const std::string& user,
                               const std::string& password)
{
    Bytes value(user.begin(), user.end());
    value.insert(value.end(), {0x55, 0xAA});
    value.insert(value.end(), password.begin(), password.end());
    return GetRequestBytes(id, deviceId, ItemLogin, value);
}

inline Bytes SetRequestBytes(const ClientId& id, const Bytes& deviceId, std::uint8_t item,
                             const std::string& netmask, const std::string& gateway, const std::string& value)
{
    Bytes b = detail::DeviceHead(OpSet, id, deviceId, item);
    detail::AppendText(b, netmask, 16);
    detail::AppendText(b, gateway, 16);
    detail::AppendLe32(b, value.size());
    detail::AppendText(b, value);
    return b;
}

// A request read back from its bytes: what it asks, of which item (-1 for a request too
// short to name one, as a search is) and, for a set, the value it carries.
struct HeardRequest {
    int opcode = -1;
    int item = -1;
    std::string value;
    std::array<std::uint8_t, 4> to{}; // the address of the device asked
};

inline HeardRequest ReadRequest(const Bytes& bytes)
{
    constexpr std::size_t AddressAt = 17, ItemAt = 21, SetValueAt = 60;
    HeardRequest h;
    if (!bytes.empty())
        h.opcode = bytes[0];
    if (bytes.size() > ItemAt) {
        h.item = bytes[ItemAt];
        std::copy_n(bytes.begin() + AddressAt, h.to.size(), h.to.begin());
    }
    if (h.opcode == OpSet && bytes.size() > SetValueAt)
        h.value.assign(bytes.begin() + SetValueAt, bytes.end());
    return h;
}

// What a device was asked, in order; requests that name no item (searches) left out.
inline std::vector<HeardRequest> Heard(const std::vector<Bytes>& requests)
{
    std::vector<HeardRequest> out;
    for (const Bytes& r : requests) {
        HeardRequest h = ReadRequest(r);
        if (h.item >= 0)
            out.push_back(std::move(h));
    }
    return out;
}

inline int CountOf(const std::vector<HeardRequest>& heard, int opcode, int item)
{
    int n = 0;
    for (const HeardRequest& h : heard)
        n += h.opcode == opcode && h.item == item ? 1 : 0;
    return n;
}

} // namespace telvorin::test
