// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/MainDialog.h"
#include "app/WindowServices.h"
#include "drives/MemoryDriveService.h"
#include "install/InstallState.h"
#include "ui/OfflineNetwork.h"
#include "ui/RecordingMessages.h"

#include <QString>
#include <QStringList>
#include <QWidget>

#include <functional>
#include <memory>

namespace telvorin::test {

// A main window on a network where nothing answers.
struct OfflineMain {
    SilentSockets sockets{{{"veth0", "10.64.0.1"}}};
    ManualClock clock;
    RecordingMessages messages;
    MemoryDriveService drives;
    InstallState install;
    WindowServices window{
        sockets, clock, {.messages = &messages, .drives = &drives, .installState = &install}};
    std::unique_ptr<MainDialog> dialog;

    OfflineMain();
};

// Opens, one after the other, every window the program builds from a dialog template
// (main, About, both logins, language, install, restart), each shown and with its events
// processed, and calls `check` with a short name for it. Nothing talks to a network.
void ForEachTemplateWindow(const std::function<void(const char* name, QWidget& window)>& check);

// A stable name for a control of a window: its object name, prefixed by the named
// control it belongs to ("ipAddressEdit/octet0"). Group boxes and the window are left
// out, so the name stays when a control is put inside a group box. Empty for widgets
// without an object name and for Qt's own parts ("qt_*").
QString ControlPath(const QWidget& widget);

// Every fault of a shown window's layout, as readable lines: a text its control cuts, a
// control reaching outside the window, two controls on top of each other, a control
// across a group box's frame.
QStringList LayoutFaults(QWidget& window);

} // namespace telvorin::test
