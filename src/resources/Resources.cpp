// SPDX-License-Identifier: GPL-3.0-or-later
#include "resources/Templates.h"

#include <QtCore/qglobal.h>

// Q_INIT_RESOURCE must be used outside a namespace.
static void InitTelvorinResources()
{
    Q_INIT_RESOURCE(telvorin);
}

namespace telvorin {

void EnsureResources()
{
    // A static library's resources are not registered by themselves; once is enough.
    static const bool done = [] {
        InitTelvorinResources();
        return true;
    }();
    (void)done;
}

} // namespace telvorin
