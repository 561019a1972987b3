// SPDX-License-Identifier: GPL-3.0-or-later
#include "Wire.h"

#include <cstdio>

namespace telvorin::emu {

namespace {

std::uint32_t readLe32(const Bytes& d, std::size_t at)
{
    return static_cast<std::uint32_t>(d[at]) | static_cast<std::uint32_t>(d[at + 1]) << 8 |
           static_cast<std::uint32_t>(d[at + 2]) << 16 | static_cast<std::uint32_t>(d[at + 3]) << 24;
}

void putLe32(Bytes& d, std::size_t at, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        d[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(v >> (8 * i));
}

// Text up to the first zero byte inside a fixed field.
std::string fieldText(const Bytes& d, std::size_t at, std::size_t width)
{
    std::string s;
    for (std::size_t i = at; i < at + width && i < d.size() && d[i] != 0; ++i)
        s.push_back(static_cast<char>(d[i]));
    return s;
}

// Writes text into a fixed field; the field is zero-padded, and a text as long as the
// field fills it without a terminator.
void putField(Bytes& d, std::size_t at, std::size_t width, const std::string& text)
{
    for (std::size_t i = 0; i < width && i < text.size(); ++i)
        d[at + i] = static_cast<std::uint8_t>(text[i]);
}

void putHead(Bytes& d, const ReplyHead& head)
{
    d[0] = head.opcode;
    for (std::size_t i = 0; i < 10; ++i)
        d[1 + i] = head.tag[i];
    for (std::size_t i = 0; i < 6; ++i)
        d[11 + i] = head.key[i];
    for (std::size_t i = 0; i < 4; ++i)
        d[17 + i] = head.address[i];
}

} // namespace

std::optional<Request> parseRequest(const Bytes& d)
{
    if (d.size() < wire::HeaderSize)
        return std::nullopt;
    Request r;
    r.opcode = d[0];
    for (std::size_t i = 0; i < 10; ++i)
        r.tag[i] = d[1 + i];
    switch (r.opcode) {
    case wire::Search:
        if (d.size() != wire::HeaderSize)
            return std::nullopt;
        return r;
    case wire::Get:
    case wire::Set: {
        const std::size_t fixed = r.opcode == wire::Get ? wire::GetSize : wire::SetSize;
        if (d.size() < fixed)
            return std::nullopt;
        for (std::size_t i = 0; i < 6; ++i)
            r.key[i] = d[11 + i];
        for (std::size_t i = 0; i < 4; ++i)
            r.address[i] = d[17 + i];
        r.item = d[21];
        const std::size_t lengthAt = fixed - 4;
        const std::uint32_t length = readLe32(d, lengthAt);
        // A request carries no terminator: its length is exactly the sum of its fields.
        if (length != d.size() - fixed)
            return std::nullopt;
        r.value.assign(d.begin() + static_cast<std::ptrdiff_t>(fixed), d.end());
        if (r.opcode == wire::Set) {
            r.netmask = fieldText(d, 24, 16);
            r.gateway = fieldText(d, 40, 16);
        }
        return r;
    }
    default: return std::nullopt;
    }
}

Bytes buildSearchReply(const ReplyHead& head, const SearchAnswer& a)
{
    const std::size_t nameAt = a.extended ? 72 : 60;
    Bytes d(nameAt + a.name.size(), 0);
    ReplyHead h = head;
    h.opcode = a.extended ? wire::SearchReplyExt : wire::SearchReply;
    putHead(d, h);
    d[21] = a.dhcp ? '1' : 0;
    putField(d, 24, 16, a.netmask);
    putField(d, 40, 16, a.gateway);
    if (a.extended) {
        d[56] = a.selector1;
        d[57] = a.selector2;
        putLe32(d, 68, static_cast<std::uint32_t>(a.name.size()));
    } else {
        putLe32(d, 56, static_cast<std::uint32_t>(a.name.size()));
    }
    for (std::size_t i = 0; i < a.name.size(); ++i)
        d[nameAt + i] = static_cast<std::uint8_t>(a.name[i]);
    return d;
}

Bytes buildGetReply(const ReplyHead& head, std::uint8_t item, const Bytes& value)
{
    Bytes d(wire::GetSize + value.size(), 0);
    ReplyHead h = head;
    h.opcode = wire::GetReply;
    putHead(d, h);
    d[21] = item;
    putLe32(d, 24, static_cast<std::uint32_t>(value.size()));
    for (std::size_t i = 0; i < value.size(); ++i)
        d[wire::GetSize + i] = value[i];
    return d;
}

Bytes buildSetReply(const ReplyHead& head, std::uint8_t item)
{
    Bytes d(wire::GetSize, 0);
    ReplyHead h = head;
    h.opcode = wire::SetReply;
    putHead(d, h);
    d[21] = item;
    return d;
}

std::optional<Login> splitLogin(const Bytes& value)
{
    for (std::size_t i = 0; i + 1 < value.size(); ++i) {
        if (value[i] == 0x55 && value[i + 1] == 0xAA) {
            Login l;
            l.user.assign(value.begin(), value.begin() + static_cast<std::ptrdiff_t>(i));
            l.password.assign(value.begin() + static_cast<std::ptrdiff_t>(i + 2), value.end());
            return l;
        }
    }
    return std::nullopt;
}

std::optional<std::array<std::uint8_t, 4>> parseAddress(const std::string& text)
{
    std::array<std::uint8_t, 4> out{};
    std::size_t pos = 0;
    for (int part = 0; part < 4; ++part) {
        if (part > 0) {
            if (pos >= text.size() || text[pos] != '.')
                return std::nullopt;
            ++pos;
        }
        int value = 0;
        std::size_t digits = 0;
        while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9' && digits < 3) {
            value = value * 10 + (text[pos] - '0');
            ++pos;
            ++digits;
        }
        if (digits == 0 || value > 255)
            return std::nullopt;
        out[static_cast<std::size_t>(part)] = static_cast<std::uint8_t>(value);
    }
    if (pos != text.size())
        return std::nullopt;
    return out;
}

std::string formatAddress(const std::array<std::uint8_t, 4>& a)
{
    char buf[20];
    std::snprintf(buf, sizeof buf, "%u.%u.%u.%u", unsigned{a[0]}, unsigned{a[1]}, unsigned{a[2]},
                  unsigned{a[3]});
    return buf;
}

std::string toHex(const Bytes& bytes)
{
    static const char digits[] = "0123456789abcdef";
    std::string s;
    s.reserve(bytes.size() * 2);
    for (std::uint8_t b : bytes) {
        s.push_back(digits[b >> 4]);
        s.push_back(digits[b & 15]);
    }
    return s;
}

std::optional<Bytes> fromHex(const std::string& text)
{
    if (text.size() % 2 != 0)
        return std::nullopt;
    auto nibble = [](char c) -> int {
        if (c >= '0' && c <= '9')
            return c - '0';
        if (c >= 'a' && c <= 'f')
            return c - 'a' + 10;
        if (c >= 'A' && c <= 'F')
            return c - 'A' + 10;
        return -1;
    };
    Bytes out;
    for (std::size_t i = 0; i < text.size(); i += 2) {
        const int hi = nibble(text[i]);
        const int lo = nibble(text[i + 1]);
        if (hi < 0 || lo < 0)
            return std::nullopt;
        out.push_back(static_cast<std::uint8_t>(hi << 4 | lo));
    }
    return out;
}

} // namespace telvorin::emu
