// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "protocol/FixedText.h"

#include <atomic>
#include <functional>
#include <memory>

class QWidget;
class QTreeWidget;
class QComboBox;
class QPushButton;

namespace telvorin {

class Protocol;
class Clock;
class Messages;
class IpAddressEdit;
class DriveService;
class DriveTable;
class WebCheck;
class BrowserLauncher;
struct InstallState;
class ShareWriter;
class DeviceFileStore;
class DialogTimers;
class NetworkMonitor;
namespace install {
class LocalStaging;
}

// The controls of the main window that handlers read and write.
struct MainControls {
    QWidget* dialog = nullptr;
    QTreeWidget* deviceList = nullptr;    // 1000
    QTreeWidget* volumeList = nullptr;    // 1001
    QPushButton* refresh = nullptr;       // 1002
    QPushButton* connect = nullptr;       // 1003
    QPushButton* disconnect = nullptr;    // 1004
    IpAddressEdit* ipAddress = nullptr;   // 1006
    QPushButton* apply = nullptr;         // 1007
    QPushButton* configuration = nullptr; // 1008
    QPushButton* exit = nullptr;          // 1009
    IpAddressEdit* netmask = nullptr;     // 1010
    IpAddressEdit* gateway = nullptr;     // 1011
    QComboBox* driveLetters = nullptr;    // 1013
    QComboBox* dhcp = nullptr;            // 1015
    QPushButton* about = nullptr;         // 1021
    QPushButton* language = nullptr;      // 1022
    QPushButton* bitTorrent = nullptr;    // 1025
};

// The platform services the handlers use. The program hands in the real ones; tests hand
// in the real ones against the lab, or in-memory stand-ins for logic-only tests.
struct MainServices {
    Protocol* protocol = nullptr;
    Clock* clock = nullptr;
    Messages* messages = nullptr;
    DriveService* drives = nullptr;
    WebCheck* webCheck = nullptr;
    BrowserLauncher* browser = nullptr;
    // The language and package installs: their shared flags, the device's share, the
    // device files, the local staging folder, and the install and restart windows'
    // timers (null: real ones).
    InstallState* installState = nullptr;
    ShareWriter* share = nullptr;
    DeviceFileStore* deviceFiles = nullptr;
    install::LocalStaging* staging = nullptr;
    DialogTimers* installTimers = nullptr;
    // Raised by a termination request: an install in progress ends in order (null: never).
    const std::atomic<int>* installCancel = nullptr;

    // After a termination request nothing new starts: no flow, window or device query.
    bool terminationRequested() const { return installCancel && installCancel->load() != 0; }
    // The host's network changes. With one, the window also searches by itself: after a
    // change, and again and again while its list is empty (null: only when asked).
    NetworkMonitor* network = nullptr;
};

// Everything a handler of the main window works on: its controls, the services, and the
// state the handlers share.
struct MainContext {
    MainControls controls;
    MainServices services;
    DriveTable* driveTable = nullptr;

    // 1 while a device of the list is highlighted and shown; 0 without one, as after
    // every search.
    int DeviceSelected = 0;
    // The address text of the device last clicked, configured or connected.
    FixedText<64> SelectedHost;
    // 1: the login dialog asks for the administrator password; 0: share login.
    int AdminLoginMode = 0;

    // The "Refresh" handler, for the flows that search again at their end.
    std::function<void()> OnRefresh;
    // Told after every search has listed its devices (null: nobody listens).
    std::function<void()> searched;
};

} // namespace telvorin
