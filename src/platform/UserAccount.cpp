// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/UserAccount.h"

#include <pwd.h>
#include <unistd.h>

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

} // namespace telvorin
