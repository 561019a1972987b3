// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/DeviceDetails.h"

#include "appstate/MainContext.h"
#include "drives/DriveTable.h"
#include "protocol/Protocol.h"
#include "resources/Templates.h"
#include "rules/DottedAddress.h"
#include "settings/AddressFields.h"
#include "ui/BlockingStep.h"
#include "ui/IpAddressEdit.h"
#include "ui/ListRows.h"

#include <QComboBox>
#include <QPushButton>
#include <QTreeWidget>

#include <cstring>
#include <string>

namespace telvorin {

namespace {

constexpr int IpColumn = 1;
constexpr int NetmaskColumn = 2;
constexpr int GatewayColumn = 3;
// Marks the row whose device was loaded last.
constexpr int LoadedRole = Qt::UserRole + 1;

std::string RowText(const QTreeWidgetItem* row, int column)
{
    return row->text(column).toStdString();
}

} // namespace

void OnDeviceListClick(MainContext& ctx)
{
    ctx.controls.deviceList->setFocus();
    ShowHighlightedDevice(ctx);
}

void ShowHighlightedDevice(MainContext& ctx)
{
    MainControls& c = ctx.controls;
    Protocol& protocol = *ctx.services.protocol;

    // Without a highlighted row there is no device to act on, whatever was shown before.
    const int rowIndex = SelectedRow(c.deviceList);
    ctx.DeviceSelected = rowIndex >= 0 ? 1 : 0;
    if (rowIndex < 0)
        return;
    QTreeWidgetItem* row = c.deviceList->topLevelItem(rowIndex);
    for (int i = 0; i < c.deviceList->topLevelItemCount(); ++i)
        c.deviceList->topLevelItem(i)->setData(0, LoadedRole, QVariant());
    row->setData(0, LoadedRole, true);

    const std::string ip = RowText(row, IpColumn);
    protocol.state.currentDeviceIp = ip;
    ShowDottedAddress(*c.ipAddress, ip);

    int interfaceIndex = -1;
    std::string deviceName = RowText(row, 0);
    for (const DeviceRecord& record : protocol.devices) {
        if (record.ipText.view() != ip)
            continue;
        interfaceIndex = record.interfaceIndex;
        // The record holds the name's exact bytes; the row only a display form of them.
        deviceName = record.name.str();
        const bool dhcp = record.dhcpFlag.view().starts_with('1');
        c.dhcp->setCurrentIndex(c.dhcp->findData(dhcp ? DhcpEnable : DhcpDisable));
        SetAddressFieldsEnabled(c, !dhcp);
    }

    ShowDottedAddress(*c.netmask, RowText(row, NetmaskColumn));

    const AddressOctets device = c.ipAddress->octets();
    const AddressOctets mask = c.netmask->octets();
    std::uint8_t deviceBytes[4];
    std::uint8_t maskBytes[4];
    for (std::size_t k = 0; k < 4; ++k) {
        deviceBytes[k] = static_cast<std::uint8_t>(device[k]);
        maskBytes[k] = static_cast<std::uint8_t>(mask[k]);
    }
    // A device without a known interface compares against 0.0.0.0.
    std::uint8_t localBytes[4] = {};
    if (interfaceIndex >= 0 && interfaceIndex < protocol.interfaces.count) {
        std::uint32_t local = 0;
        if (ParseDottedAddress(protocol.interfaces.address[static_cast<std::size_t>(interfaceIndex)].view(),
                               local))
            std::memcpy(localBytes, &local, sizeof localBytes);
    }
    const bool local = SameSubnet(deviceBytes, maskBytes, localBytes);
    for (QPushButton* button : {c.connect, c.disconnect, c.configuration, c.language})
        button->setEnabled(local);

    const std::string gateway = RowText(row, GatewayColumn);
    std::uint32_t gatewayAddress = 0;
    if (!ParseDottedAddress(gateway, gatewayAddress) || gatewayAddress == 0)
        c.gateway->clearAddress();
    else
        ShowDottedAddress(*c.gateway, gateway);

    // Empties the volume list first, so a device that does not answer shows none.
    RunBlockingStep([&] { protocol.GetVolumeList(); });

    ctx.SelectedHost = ip;
    ctx.driveTable->ShowVolumeLocations(c.volumeList, protocol.volumes, deviceName, ip, true);
}

bool IsLoadedDevice(const QTreeWidgetItem* row)
{
    return row->data(0, LoadedRole).toBool();
}

void OnDhcpChange(MainContext& ctx)
{
    QComboBox* combo = ctx.controls.dhcp;
    if (combo->currentIndex() < 0)
        return;
    SetAddressFieldsEnabled(ctx.controls, combo->currentData() != DhcpEnable);
}

} // namespace telvorin
