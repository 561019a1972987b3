// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "resources/DialogTemplate.h"

namespace telvorin {

// Control ids of the login dialog (template 134).
enum LoginControlId : int {
    IdLoginOk = 1,
    IdLoginCancel = 2,
    IdUserName = 1016,
    IdPassword = 1017,
};

extern const DialogTemplate LoginTemplate; // 134

} // namespace telvorin
