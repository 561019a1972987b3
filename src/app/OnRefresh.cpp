// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/OnRefresh.h"

#include "appstate/DeviceRows.h"
#include "appstate/MainContext.h"
#include "ui/IpAddressEdit.h"

namespace telvorin {

void OnRefresh(MainContext& ctx)
{
    ctx.controls.ipAddress->clearAddress();
    ctx.controls.netmask->clearAddress();
    ctx.controls.gateway->clearAddress();
    SearchAndShowDevices(ctx);
}

} // namespace telvorin
