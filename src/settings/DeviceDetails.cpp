#include "settings/DeviceDetails.h"

#include "drives/DriveTable.h"
#include "protocol/Protocol.h"
#include "settings/AddressFields.h"
#include "ui/IpAddressEdit.h"
#include "ui/ListRows.h"
#include "ui/MainContext.h"

#include <QComboBox>
#include <QPushButton>
#include <QTreeWidget>

#include <cstring>
#include <string>

namespace telvorin {

namespace {

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

int HexValue(char c)
{
    if (IsDigit(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

bool IsSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

constexpr int IpColumn = 1;
constexpr int NetmaskColumn = 2;
constexpr int GatewayColumn = 3;

std::string RowText(const QTreeWidgetItem* row, int column)
{
    return row->text(column).toStdString();
}

} // namespace

int ParseDottedAddress(std::string_view text, std::uint32_t& out)
{
    // A C string ends at its first NUL.
    if (const auto nul = text.find('\0'); nul != std::string_view::npos)
        text = text.substr(0, nul);

    std::uint64_t parts[3] = {};
    int dots = 0;
    std::size_t i = 0;
    std::uint64_t value = 0;
    for (;;) {
        if (i >= text.size() || !IsDigit(text[i]))
            return 0;
        int base = 10;
        bool digits = false;
        if (text[i] == '0') {
            ++i;
            if (i < text.size() && (text[i] == 'x' || text[i] == 'X')) {
                base = 16;
                ++i;
            } else {
                base = 8;
                digits = true; // the "0" itself
            }
        }
        value = 0;
        while (i < text.size()) {
            const int digit = HexValue(text[i]);
            if (digit < 0 || digit >= base) {
                if (base == 8 && IsDigit(text[i]))
                    return 0; // 8 or 9 in an octal part
                break;
            }
            value = value * static_cast<unsigned>(base) + static_cast<unsigned>(digit);
            // More than 32 bits never fits, and must not wrap into a valid address.
            if (value > 0xFFFFFFFFu)
                return 0;
            digits = true;
            ++i;
        }
        if (!digits)
            return 0; // "0x" without hexadecimal digits
        if (i < text.size() && text[i] == '.') {
            if (dots == 3 || value > 0xFF)
                return 0;
            parts[dots++] = value;
            ++i;
            continue;
        }
        break;
    }
    for (; i < text.size(); ++i) {
        if (!IsSpace(text[i]))
            return 0;
    }

    static constexpr std::uint64_t lastPartMax[4] = {0xFFFFFFFFu, 0xFFFFFFu, 0xFFFFu, 0xFFu};
    if (value > lastPartMax[dots])
        return 0;
    std::uint32_t address = static_cast<std::uint32_t>(value);
    for (int k = 0; k < dots; ++k)
        address |= static_cast<std::uint32_t>(parts[k]) << (24 - 8 * k);

    // Network byte order: the first octet in the lowest-addressed byte.
    const std::uint8_t bytes[4] = {
        static_cast<std::uint8_t>(address >> 24), static_cast<std::uint8_t>(address >> 16),
        static_cast<std::uint8_t>(address >> 8), static_cast<std::uint8_t>(address)};
    std::memcpy(&out, bytes, sizeof out);
    return 1;
}

bool SameSubnet(const std::uint8_t device[4], const std::uint8_t netmask[4], const std::uint8_t local[4])
{
    for (int k = 0; k < 4; ++k) {
        if ((local[k] & netmask[k]) != (device[k] & netmask[k]))
            return false;
    }
    return true;
}

void OnDeviceListClick(MainContext& ctx)
{
    MainControls& c = ctx.controls;
    Protocol& protocol = *ctx.services.protocol;

    ctx.DeviceSelected = 1;
    c.deviceList->setFocus();

    const int rowIndex = SelectedRow(c.deviceList);
    if (rowIndex < 0)
        return;
    const QTreeWidgetItem* row = c.deviceList->topLevelItem(rowIndex);

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
        c.dhcp->setCurrentIndex(
            c.dhcp->findText(dhcp ? QStringLiteral("Enable") : QStringLiteral("Disable")));
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
    protocol.GetVolumeList();

    ctx.SelectedHost = ip;
    ctx.driveTable->ShowVolumeLocations(c.volumeList, protocol.volumes, deviceName, ip, true);
}

void OnDhcpChange(MainContext& ctx)
{
    QComboBox* combo = ctx.controls.dhcp;
    if (combo->currentIndex() < 0)
        return;
    SetAddressFieldsEnabled(ctx.controls, combo->currentText() != QStringLiteral("Enable"));
}

} // namespace telvorin
