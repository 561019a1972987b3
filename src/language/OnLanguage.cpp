// SPDX-License-Identifier: GPL-3.0-or-later
#include "language/OnLanguage.h"
#include "ui/Texts.h"

#include "appstate/MainContext.h"
#include "drives/DriveTable.h"
#include "install/InstallState.h"
#include "language/LanguageDialog.h"
#include "resources/InstallFlowTexts.h"
#include "ui/Messages.h"

namespace telvorin {

void OnLanguage(MainContext& ctx)
{
    MainServices& s = ctx.services;
    if (ctx.DeviceSelected == 0) {
        s.messages->show(ctx.controls.dialog, TrText(SelectDeviceMessage), Texts::tr("Error"),
                         MessageIcon::Stop);
        return;
    }
    {
        LanguageDialog dialog(ctx, ctx.controls.dialog);
        dialog.exec();
    }
    InstallState& state = *s.installState;
    state.BtInstallMode = 0;
    if (state.SetupOutcome != 0 || s.terminationRequested())
        return;
    ctx.driveTable->RefreshDriveTable(*s.drives);
    ctx.driveTable->FillDriveLetters(ctx.controls.driveLetters, *s.drives);
    if (ctx.OnRefresh)
        ctx.OnRefresh();
}

} // namespace telvorin
