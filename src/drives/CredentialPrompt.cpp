// SPDX-License-Identifier: GPL-3.0-or-later
#include "drives/CredentialPrompt.h"
#include "ui/Texts.h"

#include "ui/AccessibleText.h"
#include "ui/BlockingStep.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace telvorin {

CredentialPrompt::CredentialPrompt(QWidget* parent, const CredentialRequest& request)
    : QDialog(parent)
    , anonymousAllowed_(request.anonymousAllowed)
{
    setObjectName(QStringLiteral("credentialPrompt"));
    setWindowTitle(Texts::tr("Connect to Share"));

    auto* layout = new QVBoxLayout(this);
    auto* message = new QLabel(QString::fromStdString(request.message), this);
    message->setObjectName(QStringLiteral("messageLabel"));
    // GVfs builds the message from the server's and share's names: shown as written,
    // never taken for markup.
    message->setTextFormat(Qt::PlainText);
    message->setWordWrap(true);
    layout->addWidget(message);

    auto* form = new QFormLayout;
    userName_ = new QLineEdit(QString::fromStdString(request.userName), this);
    userName_->setObjectName(QStringLiteral("userNameEdit"));
    domain_ = new QLineEdit(QString::fromStdString(request.domain), this);
    domain_->setObjectName(QStringLiteral("domainEdit"));
    password_ = new QLineEdit(this);
    password_->setObjectName(QStringLiteral("passwordEdit"));
    password_->setEchoMode(QLineEdit::Password);
    for (QLineEdit* edit : {userName_, domain_, password_})
        MakeLineEditReadWhole(edit);
    form->addRow(Texts::tr("User name:"), userName_);
    form->addRow(Texts::tr("Domain:"), domain_);
    form->addRow(Texts::tr("Password:"), password_);
    layout->addLayout(form);

    anonymous_ = new QCheckBox(Texts::tr("Connect as guest"), this);
    anonymous_->setObjectName(QStringLiteral("guestCheck"));
    anonymous_->setVisible(request.anonymousAllowed);
    connect(anonymous_, &QCheckBox::toggled, this, [this](bool guest) {
        userName_->setEnabled(!guest);
        domain_->setEnabled(!guest);
        password_->setEnabled(!guest);
    });
    layout->addWidget(anonymous_);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);

    if (userName_->text().isEmpty())
        userName_->setFocus();
    else
        password_->setFocus();
}

void CredentialPrompt::store(CredentialRequest& request) const
{
    request.anonymous = anonymousAllowed_ && anonymous_->isChecked();
    request.userName = userName_->text().toStdString();
    request.domain = domain_->text().toStdString();
    request.password = password_->text().toStdString();
}

bool CredentialPrompt::ask(QWidget* parent, CredentialRequest& request)
{
    CredentialPrompt prompt(parent, request);
    if (prompt.exec() != QDialog::Accepted)
        return false;
    prompt.store(request);
    return true;
}

CredentialAnswerer CredentialPrompt::overActiveWindow()
{
    return [](CredentialRequest& request) {
        if (!qobject_cast<QApplication*>(QCoreApplication::instance()))
            return false;
        // GVfs asks on the thread that mounts, a blocking step's; the prompt is a widget
        // and opens on the UI thread.
        return AskOnUiThread([&] { return ask(QApplication::activeWindow(), request); });
    };
}

} // namespace telvorin
