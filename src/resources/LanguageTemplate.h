// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "resources/DialogTemplate.h"

namespace telvorin {

// Control ids of the language dialog (template 139).
enum LanguageControlId : int {
    IdLanguageOk = 1,
    IdLanguageCancel = 2,
    IdLanguageList = 1022,
};

extern const DialogTemplate LanguageTemplate; // 139: the codepage a device stores names in
// The language list's entries in list order; the index is what the install works with.
extern const char* const LanguageListItems[9];

} // namespace telvorin
