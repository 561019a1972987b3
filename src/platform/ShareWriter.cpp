// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ShareWriter.h"

namespace telvorin {

std::string SharePath::text() const
{
    std::string t = "\\\\" + host + "\\" + share;
    for (const std::string& c : components)
        t += "\\" + c;
    return t;
}

bool IsSafeComponent(std::string_view name)
{
    return !name.empty() && name != "." && name != ".." &&
           name.find_first_of(std::string_view("/\\\0", 3)) == std::string_view::npos;
}

std::optional<SharePath> ParseNetworkPath(std::string_view text)
{
    if (text.size() < 2 || text[0] != '\\' || text[1] != '\\')
        return std::nullopt;
    std::vector<std::string> parts;
    std::size_t start = 2;
    for (;;) {
        const std::size_t end = text.find_first_of("\\/", start);
        const std::string_view part = text.substr(start, end == std::string_view::npos ? end : end - start);
        if (!IsSafeComponent(part))
            return std::nullopt;
        parts.emplace_back(part);
        if (end == std::string_view::npos)
            break;
        start = end + 1;
    }
    if (parts.size() < 2)
        return std::nullopt;
    SharePath p;
    p.host = parts[0];
    p.share = parts[1];
    p.components.assign(parts.begin() + 2, parts.end());
    return p;
}

} // namespace telvorin
