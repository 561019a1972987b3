// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>

namespace telvorin {

// What an ask-password request offers to an interactive answerer, and what it answers.
struct CredentialRequest {
    std::string message;  // GVfs's own text ("Password required for share ...")
    std::string userName; // proposed values; the answerer overwrites them
    std::string domain;
    std::string password;
    bool needUserName = false;
    bool needDomain = false;
    bool anonymousAllowed = false;
    bool anonymous = false; // set by the answerer to log in as guest
};

// Answers one ask-password request; false means the user cancelled.
using CredentialAnswerer = std::function<bool(CredentialRequest&)>;

} // namespace telvorin
