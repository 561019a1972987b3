// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/WebConfiguration.h"
#include "ui/Texts.h"

#include "appstate/MainContext.h"
#include "drives/DriveTable.h"
#include "platform/BrowserLauncher.h"
#include "platform/WebCheck.h"
#include "protocol/Clock.h"
#include "ui/BlockingStep.h"
#include "ui/ListRows.h"
#include "ui/Messages.h"

#include <QTreeWidget>

#include <thread>

namespace telvorin {

namespace {

constexpr int IpColumn = 1;
constexpr int LooksBeforeGivingUp = 2;

} // namespace

std::shared_ptr<WebCheckResult> CheckDeviceWeb(const WebCheck& check, const std::string& host)
{
    auto result = std::make_shared<WebCheckResult>(0);
    // The thread holds its own task (with its own copy of the host) and its own result.
    std::thread([task = check.makeCheck(host), result] { result->store(task() ? 1 : -1); }).detach();
    return result;
}

int WaitDeviceWeb(MainContext& ctx, WebCheckResult& result)
{
    for (int looks = 0;; ++looks) {
        const int outcome = result.load();
        if (outcome == 1) {
            result.store(0);
            return 1;
        }
        if (outcome == -1 || looks >= LooksBeforeGivingUp)
            break;
        RunBlockingStep([&] { ctx.services.clock->sleepMs(1000); });
    }
    ctx.services.messages->show(ctx.controls.dialog, Texts::tr("Device is no longer available."),
                                Texts::tr("Warning"), MessageIcon::Exclamation);
    ctx.driveTable->RefreshDriveTable(*ctx.services.drives);
    ctx.driveTable->FillDriveLetters(ctx.controls.driveLetters, *ctx.services.drives);
    if (ctx.OnRefresh)
        ctx.OnRefresh();
    ctx.DeviceSelected = 0;
    return 0;
}

void OnConfiguration(MainContext& ctx)
{
    QTreeWidget* list = ctx.controls.deviceList;
    if (list->topLevelItemCount() == 0)
        return;
    const int row = SelectedRow(list);
    if (row < 0) {
        ctx.services.messages->show(ctx.controls.dialog, Texts::tr("Please select a device to configure."),
                                    Texts::tr("Warning"), MessageIcon::Exclamation);
        return;
    }
    ctx.SelectedHost = list->topLevelItem(row)->text(IpColumn).toStdString();
    const std::string host = ctx.SelectedHost.str();

    const auto result = CheckDeviceWeb(*ctx.services.webCheck, host);
    if (!WaitDeviceWeb(ctx, *result))
        return;

    const std::string url = "http://" + host;
    BrowserLauncher& browser = *ctx.services.browser;
    // A browser named "IE" is opened through the desktop's own opener.
    if (browser.defaultBrowserName().find("IE") == std::string::npos && browser.launchDefaultBrowser(url))
        return;
    if (RunBlockingStep([&] { return browser.launchOpener(url); }))
        return;
    ctx.services.messages->show(ctx.controls.dialog,
                                Texts::tr("No web browser could be started.\nOpen %1 in a web browser.")
                                    .arg(QString::fromStdString(url)),
                                Texts::tr("Error"), MessageIcon::Stop);
}

} // namespace telvorin
