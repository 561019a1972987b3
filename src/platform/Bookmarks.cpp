// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Bookmarks.h"

#include "platform/FileReplace.h"
#include "platform/GioHandles.h"
#include "platform/UserAccount.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace telvorin::bookmarks {

namespace {

// The URI of one line: everything up to the first space (GTK's own reading).
std::string_view LineUri(std::string_view line)
{
    if (!line.empty() && line.back() == '\r')
        line.remove_suffix(1);
    return line.substr(0, line.find(' '));
}

// Calls `visit(line, withNewline)` for each line, the newline kept apart so that a last
// line without one stays without one.
template <typename Visit> void ForEachLine(const std::string& text, Visit visit)
{
    std::size_t start = 0;
    while (start < text.size()) {
        const auto end = text.find('\n', start);
        if (end == std::string::npos) {
            visit(std::string_view(text).substr(start), std::string_view(text).substr(start));
            return;
        }
        visit(std::string_view(text).substr(start, end - start),
              std::string_view(text).substr(start, end - start + 1));
        start = end + 1;
    }
}

std::string Edit(const std::string& text, const std::string& uri, const std::string* label)
{
    std::string out;
    out.reserve(text.size() + uri.size() + 64);
    bool placed = label == nullptr;
    const std::string line = label ? uri + " " + *label : std::string();
    ForEachLine(text, [&](std::string_view bare, std::string_view whole) {
        if (LineUri(bare) != uri) {
            out += whole;
            return;
        }
        if (!placed) {
            out += line;
            out += '\n';
            placed = true;
        }
    });
    if (!placed) {
        if (!out.empty() && out.back() != '\n')
            out += '\n';
        out += line;
        out += '\n';
    }
    return out;
}

bool Update(const std::string& given, const std::string& uri, const std::string* label, std::string* why)
{
    // A bookmarks file that is a link (into a dotfiles folder, say) stays a link: the
    // file it points at is the one replaced.
    std::string path = given;
    if (char* real = realpath(given.c_str(), nullptr)) {
        path = real;
        std::free(real);
    }
    std::string text;
    if (!ReadWholeFile(path, text, why))
        return false;
    const std::string edited = Edit(text, uri, label);
    if (edited == text)
        return true;
    return ReplaceFile(path, edited, why);
}

} // namespace

std::string DefaultPath()
{
    return UserConfigFolder() + "/gtk-3.0/bookmarks";
}

std::string FileUri(const std::string& path)
{
    const gio::GText uri(g_filename_to_uri(path.c_str(), nullptr, nullptr));
    return uri ? std::string(uri.get()) : std::string();
}

std::string WithBookmark(const std::string& text, const std::string& uri, const std::string& label)
{
    return Edit(text, uri, &label);
}

std::string WithoutBookmark(const std::string& text, const std::string& uri)
{
    return Edit(text, uri, nullptr);
}

bool Add(const std::string& path, const std::string& uri, const std::string& label, std::string* why)
{
    return Update(path, uri, &label, why);
}

bool Remove(const std::string& path, const std::string& uri, std::string* why)
{
    return Update(path, uri, nullptr, why);
}

} // namespace telvorin::bookmarks
