// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReplyChecks.h"

#include "protocol/Printable.h"
#include "protocol/ProtocolTypes.h"
#include "protocol/Replies.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <set>
#include <string>
#include <string_view>

namespace telvorin::fuzz {

namespace {

void Require(bool ok, const char* what, std::string_view detail = {})
{
    if (ok)
        return;
    std::fprintf(stderr, "reply check failed: %s [%s]\n", what, PrintableText(detail).c_str());
    std::abort();
}

// "%d.%d.%d.%d": four decimal numbers 0 to 255 without leading zeros.
bool IsDotted(std::string_view text)
{
    int parts = 0;
    std::size_t i = 0;
    while (i <= text.size()) {
        std::size_t digits = 0;
        unsigned value = 0;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9' && digits < 4) {
            value = value * 10 + static_cast<unsigned>(text[i] - '0');
            ++digits;
            ++i;
        }
        if (digits == 0 || digits > 3 || value > 255 || (digits > 1 && text[i - digits] == '0'))
            return false;
        ++parts;
        if (i == text.size())
            break;
        if (text[i] != '.' || parts == 4)
            return false;
        ++i;
    }
    return parts == 4;
}

template <std::size_t N> void CheckText(const FixedText<N>& text, std::string_view from, const char* what)
{
    Require(text.bytes()[N - 1] == '\0', what, "not terminated");
    Require(text.size() <= N - 1, what, text.view());
    Require(std::strlen(text.c_str()) == text.size(), what, text.view());
    // What is kept is the start of what was given, up to its first zero byte.
    const std::string_view given = from.substr(0, from.find('\0'));
    Require(given.substr(0, text.size()) == text.view(), what, text.view());
    Require(text.size() == std::min(given.size(), N - 1), what, text.view());
}

void CheckRecord(const DeviceRecord& record, int slot)
{
    Require(IsDotted(record.ipText.view()), "record address dotted", record.ipText.view());
    Require(record.name.size() <= 255 && record.name.bytes()[255] == '\0', "record name capacity");
    Require(record.netmaskText.size() <= 15 && record.gatewayText.size() <= 15, "record address texts");
    Require(record.dhcpFlag.size() <= 1, "record dhcp flag");
    Require(record.interfaceIndex == slot, "record slot");
    char dotted[16];
    std::snprintf(dotted, sizeof dotted, "%u.%u.%u.%u", unsigned{record.deviceId[6]},
                  unsigned{record.deviceId[7]}, unsigned{record.deviceId[8]}, unsigned{record.deviceId[9]});
    Require(record.ipText == std::string_view(dotted), "record address matches its id", record.ipText.view());
}

void CheckVolumes(const VolumeList& volumes, std::string_view value)
{
    std::set<std::string> seen;
    for (const VolumeEntry& v : volumes) {
        Require(!v.name.empty(), "volume name empty");
        Require(v.name.view().find(':') == std::string_view::npos, "volume name without ':'", v.name.view());
        Require(v.name.size() <= 131 && v.name.bytes()[131] == '\0', "volume name capacity", v.name.view());
        Require(seen.insert(v.name.str()).second, "volume listed once", v.name.view());
        Require(value.find(v.name.view()) != std::string_view::npos, "volume name from the value",
                v.name.view());
    }
}

void CheckDeviceList(const DeviceList& devices)
{
    Require(devices.count() <= DeviceList::MaxRecords, "device list bounded");
    std::set<std::string> seen;
    for (const DeviceRecord& r : devices) {
        Require(seen.insert(r.ipText.str()).second, "device listed once", r.ipText.view());
        Require(devices.find(r.ipText.view()) == &r, "lookup finds the record", r.ipText.view());
    }
}

void CheckPrintable(std::string_view text)
{
    for (const char c : PrintableText(text)) {
        const auto b = static_cast<unsigned char>(c);
        Require(b >= 0x20 && b != 0x7F, "printable text has no control bytes", text);
    }
}

void CheckValue(std::string_view value)
{
    Require(value.find('\0') == std::string_view::npos, "value ends at its zero byte");
    CheckText(FixedText<8>(value), value, "8-byte text");
    CheckText(FixedText<16>(value), value, "16-byte text");
    CheckText(FixedText<17>(value), value, "17-byte text");
    CheckText(FixedText<20>(value), value, "20-byte text");
    CheckText(FixedText<32>(value), value, "32-byte text");
    CheckText(FixedText<128>(value), value, "128-byte text");
    CheckText(FixedText<256>(value), value, "256-byte text");
    CheckVolumes(ParseVolumeList(value), value);
    CheckPrintable(value);
    (void)ReadDecimal(value);
}

} // namespace

void CheckReplies(std::span<const std::uint8_t> input)
{
    if (input.size() < 2)
        return;
    const int selector1 = input[0];
    const int selector2 = input[1];
    input = input.subspan(2);

    DeviceList devices;
    int index = 0;
    while (!input.empty()) {
        std::size_t length = input.size() >= 2 ? input[0] | (std::size_t{input[1]} << 8) : input.size();
        input = input.subspan(std::min<std::size_t>(2, input.size()));
        length = std::min({length, input.size(), std::size_t{DatagramCapacity}});
        const auto datagram = input.first(length);
        input = input.subspan(length);
        const int slot = index++ % MaxInterfaces;

        Require(IsDotted(ReplyAddress(datagram)), "reply address dotted", ReplyAddress(datagram));
        const int login = ParseLoginResult(datagram);
        Require(login >= -128 && login <= 127, "login verdict is one signed byte");
        CheckValue(ParseGetValue(datagram));

        if (const auto record = ParseSearchReply(datagram, slot, selector1, selector2)) {
            CheckRecord(*record, slot);
            const bool known = devices.contains(record->ipText.view());
            const auto added = devices.add(*record);
            Require(known == (added == DeviceList::Added::Known), "a known address is not added again");
            Require(devices.contains(record->ipText.view()) || added == DeviceList::Added::Full,
                    "an added record is found");
        }
    }
    CheckDeviceList(devices);

    // Moving a record to another's address keeps the lookup on the first of them.
    if (devices.count() >= 2) {
        DeviceList moved = devices;
        DeviceRecord* last = moved.find(moved[moved.count() - 1].ipText.view());
        const std::string firstIp = moved[0].ipText.str();
        moved.readdress(*last, firstIp);
        Require(moved.find(firstIp) == &moved[0], "the first of equal addresses is found", firstIp);
    }
}

} // namespace telvorin::fuzz
