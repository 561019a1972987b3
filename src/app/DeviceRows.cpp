#include "app/DeviceRows.h"

#include "app/MainContext.h"
#include "protocol/Protocol.h"

#include <QPushButton>
#include <QTreeWidget>

namespace telvorin {

namespace {

QString Text(std::string_view text)
{
    return QString::fromLocal8Bit(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

void SearchAndShowDevices(MainContext& ctx)
{
    MainControls& c = ctx.controls;
    c.deviceList->clear();
    c.volumeList->clear();

    // The search blocks this thread for about a second per interface; the button is
    // disabled meanwhile so a second press cannot queue another search.
    c.refresh->setEnabled(false);
    if (ctx.services.protocol)
        ctx.services.protocol->SearchDevices(3, 3);
    c.refresh->setEnabled(true);

    if (!ctx.services.protocol)
        return;
    for (const DeviceRecord& device : ctx.services.protocol->devices) {
        auto* row = new QTreeWidgetItem(c.deviceList);
        row->setText(0, Text(device.name.view()));
        row->setText(1, Text(device.ipText.view()));
        row->setText(2, Text(device.netmaskText.view()));
        row->setText(3, Text(device.gatewayText.view()));
    }
}

} // namespace telvorin
