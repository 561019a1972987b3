// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/LoginDialog.h"
#include "ui/Texts.h"

#include "platform/UserAccount.h"
#include "platform/WindowsVersion.h"
#include "protocol/ProtocolTypes.h"
#include "resources/LoginTemplate.h"
#include "ui/DialogBuilder.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QShowEvent>

#include <string>

namespace telvorin {

namespace {

// Where the box sits, in dialog units: below the password field, clear of the buttons.
constexpr int RememberY = 57;
constexpr int RememberH = 10;

QString LoginName()
{
    return QString::fromLocal8Bit(CurrentUserAccount().userName);
}

// The state's texts hold 16 bytes; cut on a character boundary, never inside one.
std::string LimitedBytes(const QString& text)
{
    std::string bytes = text.toStdString();
    if (bytes.size() <= static_cast<std::size_t>(LoginDialog::MaxTextLength))
        return bytes;
    std::size_t n = LoginDialog::MaxTextLength;
    while (n > 0 && (static_cast<unsigned char>(bytes[n]) & 0xC0u) == 0x80u)
        --n;
    bytes.resize(n);
    return bytes;
}

} // namespace

LoginDialog::LoginDialog(ProtocolState& state, int adminLoginMode, QWidget* parent)
    : QDialog(parent)
    , state_(state)
    , adminLoginMode_(adminLoginMode)
{
    BuildDialog(*this, LoginTemplate);
    setObjectName(QStringLiteral("loginDialog"));
    userNameEdit_ = FindControl<QLineEdit>(*this, IdUserName);
    passwordEdit_ = FindControl<QLineEdit>(*this, IdPassword);
    userNameEdit_->setMaxLength(MaxTextLength);
    passwordEdit_->setMaxLength(MaxTextLength);

    auto* ok = FindControl<QPushButton>(*this, IdLoginOk);
    auto* cancel = FindControl<QPushButton>(*this, IdLoginCancel);

    // The box's caption is a label of the dialog's own, so it takes the white caption
    // text that the dialog's labels have (a check box's own text stays dark on the blue in
    // some styles); a click on it ticks the box, as on a check box's own text.
    const DialogUnits units = DialogUnits::forFont(TemplateFont(LoginTemplate));
    rememberPassword_ = new QCheckBox(this);
    rememberPassword_->setObjectName(QStringLiteral("rememberPasswordCheck"));
    rememberPassword_->setAccessibleName(Texts::tr("Remember password"));
    const int boxWidth = rememberPassword_->sizeHint().width();
    // Under the password field and as far right as the buttons, wherever longer texts of
    // the labels and buttons moved them.
    const int boxX = passwordEdit_->x();
    rememberPassword_->setGeometry(boxX, units.toPixelsY(RememberY), boxWidth, units.toPixelsY(RememberH));
    rememberCaption_ = new QLabel(Texts::tr("Remember password"), this);
    rememberCaption_->setObjectName(QStringLiteral("rememberPasswordLabel"));
    rememberCaption_->setBuddy(rememberPassword_);
    rememberCaption_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    const int captionX = boxX + boxWidth + units.toPixelsX(2);
    const int buttonsEnd = ok->x() + ok->width();
    const QSize caption =
        QSize(buttonsEnd - captionX, units.toPixelsY(RememberH)).expandedTo(rememberCaption_->sizeHint());
    rememberCaption_->setGeometry(captionX, units.toPixelsY(RememberY), caption.width(), caption.height());
    if (captionX + caption.width() > buttonsEnd)
        setFixedSize(width() + captionX + caption.width() - buttonsEnd, height());
    rememberCaption_->installEventFilter(this);
    QWidget::setTabOrder(passwordEdit_, rememberPassword_);
    QWidget::setTabOrder(rememberPassword_, ok);
    setPasswordSaving(false, Texts::tr("No keyring to remember the password in."));
    connect(ok, &QPushButton::clicked, this, &LoginDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &LoginDialog::reject);
}

void LoginDialog::setPasswordSaving(bool available, const QString& whyNot)
{
    savingAvailable_ = available;
    savingWhyNot_ = whyNot;
    rememberPassword_->setEnabled(available);
    rememberCaption_->setEnabled(available);
    rememberCaption_->setToolTip(available ? QString() : whyNot);
    rememberPassword_->setToolTip(available ? Texts::tr("Keep the password in the desktop keyring, so the "
                                                        "drive comes back at the next login")
                                            : whyNot);
    if (!available)
        rememberPassword_->setChecked(false);
}

bool LoginDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == rememberCaption_ && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton && rememberPassword_->isEnabled()) {
        rememberPassword_->toggle();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void LoginDialog::showEvent(QShowEvent* event)
{
    // Each run starts from the members, as a fresh initialisation would.
    if (!event->spontaneous())
        OnInitDialog();
    QDialog::showEvent(event);
}

void LoginDialog::OnInitDialog()
{
    if (adminLoginMode_ == 1) {
        UserName = QStringLiteral("admin");
        loadControls();
        userNameEdit_->setEnabled(false);
        rememberPassword_->setVisible(false);
        rememberCaption_->setVisible(false);
        return;
    }
    std::string version;
    GetWindowsVersionName(version);
    const bool loginNameFixed =
        version.find("ME") != std::string::npos || version.find("98") != std::string::npos;
    UserName = loginNameFixed ? LoginName() : QString();
    loadControls();
    userNameEdit_->setEnabled(!loginNameFixed);
    rememberPassword_->setVisible(true);
    rememberCaption_->setVisible(true);
    rememberPassword_->setChecked(savingAvailable_ && RememberPassword);
}

void LoginDialog::loadControls()
{
    // The edits' length limit cuts a longer name to 16 characters.
    userNameEdit_->setText(UserName);
    passwordEdit_->setText(Password);
}

void LoginDialog::saveControls()
{
    UserName = userNameEdit_->text();
    Password = passwordEdit_->text();
    RememberPassword = adminLoginMode_ != 1 && savingAvailable_ && rememberPassword_->isChecked();
}

void LoginDialog::accept()
{
    saveControls();
    state_.adminUser = LimitedBytes(UserName);
    state_.adminPassword = LimitedBytes(Password);
    done(QDialog::Rejected);
}

} // namespace telvorin
