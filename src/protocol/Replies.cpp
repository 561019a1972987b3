// SPDX-License-Identifier: GPL-3.0-or-later
#include "protocol/Replies.h"

#include "protocol/Wire.h"

#include <algorithm>

namespace telvorin {

std::string ReplyAddress(std::span<const std::uint8_t> reply)
{
    return wire::dottedAt(reply, wire::DeviceAddressAt);
}

std::optional<DeviceRecord> ParseSearchReply(std::span<const std::uint8_t> reply, int slot, int selector1,
                                             int selector2)
{
    auto fits = [](std::uint8_t field, int selector) { return selector == 0 || field == selector; };

    std::size_t lengthAt = 0;
    std::size_t nameAt = 0;
    switch (wire::byteAt(reply, wire::OpcodeAt)) {
    case OpSearchReply:
        lengthAt = wire::NameLengthAt;
        nameAt = wire::NameAt;
        break;
    case OpSearchReplyExt:
        if (!fits(wire::byteAt(reply, wire::Selector1At), selector1) ||
            !fits(wire::byteAt(reply, wire::Selector2At), selector2))
            return std::nullopt;
        lengthAt = wire::ExtNameLengthAt;
        nameAt = wire::ExtNameAt;
        break;
    default: return std::nullopt;
    }

    // A length beyond the datagram or the name field keeps what was actually received.
    const std::size_t nameLength = std::min<std::size_t>(wire::le32At(reply, lengthAt), wire::MaxNameLength);

    DeviceRecord record;
    record.name = wire::bytesAt(reply, nameAt, nameLength);
    record.ipText = ReplyAddress(reply);
    record.netmaskText = wire::textAt(reply, wire::NetmaskAt, wire::AddressFieldWidth);
    record.gatewayText = wire::textAt(reply, wire::GatewayAt, wire::AddressFieldWidth);
    const char flag = static_cast<char>(wire::byteAt(reply, wire::DhcpFlagAt));
    record.dhcpFlag = std::string_view(&flag, 1);
    for (std::size_t i = 0; i < record.deviceId.size(); ++i)
        record.deviceId[i] = wire::byteAt(reply, wire::DeviceIdAt + i);
    record.interfaceIndex = slot;
    return record;
}

std::string_view ParseGetValue(std::span<const std::uint8_t> reply)
{
    return wire::textAt(reply, wire::ValueAt, reply.size());
}

int ParseLoginResult(std::span<const std::uint8_t> reply)
{
    return static_cast<std::int8_t>(wire::byteAt(reply, wire::ValueAt));
}

VolumeList ParseVolumeList(std::string_view value)
{
    VolumeList volumes;
    while (!value.empty()) {
        const std::size_t colon = value.find(':');
        const std::string_view piece = value.substr(0, colon);
        // Compare what the list would store, so a long name is not added twice.
        const decltype(VolumeEntry::name) stored(piece);
        if (!stored.empty() && !volumes.contains(stored.view()))
            volumes.append(stored.view());
        if (colon == std::string_view::npos)
            break;
        value.remove_prefix(colon + 1);
    }
    return volumes;
}

} // namespace telvorin
