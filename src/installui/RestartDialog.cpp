// SPDX-License-Identifier: GPL-3.0-or-later
#include "installui/RestartDialog.h"

#include "resources/InstallTemplates.h"
#include "ui/DialogBuilder.h"

#include <QCloseEvent>
#include <QProgressBar>
#include <QShowEvent>

namespace telvorin {

RestartDialog::RestartDialog(InstallState& state, Clock& clock, QWidget* parent, DialogTimers* timers)
    : QDialog(parent)
    , state_(state)
    , clock_(clock)
    , ownTimers_(timers ? nullptr : std::make_unique<QtDialogTimers>(this))
    , timers_(timers ? *timers : *ownTimers_)
{
    // A title bar without a close box: only the dialog itself ends this window.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    BuildDialog(*this, RestartTemplate);
    setObjectName(QStringLiteral("restartDialog"));
    bar_ = FindControl<QProgressBar>(*this, IdRestartProgress);
}

RestartDialog::~RestartDialog()
{
    stopWorker();
}

void RestartDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (event->spontaneous() || opened_)
        return;
    opened_ = true;
    bar_->setRange(1, 100);
    bar_->setValue(1);
    // The bar lives on this thread; the worker hands each step over and never waits.
    worker_ = std::thread([this] {
        for (int i = 0; i < Steps; ++i) {
            if (stop_)
                return;
            QMetaObject::invokeMethod(
                bar_, [bar = bar_] { bar->setValue(bar->value() + 1); }, Qt::QueuedConnection);
            clock_.sleepMs(StepMs);
        }
        if (!stop_)
            state_.SetupOutcome = 0;
    });
    timers_.set(CloseTimerId, CloseAfterMs, [this] { OnTimer(); });
}

void RestartDialog::closeEvent(QCloseEvent* event)
{
    event->ignore();
}

void RestartDialog::OnTimer()
{
    QDialog::done(QDialog::Rejected);
    timers_.kill(CloseTimerId);
    // The worker ended about a step ago; a late one gets to finish, so SetupOutcome is
    // settled before the caller reads it.
    if (worker_.joinable())
        worker_.join();
}

void RestartDialog::stopWorker()
{
    stop_ = true;
    if (worker_.joinable())
        worker_.join();
}

} // namespace telvorin
