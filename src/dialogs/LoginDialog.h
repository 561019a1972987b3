// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;

namespace telvorin {

struct ProtocolState;

// The "Login" window: asks for a user name and a password and writes what was typed into
// the state's adminUser and adminPassword. It checks nothing itself; the caller tries the
// login again with those texts. Every run ends with the Rejected result, OK included, so
// callers read the two texts rather than the result.
//
// Administrator mode (adminLoginMode 1) fixes the user name to "admin"; share mode (0)
// leaves it empty and editable (or the login name, fixed, on the versions that need it)
// and adds the "Remember password" box, off by default, which asks for the password to be
// kept in the desktop keyring. The box is disabled, with a tooltip that says why, until
// the caller says the keyring is there (setPasswordSaving).
class LoginDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int MaxTextLength = 16;

    LoginDialog(ProtocolState& state, int adminLoginMode, QWidget* parent = nullptr);

    QString UserName;
    QString Password;
    // Share mode: whether the box was ticked when OK was pressed.
    bool RememberPassword = false;

    // Whether a password can be remembered here; `whyNot` is the tooltip when not.
    void setPasswordSaving(bool available, const QString& whyNot);

    QLineEdit* userNameEdit() const { return userNameEdit_; }
    QLineEdit* passwordEdit() const { return passwordEdit_; }
    QCheckBox* rememberPasswordBox() const { return rememberPassword_; }

    // OK (button or Enter): stores the typed texts, then closes like Cancel.
    void accept() override;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void OnInitDialog();
    void loadControls();
    void saveControls();

    ProtocolState& state_;
    int adminLoginMode_;
    QLineEdit* userNameEdit_ = nullptr;
    QLineEdit* passwordEdit_ = nullptr;
    QCheckBox* rememberPassword_ = nullptr;
    QLabel* rememberCaption_ = nullptr;
    bool savingAvailable_ = false;
    QString savingWhyNot_;
};

} // namespace telvorin
