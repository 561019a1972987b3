// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/SafeNames.h"

namespace telvorin {

bool HasControlCharacter(const std::string& text)
{
    for (const unsigned char c : text) {
        if (c < 0x20 || c == 0x7f)
            return true;
    }
    return false;
}

bool IsSafeComponent(const std::string& text, std::size_t maxLength)
{
    return !text.empty() && text.size() <= maxLength && text != "." && text != ".." &&
           text.find('/') == std::string::npos && text.find('\\') == std::string::npos &&
           !HasControlCharacter(text);
}

} // namespace telvorin
