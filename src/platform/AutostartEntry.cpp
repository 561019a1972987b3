// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/AutostartEntry.h"

#include "platform/FileReplace.h"
#include "platform/UserAccount.h"
#include "rules/SafeNames.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include <sys/stat.h>
#include <unistd.h>

namespace telvorin {

namespace {

constexpr const char* EntryName = "telvorin-drives.desktop";
constexpr const char* ProbeName = "telvorin-probe";

} // namespace

AutostartEntry::AutostartEntry(std::string folder)
{
    if (folder.empty())
        folder = defaultFolder();
    while (folder.size() > 1 && folder.back() == '/')
        folder.pop_back();
    path_ = folder + "/" + EntryName;
}

std::string AutostartEntry::defaultFolder()
{
    return UserConfigFolder() + "/autostart";
}

std::string AutostartEntry::defaultProgram()
{
    std::string self(4096, '\0');
    const ssize_t n = readlink("/proc/self/exe", self.data(), self.size() - 1);
    if (n > 0) {
        self.resize(static_cast<std::size_t>(n));
        const auto slash = self.find_last_of('/');
        const std::string beside = self.substr(0, slash + 1) + ProbeName;
        if (slash != std::string::npos && !HasControlCharacter(beside) && access(beside.c_str(), X_OK) == 0)
            return beside;
    }
    return ProbeName;
}

std::string AutostartEntry::execArgument(const std::string& argument)
{
    // Field codes start with "%", so a literal one is doubled.
    std::string text;
    bool reserved = argument.empty();
    for (const char c : argument) {
        if (c == '%')
            text += '%';
        text += c;
        if (std::string_view(" \t\n\"'\\><~|&;$*?#()`").find(c) != std::string_view::npos)
            reserved = true;
    }
    if (reserved) {
        std::string quoted = "\"";
        for (const char c : text) {
            if (c == '"' || c == '`' || c == '$' || c == '\\')
                quoted += '\\';
            quoted += c;
        }
        text = quoted + '"';
    }
    // The key's value is itself escaped: a backslash is written twice again.
    std::string value;
    for (const char c : text) {
        if (c == '\\')
            value += '\\';
        value += c;
    }
    return value;
}

std::string AutostartEntry::text(const std::string& program)
{
    return "[Desktop Entry]\n"
           "Type=Application\n"
           "Name=Telvorin drive letters\n"
           "Comment=Keeps the shares of the drive letters mapped with Telvorin mounted\n"
           "Exec=" +
           execArgument(program) +
           " drives watch\n"
           "Terminal=false\n"
           "NoDisplay=true\n";
}

bool AutostartEntry::exists() const
{
    struct stat st {};
    return lstat(path_.c_str(), &st) == 0;
}

bool AutostartEntry::write(const std::string& program) const
{
    const std::string text = AutostartEntry::text(program);
    std::string current;
    if (ReadWholeFile(path_, current) && current == text)
        return true;
    // Written aside and renamed over, so a login never reads half an entry.
    return ReplaceFile(path_, text);
}

bool AutostartEntry::remove() const
{
    return unlink(path_.c_str()) == 0 || errno == ENOENT;
}

} // namespace telvorin
