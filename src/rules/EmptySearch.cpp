// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/EmptySearch.h"

namespace telvorin {

std::string EmptySearchText(int interfaceCount, int port)
{
    if (interfaceCount <= 0)
        return NoNetworkText;
    std::string text = NoReplyText;
    const std::string::size_type at = text.find("%1");
    if (at != std::string::npos)
        text.replace(at, 2, std::to_string(port));
    return text;
}

} // namespace telvorin
