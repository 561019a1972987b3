#include "app/OnRefresh.h"

#include "ui/DeviceRows.h"
#include "ui/IpAddressEdit.h"
#include "ui/MainContext.h"

namespace telvorin {

void OnRefresh(MainContext& ctx)
{
    ctx.controls.ipAddress->clearAddress();
    ctx.controls.netmask->clearAddress();
    ctx.controls.gateway->clearAddress();
    SearchAndShowDevices(ctx);
    ctx.DeviceSelected = 0;
}

} // namespace telvorin
