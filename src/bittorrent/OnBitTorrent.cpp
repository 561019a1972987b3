// SPDX-License-Identifier: GPL-3.0-or-later
#include "bittorrent/OnBitTorrent.h"
#include "ui/Texts.h"

#include "appstate/MainContext.h"
#include "bittorrent/SupportCheck.h"
#include "drives/DriveTable.h"
#include "install/InstallState.h"
#include "install/LocalStaging.h"
#include "installui/InstallDialog.h"
#include "installui/RestartDialog.h"
#include "platform/BrowserLauncher.h"
#include "resources/InstallFlowTexts.h"
#include "ui/BlockingStep.h"
#include "ui/Messages.h"

namespace telvorin {

namespace {

void Show(MainContext& ctx, const char* text)
{
    ctx.services.messages->show(ctx.controls.dialog, TrText(text), QString(), MessageIcon::None);
}

// The questions block like a call would (more than a minute against a silent device),
// but the window stays painted meanwhile. A device whose disk is missing or unformatted
// is reported and the program goes on: the user only asked for an install.
bool CheckSupport(MainContext& ctx)
{
    Protocol& protocol = *ctx.services.protocol;
    Clock& clock = *ctx.services.clock;
    const bittorrent::SupportAnswers answers =
        RunBlockingStep([&] { return bittorrent::AskSupport(protocol, clock); });

    switch (bittorrent::DecideSupport(answers)) {
    case bittorrent::Support::Supported: return true;
    case bittorrent::Support::NoHardDrives: Show(ctx, NoHardDrivesMessage); break;
    case bittorrent::Support::Unformatted:
        Show(ctx, FormatDriveMessage);
        if (BrowserLauncher* browser = ctx.services.browser)
            RunBlockingStep([&] { return browser->launchOpener("http://" + ctx.SelectedHost.str()); });
        break;
    case bittorrent::Support::NotSupported: Show(ctx, bittorrent::NotSupportedMessage); break;
    }
    ctx.services.installState->SetupOutcome = -1;
    return false;
}

} // namespace

void OnBitTorrent(MainContext& ctx)
{
    MainServices& s = ctx.services;
    if (ctx.DeviceSelected == 0) {
        // The flag the install window reads is left as it was found: 0.
        if (s.installState)
            s.installState->BtInstallMode = 0;
        s.messages->show(ctx.controls.dialog, TrText(SelectDeviceMessage), Texts::tr("Error"),
                         MessageIcon::Stop);
        return;
    }
    InstallState& state = *s.installState;
    state.BtInstallMode = 1;
    if (!CheckSupport(ctx)) {
        state.BtInstallMode = 0;
        return;
    }

    install::InstallContext context{*s.protocol, *s.share, *s.deviceFiles, state,
                                    *s.staging,  *s.clock, s.installCancel};
    {
        InstallDialog install(context, ctx.SelectedHost.str(), *s.messages, ctx.controls.dialog,
                              s.installTimers);
        install.exec();
    }
    if (s.terminationRequested()) {
        state.BtInstallMode = 0;
        return;
    }
    if (state.BtInstalled == 1) {
        RestartDialog restart(state, *s.clock, ctx.controls.dialog, s.installTimers);
        restart.exec();
    }
    // Also after a failed install when no flow has refused or failed before: the window
    // is then brought up to date all the same.
    if (state.SetupOutcome != 0)
        return;
    state.BtInstallMode = 0;
    state.BtInstalled = 0;
    ctx.driveTable->RefreshDriveTable(*s.drives);
    ctx.driveTable->FillDriveLetters(ctx.controls.driveLetters, *s.drives);
    if (ctx.OnRefresh)
        ctx.OnRefresh();
    s.staging->removeIfEmpty();
}

} // namespace telvorin
