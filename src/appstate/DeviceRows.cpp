// SPDX-License-Identifier: GPL-3.0-or-later
#include "appstate/DeviceRows.h"

#include "appstate/MainContext.h"
#include "protocol/Protocol.h"
#include "ui/BlockingStep.h"

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

    // The button is disabled during the search so a second press cannot queue another.
    // Disabling it would hand its focus on to "Configuration", where the next Enter or
    // Space would land; the focus comes back to it afterwards.
    const bool refreshHadFocus = c.refresh->window()->focusWidget() == c.refresh;
    c.refresh->setEnabled(false);
    if (Protocol* protocol = ctx.services.protocol)
        RunBlockingStep([protocol] { protocol->SearchDevices(3, 3); });
    c.refresh->setEnabled(true);
    if (refreshHadFocus)
        c.refresh->setFocus();

    if (!ctx.services.protocol)
        return;
    for (const DeviceRecord& device : ctx.services.protocol->devices) {
        auto* row = new QTreeWidgetItem(c.deviceList);
        row->setText(0, Text(device.name.view()));
        row->setText(1, Text(device.ipText.view()));
        row->setText(2, Text(device.netmaskText.view()));
        row->setText(3, Text(device.gatewayText.view()));
    }
    // No row is current either: the list would draw the current row like a selected one
    // (and make the first row current when it gets the focus), while nothing is selected
    // until the user clicks a device.
    c.deviceList->setCurrentItem(nullptr);
}

} // namespace telvorin
