// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace telvorin {

// Whether the session bus offers a Secret Service (org.freedesktop.secrets), running or
// started on demand: the desktop keyring in which GVfs keeps remembered share passwords.
// When not, `why` says so in words for the user. Asks the bus with a short time-out.
bool SecretServiceOnBus(std::string* why);

} // namespace telvorin
