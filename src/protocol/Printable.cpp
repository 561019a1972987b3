// SPDX-License-Identifier: GPL-3.0-or-later
#include "protocol/Printable.h"

#include <cstdint>

namespace telvorin {

namespace {

// Length of the valid UTF-8 sequence at text[i] that encodes no control character; 0
// when there is none (the byte is then escaped on its own).
std::size_t PlainSequenceAt(std::string_view text, std::size_t i)
{
    const auto byte = [&](std::size_t k) { return static_cast<std::uint8_t>(text[k]); };
    const std::uint8_t b0 = byte(i);
    if (b0 < 0x80)
        return b0 >= 0x20 && b0 != 0x7F && b0 != '\\' ? 1 : 0;

    std::size_t length = 0;
    std::uint32_t cp = 0;
    std::uint32_t min = 0;
    if ((b0 & 0xE0) == 0xC0) {
        length = 2;
        cp = b0 & 0x1Fu;
        min = 0x80;
    } else if ((b0 & 0xF0) == 0xE0) {
        length = 3;
        cp = b0 & 0x0Fu;
        min = 0x800;
    } else if ((b0 & 0xF8) == 0xF0) {
        length = 4;
        cp = b0 & 0x07u;
        min = 0x10000;
    } else {
        return 0;
    }
    if (i + length > text.size())
        return 0;
    for (std::size_t k = 1; k < length; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80)
            return 0;
        cp = (cp << 6) | (byte(i + k) & 0x3Fu);
    }
    const bool overlong = cp < min;
    const bool surrogate = cp >= 0xD800 && cp <= 0xDFFF;
    const bool c1 = cp >= 0x80 && cp <= 0x9F;
    if (overlong || surrogate || c1 || cp > 0x10FFFF)
        return 0;
    return length;
}

} // namespace

std::string PrintableText(std::string_view text)
{
    static const char hex[] = "0123456789abcdef";
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t n = PlainSequenceAt(text, i);
        if (n > 0) {
            out.append(text.substr(i, n));
            i += n;
            continue;
        }
        const auto b = static_cast<std::uint8_t>(text[i]);
        out += "\\x";
        out += hex[b >> 4];
        out += hex[b & 0x0F];
        ++i;
    }
    return out;
}

} // namespace telvorin
