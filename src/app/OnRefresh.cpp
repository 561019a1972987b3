#include "app/OnRefresh.h"

#include "app/DeviceRows.h"
#include "app/MainContext.h"
#include "ui/IpAddressEdit.h"

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
