// SPDX-License-Identifier: GPL-3.0-or-later
#include "installui/InstallDialog.h"

#include "ui/Texts.h"

#include "resources/InstallTemplates.h"
#include "ui/BlockingStep.h"
#include "ui/DialogBuilder.h"
#include "ui/Messages.h"

#include <QCloseEvent>
#include <QShowEvent>

namespace telvorin {

InstallDialog::InstallDialog(install::InstallContext& context, std::string selectedHost, Messages& messages,
                             QWidget* parent, DialogTimers* timers)
    : QDialog(parent)
    , context_(context)
    , selectedHost_(std::move(selectedHost))
    , messages_(messages)
    , ownTimers_(timers ? nullptr : std::make_unique<QtDialogTimers>(this))
    , timers_(timers ? *timers : *ownTimers_)
{
    // A title bar without a close box: only the dialog itself ends this window.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    BuildDialog(*this, InstallTemplate);
    setObjectName(QStringLiteral("installDialog"));
}

InstallDialog::~InstallDialog() = default;

void InstallDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (event->spontaneous() || timerId_ != 0)
        return;
    timerId_ = static_cast<int>(install::ModeFor(context_.state));
    const int id = timerId_;
    timers_.set(id, StartDelayMs, [this, id] { OnTimer(id); });
}

void InstallDialog::closeEvent(QCloseEvent* event)
{
    event->ignore();
}

void InstallDialog::OnTimer(int id)
{
    // One tick runs the install; the timer goes before anything else can tick.
    timers_.kill(id);
    if (started_)
        return;
    started_ = true;
    const install::InstallMode mode =
        id == 2 ? install::InstallMode::Package : install::InstallMode::Codepage;
    // The install waits on the device and the share: it runs as a blocking step, so this
    // window stays painted while the protocol belongs to the step.
    running_ = true;
    report_ = RunBlockingStep([this, mode] { return install::RunInstall(context_, mode, selectedHost_); });
    running_ = false;
    finish(report_);
}

void InstallDialog::finish(const install::InstallReport& report)
{
    if (!report.message.empty())
        messages_.show(this, InstallMessageText(report), QString(), MessageIcon::None);
    QDialog::done(QDialog::Rejected);
}

QString InstallMessageText(const install::InstallReport& report)
{
    if (!report.format)
        return TrLines(report.message);
    std::vector<QString> args;
    for (const std::string& arg : report.formatArgs)
        args.push_back(QString::fromStdString(arg));
    return TrFormat(report.format, args);
}

} // namespace telvorin
