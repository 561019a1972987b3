// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "install/InstallState.h"
#include "installui/DialogTimers.h"
#include "protocol/Clock.h"

#include <QDialog>

#include <atomic>
#include <memory>
#include <thread>

class QProgressBar;

namespace telvorin {

// "The system is restarting. Please wait a moment.": covers the device's restart after
// an install. A worker steps the bar 99 times, 900 ms apart, then sets SetupOutcome to 0;
// the close timer (id 1) ends the window at 90 s. The worker never outlives the window:
// closing stops and joins it, so SetupOutcome is settled when exec() returns. It never
// talks to the device. Enter and Escape do nothing.
class RestartDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int Steps = 99;
    static constexpr int StepMs = 900;
    static constexpr int CloseTimerId = 1;
    static constexpr int CloseAfterMs = 90000;

    // timers null: real Qt timers. The worker sleeps on clock.
    RestartDialog(InstallState& state, Clock& clock, QWidget* parent = nullptr,
                  DialogTimers* timers = nullptr);
    ~RestartDialog() override;

    QProgressBar* progressBar() const { return bar_; }

    void accept() override {}
    void reject() override {}

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void OnTimer();
    void stopWorker();

    InstallState& state_;
    Clock& clock_;
    std::unique_ptr<DialogTimers> ownTimers_;
    DialogTimers& timers_;
    QProgressBar* bar_ = nullptr;
    std::thread worker_;
    std::atomic<bool> stop_{false};
    bool opened_ = false;
};

} // namespace telvorin
