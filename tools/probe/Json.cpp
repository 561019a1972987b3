// SPDX-License-Identifier: GPL-3.0-or-later
#include "Json.h"

#include <cstdint>
#include <cstdio>

namespace telvorin::probe {

namespace {

// Length of the valid UTF-8 sequence at the start of s, or 0 when it is not one
// (overlong forms, surrogates and values above U+10FFFF are not valid).
std::size_t Utf8SequenceLength(std::string_view s)
{
    const auto b0 = static_cast<std::uint8_t>(s[0]);
    std::size_t length = 0;
    std::uint32_t min = 0;
    std::uint32_t cp = 0;
    if (b0 < 0x80)
        return 1;
    if ((b0 & 0xE0) == 0xC0) {
        length = 2;
        min = 0x80;
        cp = b0 & 0x1F;
    } else if ((b0 & 0xF0) == 0xE0) {
        length = 3;
        min = 0x800;
        cp = b0 & 0x0F;
    } else if ((b0 & 0xF8) == 0xF0) {
        length = 4;
        min = 0x10000;
        cp = b0 & 0x07;
    } else {
        return 0;
    }
    if (s.size() < length)
        return 0;
    for (std::size_t i = 1; i < length; ++i) {
        const auto b = static_cast<std::uint8_t>(s[i]);
        if ((b & 0xC0) != 0x80)
            return 0;
        cp = (cp << 6) | (b & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        return 0;
    return length;
}

void AppendEscape(std::string& out, std::uint8_t b)
{
    char text[8];
    std::snprintf(text, sizeof text, "\\u%04x", static_cast<unsigned>(b));
    out += text;
}

} // namespace

std::string JsonString(std::string_view bytes)
{
    std::string out = "\"";
    while (!bytes.empty()) {
        const auto b = static_cast<std::uint8_t>(bytes[0]);
        const std::size_t n = Utf8SequenceLength(bytes);
        if (n == 0) {
            AppendEscape(out, b);
            bytes.remove_prefix(1);
            continue;
        }
        if (n == 1) {
            switch (b) {
            case '"': out += "\\\""; break;
            case '\\': out += "\\\\"; break;
            case '\n': out += "\\n"; break;
            case '\r': out += "\\r"; break;
            case '\t': out += "\\t"; break;
            default:
                if (b < 0x20 || b == 0x7F)
                    AppendEscape(out, b);
                else
                    out += static_cast<char>(b);
            }
        } else {
            out.append(bytes.substr(0, n));
        }
        bytes.remove_prefix(n);
    }
    out += '"';
    return out;
}

} // namespace telvorin::probe
