// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/LetterRecords.h"

#include "platform/FileReplace.h"
#include "platform/GioHandles.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string_view>

#include <sys/stat.h>
#include <unistd.h>

namespace telvorin::gio {

bool EqualIgnoringUnicodeCase(const std::string& a, const std::string& b)
{
    if (!g_utf8_validate(a.c_str(), static_cast<gssize>(a.size()), nullptr) ||
        !g_utf8_validate(b.c_str(), static_cast<gssize>(b.size()), nullptr))
        return a.size() == b.size() && g_ascii_strncasecmp(a.c_str(), b.c_str(), a.size()) == 0;
    const GText fa(g_utf8_casefold(a.c_str(), static_cast<gssize>(a.size())));
    const GText fb(g_utf8_casefold(b.c_str(), static_cast<gssize>(b.size())));
    return std::strcmp(fa.get(), fb.get()) == 0;
}

std::string ParentOf(const std::string& path)
{
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos || slash == 0 ? std::string("/") : path.substr(0, slash);
}

std::string EntryTarget(const std::string& entry, bool* isLink)
{
    struct stat st {};
    if (lstat(entry.c_str(), &st) != 0)
        return {};
    if (isLink)
        *isLink = S_ISLNK(st.st_mode);
    if (!S_ISLNK(st.st_mode))
        return entry;
    std::string target(4096, '\0');
    const ssize_t n = readlink(entry.c_str(), target.data(), target.size() - 1);
    if (n <= 0)
        return {};
    target.resize(static_cast<std::size_t>(n));
    if (target.front() != '/')
        target = ParentOf(entry) + "/" + target;
    return target;
}

namespace {

constexpr std::string_view MadeHereLine = "mounted-by=telvorin";
constexpr std::string_view FoundLine = "mounted-by=other";
constexpr std::string_view DomainKey = "domain=";

} // namespace

std::optional<Record> ReadRecord(const std::string& path)
{
    std::ifstream in(path);
    Record record;
    if (!in || !std::getline(in, record.remoteName))
        return std::nullopt;
    for (std::string line; std::getline(in, line);) {
        if (line == MadeHereLine)
            record.madeHere = true;
        else if (line.starts_with(DomainKey))
            record.domain = line.substr(DomainKey.size());
    }
    return record;
}

bool WriteRecord(const std::string& path, const Record& record)
{
    const std::string text = record.remoteName + "\n" +
                             std::string(record.madeHere ? MadeHereLine : FoundLine) + "\n" +
                             std::string(DomainKey) + record.domain + "\n";
    return ReplaceFile(path, text, nullptr, 0600);
}

} // namespace telvorin::gio
