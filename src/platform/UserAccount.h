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

// The user's base folders for settings and data: $XDG_CONFIG_HOME and $XDG_DATA_HOME,
// else ~/.config and ~/.local/share. Relative values count as unset, and so does a
// relative $HOME, which gives way to the account's home folder. Empty without any home.
std::string UserConfigFolder();
std::string UserDataFolder();

} // namespace telvorin
