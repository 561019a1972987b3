// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the Language and BitTorrent flows need around the real main window in tests:
// install and restart windows whose timers fire at once (the intervals they asked for
// recorded), a browser that records the pages it was asked to open, a script that
// answers the modal windows as they come, and the main window's services over the real
// transport, the real share writer and the build's stand-in device files, with the flows'
// pauses on a fake clock.

#include "appstate/MainContext.h"
#include "drives/MemoryDriveService.h"
#include "install/InstallState.h"
#include "install/LocalStaging.h"
#include "installui/DialogTimers.h"
#include "platform/BrowserLauncher.h"
#include "platform/DeviceFiles.h"
#include "platform/SmbShareWriter.h"
#include "protocol/FakeClock.h"
#include "protocol/PosixSocketLayer.h"
#include "protocol/Protocol.h"
#include "ui/RecordingMessages.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

class QTreeWidget;

namespace telvorin::test {

// Each timer fires as soon as the event loop runs, and again until it is killed.
class QuickTimers final : public DialogTimers {
public:
    std::vector<std::pair<int, int>> asked; // (id, ms) in the order they were set

    void set(int id, int ms, std::function<void()> tick) override;
    void kill(int id) override { timers_.kill(id); }

private:
    QObject owner_;
    QtDialogTimers timers_{&owner_};
};

class RecordingBrowser final : public BrowserLauncher {
public:
    std::vector<std::string> opened; // every URL handed to either launch

    std::string defaultBrowserName() override { return {}; }
    bool launchDefaultBrowser(const std::string& url) override;
    bool launchOpener(const std::string& url) override;
};

// Answers modal windows in order: step i waits for a visible modal window with its
// object name that no earlier step answered, then runs its action from the event loop
// (so an action that opens further modal windows does not hold up the script).
class ModalScript : public QObject {
public:
    struct Step {
        QString objectName;
        std::function<void(QWidget* modal)> action;
    };

    explicit ModalScript(std::vector<Step> steps);
    // Steps answered so far.
    int answered() const { return next_; }
    bool finished() const { return next_ == static_cast<int>(steps_.size()); }

private:
    void poll();

    std::vector<Step> steps_;
    int next_ = 0;
    QTimer timer_;
};

// The main window's services with everything the installs need.
class FlowRig {
public:
    // payloadDir holds the device files (CODEPAGE/<id>, BT/<id>).
    explicit FlowRig(const std::string& payloadDir);
    ~FlowRig();

    // Opens the transport (call inside the lab's pc namespace).
    void open();
    MainServices services();

    PosixSocketLayer sockets;
    SteadyClock protocolClock;
    std::unique_ptr<Protocol> protocol;
    FakeClock clock; // the flows' pauses and the restart wait's steps
    RecordingMessages messages;
    MemoryDriveService drives;
    RecordingBrowser browser;
    InstallState installState;
    SmbShareWriter share;
    XdgDeviceFiles deviceFiles;
    install::LocalStaging staging;
    QuickTimers timers;
};

// Clicks the device row with this name; false when there is none.
bool ClickDeviceRow(QTreeWidget* list, const QString& name);

} // namespace telvorin::test
