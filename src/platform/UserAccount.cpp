// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/UserAccount.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <vector>

namespace telvorin {

UserAccount CurrentUserAccount()
{
    // getpwuid_r: the static buffer of getpwuid is shared with any other thread asking.
    long size = ::sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(size > 0 ? static_cast<std::size_t>(size) : 16384);
    passwd entry{};
    passwd* found = nullptr;
    UserAccount account;
    if (::getpwuid_r(::geteuid(), &entry, buffer.data(), buffer.size(), &found) != 0 || !found)
        return account;
    if (found->pw_name)
        account.userName = found->pw_name;
    if (found->pw_dir)
        account.homeFolder = found->pw_dir;
    return account;
}

namespace {

std::string BaseFolder(const char* variable, const char* underHome)
{
    if (const char* value = std::getenv(variable); value && value[0] == '/')
        return value;
    if (const char* home = std::getenv("HOME"); home && home[0] == '/')
        return std::string(home) + underHome;
    const std::string home = CurrentUserAccount().homeFolder;
    return home.empty() ? std::string() : home + underHome;
}

} // namespace

std::string UserConfigFolder()
{
    return BaseFolder("XDG_CONFIG_HOME", "/.config");
}

std::string UserDataFolder()
{
    return BaseFolder("XDG_DATA_HOME", "/.local/share");
}

} // namespace telvorin
