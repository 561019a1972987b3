// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "install/InstallSequence.h"
#include "installui/DialogTimers.h"

#include <QDialog>

#include <memory>
#include <string>

namespace telvorin {

class Messages;

// "Loading.....": the window shown while an install writes to the device. Two seconds
// after it opens, its timer (id 2 in the package mode, chosen by BtInstallMode, else 1)
// runs the install as a blocking step, so the window stays painted while the step has the
// protocol to itself. Then the window shows the run's message, if any, and
// closes by itself. Enter and Escape do nothing.
//
// Callers set InstallState first (CodepageIndex, or BtInstallMode 1), run exec(), and
// read ExtractFailed / BtInstalled (or report()) afterwards.
class InstallDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int StartDelayMs = 2000;

    // timers null: real Qt timers.
    InstallDialog(install::InstallContext& context, std::string selectedHost, Messages& messages,
                  QWidget* parent = nullptr, DialogTimers* timers = nullptr);
    ~InstallDialog() override;

    // The id of the timer this run set (1 codepage, 2 package).
    int timerId() const { return timerId_; }
    bool running() const { return running_; }
    const install::InstallReport& report() const { return report_; }

    void accept() override {}
    void reject() override {}

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void OnTimer(int id);
    void finish(const install::InstallReport& report);

    install::InstallContext& context_;
    std::string selectedHost_;
    Messages& messages_;
    std::unique_ptr<DialogTimers> ownTimers_;
    DialogTimers& timers_;
    int timerId_ = 0;
    bool started_ = false;
    bool running_ = false;
    install::InstallReport report_;
};

// The report's message in the user's language: its format with the arguments filled
// in, or each of its lines translated.
QString InstallMessageText(const install::InstallReport& report);

} // namespace telvorin
