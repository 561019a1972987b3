// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/LanSettings.h"
#include "ui/Texts.h"

#include "appstate/DeviceRows.h"
#include "appstate/MainContext.h"
#include "dialogs/LoginDialog.h"
#include "protocol/Protocol.h"
#include "resources/Templates.h"
#include "rules/DottedAddress.h"
#include "settings/AddressFields.h"
#include "ui/BlockingStep.h"
#include "ui/IpAddressEdit.h"
#include "ui/Messages.h"

#include <QComboBox>
#include <QPushButton>
#include <QTreeWidget>

#include <string>

namespace telvorin {

namespace {

void Show(MainContext& ctx, const char* text, const char* caption, MessageIcon icon)
{
    ctx.services.messages->show(ctx.controls.dialog, TrText(text), TrText(caption), icon);
}

// Logs in as "admin" with an empty password, then once more with what the login dialog
// leaves in the state (Cancel leaves the empty password).
bool AdministratorLogin(MainContext& ctx, LoginDialog& dialog)
{
    Protocol& protocol = *ctx.services.protocol;
    protocol.state.adminUser = "admin";
    protocol.state.adminPassword = "";
    // Each transaction is a step of its own: the login dialog between them opens on this
    // thread, with the window answering again.
    auto verify = [&] { return RunBlockingStep([&] { return protocol.VerifyLogin(); }); };
    if (verify() != 0)
        return true;
    dialog.exec();
    if (verify() != 0)
        return true;
    Show(ctx, QT_TRANSLATE_NOOP("telvorin", "Wrong administrator password input!"),
         QT_TRANSLATE_NOOP("telvorin", "Error"), MessageIcon::Stop);
    return false;
}

void ClearAddressFields(MainControls& c)
{
    c.ipAddress->clearAddress();
    c.gateway->clearAddress();
    c.netmask->clearAddress();
}

void ApplyDhcp(MainContext& ctx, LoginDialog& dialog)
{
    if (!AdministratorLogin(ctx, dialog))
        return;
    if (!RunBlockingStep([&] { return ctx.services.protocol->SetDhcp(); })) {
        Show(ctx, QT_TRANSLATE_NOOP("telvorin", "Set to dhcp client fail."),
             QT_TRANSLATE_NOOP("telvorin", "Error"), MessageIcon::Stop);
        return;
    }
    Show(ctx, QT_TRANSLATE_NOOP("telvorin", "DHCP client enabled."), QT_TRANSLATE_NOOP("telvorin", "Confirm"),
         MessageIcon::Information);
    ClearAddressFields(ctx.controls);
    SetAddressFieldsEnabled(ctx.controls, true);
    SearchAndShowDevices(ctx);
}

void ApplyStatic(MainContext& ctx, LoginDialog& dialog)
{
    MainControls& c = ctx.controls;
    ProtocolState& state = ctx.services.protocol->state;

    if (c.ipAddress->isBlank()) {
        Show(ctx, QT_TRANSLATE_NOOP("telvorin", "Please input IP address!"),
             QT_TRANSLATE_NOOP("telvorin", "Warning"), MessageIcon::Exclamation);
        return;
    }
    if (c.netmask->isBlank()) {
        Show(ctx, QT_TRANSLATE_NOOP("telvorin", "Please input net mask address!"),
             QT_TRANSLATE_NOOP("telvorin", "Warning"), MessageIcon::Exclamation);
        return;
    }
    const AddressOctets ip = c.ipAddress->octets();
    if (ip == AddressOctets{127, 0, 0, 1}) {
        Show(ctx, QT_TRANSLATE_NOOP("telvorin", "IP address input error. Please try again."),
             QT_TRANSLATE_NOOP("telvorin", "Warning"), MessageIcon::Exclamation);
        return;
    }
    if (!CheckAddressOctets(ctx, AddressField, *c.ipAddress, ip.data()))
        return;
    state.newIp = FormatDottedAddress(ip);

    const AddressOctets mask = c.netmask->octets();
    if (!CheckAddressOctets(ctx, NetmaskField, *c.netmask, mask.data()))
        return;
    state.newNetmask = FormatDottedAddress(mask);

    const AddressOctets gateway = c.gateway->octets();
    if (!CheckAddressOctets(ctx, GatewayField, *c.gateway, gateway.data()))
        return;
    state.newGateway = gateway == AddressOctets{} ? std::string() : FormatDottedAddress(gateway);

    if (!AdministratorLogin(ctx, dialog))
        return;
    // The device may not confirm; the search below shows where it is now either way.
    RunBlockingStep([&] { ctx.services.protocol->SetStaticIp(); });
    ClearAddressFields(c);
    // The rows are new and none is highlighted: the search leaves no device selected, so
    // the next Apply does not go, unseen, to the device just changed.
    SearchAndShowDevices(ctx);
}

} // namespace

int CheckAddressOctets(MainContext& ctx, int kind, IpAddressEdit& field, const int octets[4])
{
    if (kind == GatewayField && field.isBlank())
        return 1;
    const OctetCheck check = CheckOctets(kind, octets);
    if (check.passed())
        return 1;
    Show(ctx, check.message, QT_TRANSLATE_NOOP("telvorin", "Error"), MessageIcon::Information);
    field.focusOctet(check.failedOctet);
    return 0;
}

void OnApply(MainContext& ctx)
{
    // One dialog per press, so a second login in the same press shows what was typed.
    LoginDialog dialog(ctx.services.protocol->state, 1, ctx.controls.dialog);
    ctx.AdminLoginMode = 1;

    if (ctx.DeviceSelected == 0) {
        Show(ctx, QT_TRANSLATE_NOOP("telvorin", "Please select a device in the above section."),
             QT_TRANSLATE_NOOP("telvorin", "Error"), MessageIcon::Stop);
        return;
    }
    QComboBox* dhcp = ctx.controls.dhcp;
    if (dhcp->currentIndex() < 0)
        return;
    if (dhcp->currentData() == DhcpEnable)
        ApplyDhcp(ctx, dialog);
    else
        ApplyStatic(ctx, dialog);
}

} // namespace telvorin
