// SPDX-License-Identifier: GPL-3.0-or-later
#include "language/LanguageDialog.h"
#include "ui/Texts.h"

#include "appstate/MainContext.h"
#include "install/InstallState.h"
#include "installui/InstallDialog.h"
#include "installui/RestartDialog.h"
#include "language/LanguageRules.h"
#include "platform/BrowserLauncher.h"
#include "protocol/Protocol.h"
#include "resources/InstallFlowTexts.h"
#include "resources/LanguageTemplate.h"
#include "ui/BlockingStep.h"
#include "ui/DialogBuilder.h"
#include "ui/Messages.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QPushButton>

namespace telvorin {

LanguageDialog::LanguageDialog(MainContext& ctx, QWidget* parent)
    : QDialog(parent)
    , ctx_(ctx)
    , state_(*ctx.services.installState)
{
    // A title bar without a window menu or close box.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    BuildDialog(*this, LanguageTemplate);
    setObjectName(QStringLiteral("languageDialog"));
    list_ = FindControl<QComboBox>(*this, IdLanguageList);

    connect(FindControl<QPushButton>(*this, IdLanguageOk), &QPushButton::clicked, this,
            &LanguageDialog::accept);
    connect(FindControl<QPushButton>(*this, IdLanguageCancel), &QPushButton::clicked, this,
            &LanguageDialog::reject);
    // Only a choice by the user is checked; the preselection is not.
    connect(list_, &QComboBox::activated, this, &LanguageDialog::OnSelectionChange);
}

int LanguageDialog::exec()
{
    if (!initialised_) {
        initialised_ = true;
        OnInitDialog();
    }
    if (ended_)
        return result();
    return QDialog::exec();
}

void LanguageDialog::OnInitDialog()
{
    Protocol& protocol = *ctx_.services.protocol;
    Clock& clock = *ctx_.services.clock;
    const int ideState = RunBlockingStep([&] { return language::AskIdeState(protocol, clock); });

    const language::OpeningDecision decision = language::DecideOpening(ideState);
    state_.ExtendedCodepages = decision.extendedCodepages;
    if (ideState == 5)
        protocol.state.ideState = "3";

    switch (decision.opening) {
    case language::Opening::Choose:
        list_->setCurrentIndex(RunBlockingStep([&] { return language::AskLanguageIndex(protocol, clock); }));
        return;
    case language::Opening::NoHardDrives: showText(NoHardDrivesMessage); break;
    case language::Opening::Unformatted:
        showText(FormatDriveMessage);
        if (BrowserLauncher* browser = ctx_.services.browser)
            RunBlockingStep([&] { return browser->launchOpener("http://" + ctx_.SelectedHost.str()); });
        break;
    case language::Opening::Unicode: showText(language::UnicodeMessage); break;
    case language::Opening::NotSupported: showText(language::NotSupportedMessage); break;
    }
    state_.SetupOutcome = -1;
    endWithOk();
}

void LanguageDialog::OnSelectionChange()
{
    if (language::SelectionRefused(state_.ExtendedCodepages, list_->currentIndex()))
        showText(language::FirmwareMessage);
}

void LanguageDialog::OnOK()
{
    const int index = list_->currentIndex();
    state_.CodepageIndex = index;
    if (index < 0)
        return;
    if (language::SelectionRefused(state_.ExtendedCodepages, index)) {
        showText(language::FirmwareMessage);
        return;
    }
    endWithOk();

    // This window is hidden now; what follows belongs to the main window.
    QWidget* owner = parentWidget();
    MainServices& s = ctx_.services;
    install::InstallContext context{*s.protocol, *s.share, *s.deviceFiles, state_,
                                    *s.staging,  *s.clock, s.installCancel};
    {
        InstallDialog install(context, ctx_.SelectedHost.str(), *s.messages, owner, s.installTimers);
        install.exec();
    }
    if (s.terminationRequested())
        return;
    if (state_.ExtractFailed == 0) {
        RestartDialog restart(state_, *s.clock, owner, s.installTimers);
        restart.exec();
    } else {
        LanguageDialog again(ctx_, owner);
        again.exec();
    }
}

void LanguageDialog::OnCancel()
{
    state_.SetupOutcome = -1;
    QDialog::reject();
}

void LanguageDialog::closeEvent(QCloseEvent* event)
{
    state_.SetupOutcome = -1;
    QDialog::closeEvent(event);
}

void LanguageDialog::endWithOk()
{
    ended_ = true;
    QDialog::done(QDialog::Accepted);
}

void LanguageDialog::showText(const char* text)
{
    // Before the window is shown (and after OK has hidden it), the main window owns the box.
    QWidget* owner = isVisible() || !parentWidget() ? this : parentWidget();
    ctx_.services.messages->show(owner, TrText(text), QString(), MessageIcon::None);
}

} // namespace telvorin
