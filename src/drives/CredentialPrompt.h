// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/CredentialAnswerer.h"

#include <QDialog>

class QCheckBox;
class QLineEdit;

namespace telvorin {

// Our own answer to a share's ask-password when a mapping may ask the user: user name,
// domain and password, or a guest login where the share allows one.
class CredentialPrompt final : public QDialog {
    Q_OBJECT

public:
    CredentialPrompt(QWidget* parent, const CredentialRequest& request);

    // Fills `request` from what was typed; false when the prompt was cancelled.
    static bool ask(QWidget* parent, CredentialRequest& request);
    // The answerer the program hands to the drive service: the prompt over whichever
    // window is active when GVfs asks; no answer without a widget application. It may be
    // called on any thread: the prompt opens on the UI thread.
    static CredentialAnswerer overActiveWindow();

    void store(CredentialRequest& request) const;

private:
    QLineEdit* userName_ = nullptr;
    QLineEdit* domain_ = nullptr;
    QLineEdit* password_ = nullptr;
    QCheckBox* anonymous_ = nullptr;
    bool anonymousAllowed_ = false;
};

} // namespace telvorin
