// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace telvorin {

// The account the program runs under (effective user id). One place reads the password
// database, so every caller agrees on who "the user" is.
struct UserAccount {
    std::string userName; // empty when the account has no entry
    std::string homeFolder;
};

UserAccount CurrentUserAccount();

} // namespace telvorin
