// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QComboBox;

namespace telvorin {

struct MainContext;
struct InstallState;

// The language window (template 139): the codepage the selected device stores file names
// in. Opening asks the device for its disk and language state and, when it may choose, for
// its current codepage (both as blocking steps on the context's clock: the main window
// stays painted with a busy cursor while the device is asked); every other state ends the
// dialog with its message before it is shown. OK installs the chosen language with the
// install window, then waits for the device's restart, or after a failed install opens a
// new language window. Cancel, Escape and a close request leave SetupOutcome at -1.
class LanguageDialog : public QDialog {
    Q_OBJECT
public:
    // The context (its services and the selected host) must outlive the dialog.
    LanguageDialog(MainContext& ctx, QWidget* parent = nullptr);

    QComboBox* languageList() const { return list_; }

    // Runs OnInitDialog first; a dialog ended there returns without being shown.
    int exec() override;

    void accept() override { OnOK(); }
    void reject() override { OnCancel(); }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void OnInitDialog();
    void OnOK();
    void OnCancel();
    void OnSelectionChange();
    // The framework's own OK: ends the modal run, nothing more.
    void endWithOk();
    void showText(const char* text);

    MainContext& ctx_;
    InstallState& state_;
    QComboBox* list_ = nullptr;
    bool initialised_ = false;
    bool ended_ = false;
};

} // namespace telvorin
