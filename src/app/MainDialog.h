// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/BlockingDriveService.h"
#include "appstate/AutoSearch.h"
#include "appstate/MainContext.h"
#include "drives/DriveTable.h"

#include <QDialog>
#include <QTimer>

#include <functional>
#include <memory>
#include <optional>

class QTreeWidget;

namespace telvorin {

class ReportList;

// The main window (template 102). It builds its controls from the template, owns the
// MainContext its handlers work on, and routes each control to its handler; each
// handler lives in the file named beside it:
//   device list click (also on empty space) -> OnDeviceListClick  settings/DeviceDetails.cpp
//   "Receive DHCP" chosen by the user       -> OnDhcpChange       settings/DeviceDetails.cpp
//   Refresh                                 -> OnRefresh          app/OnRefresh.cpp
//   Apply                                   -> OnApply            settings/LanSettings.cpp
//   Configuration                           -> OnConfiguration    settings/WebConfiguration.cpp
//   Connect                                 -> OnConnect          drives/DriveMapping.cpp
//   Disconnect                              -> OnDisconnect       drives/DriveMapping.cpp
//   Language                                -> OnLanguage         language/OnLanguage.cpp
//                                              (its window: language/LanguageDialog.cpp)
//   BitTorrent                              -> OnBitTorrent       bittorrent/OnBitTorrent.cpp
//   About (and system commands 16..31)      -> OnAbout            app/MainDialog.cpp
//                                              (the box itself: app/AboutDialog.cpp)
//   Exit                                    -> OnExit             app/MainDialog.cpp
//   the window's close request              -> OnClose            app/MainDialog.cpp
//   the highlight moved in the device list   -> ShowHighlightedDevice settings/DeviceDetails.cpp
//   (arrow keys, typing, a screen reader's selection; once it has settled)
// Refresh and Apply both end with SearchAndShowDevices (appstate/DeviceRows.cpp).
// Enter (when no push button has the focus) and Escape end the modal run without the
// clean-up of Exit and close.
//
// Every wait of a handler (the search, a transaction, a mount) runs as a blocking step
// (ui/BlockingStep.h): the window stays painted and answering, and input waits for the
// step's end. The drive service handed in is called through BlockingDriveService.
// Handlers run one at a time, in the order they were asked for, from the one queue of
// AfterBlockingSteps (each inside a HandlerRun): one asked for while another runs (a
// screen reader's press on a button is a timed click, not held-back input; the settle
// timer; a close request) runs once it is over.
//
// The device the buttons act on is the highlighted row. Moving the highlight loads that
// device once the highlight has rested for the settle time, so holding an arrow key does
// not load every row passed; a handler that acts on the device loads the highlighted one
// first whenever it is not the device last loaded.
//
// Initialisation (OnInitDialog: list columns, drive letters, the first search) runs once.
// Shown by show() or exec(), the window appears at once with the list empty and Refresh
// disabled, and the first search fills it before show() returns. Tests may call
// OnInitDialog() themselves before showing; it then does not run again.
class MainDialog : public QDialog {
    Q_OBJECT
public:
    // The services stay owned by the caller and must outlive the dialog.
    explicit MainDialog(const MainServices& services, QWidget* parent = nullptr);
    ~MainDialog() override;

    MainContext& context() { return ctx_; }
    const MainContext& context() const { return ctx_; }
    const MainControls& controls() const { return ctx_.controls; }
    DriveTable& driveTable() { return driveTable_; }

    bool OnInitDialog();
    bool initialised() const { return initialised_; }

    // System command ids 16..31 open the About box; others are ignored (no system menu).
    void OnSysCommand(unsigned commandId);

    void setVisible(bool visible) override;

    // How long the highlight must rest before its device is loaded (150 ms).
    void setSelectionSettleMs(int ms) { settle_.setInterval(ms); }

    // Nothing runs (no handler, step or dialog of the window's) and no device is selected:
    // the window waits for the user with nothing on its hands.
    bool idle() const;

    // A termination request: the install in progress ends in order (it sees the flag of
    // MainServices::installCancel), every other window closes, nothing further runs, and
    // the run ends once the handler in progress is over.
    void endOnTermination();

public Q_SLOTS:
    void OnExit();
    void OnAbout();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // Whether a handler acts on the highlighted device, which is then loaded first, or
    // replaces a pending load (a search, a click, the end of the run).
    enum class Acts { OnDevice, Alone };

    void OnClose();
    void bindControls();
    void connectControls();
    void orderTabStops();
    void prepareLists();
    void readDrivesAndSearch();
    void closeTransportOnce();
    void runHandler(std::function<void()> handler, Acts acts);
    void loadSettledHighlight();
    void loadHighlightIfNew();
    void closeOtherWindows();
    void layOutControls();
    void followNetwork();

    std::optional<BlockingDriveService> blockingDrives_;
    MainContext ctx_;
    DriveTable driveTable_;
    bool initialised_ = false;

    std::unique_ptr<AutoSearch> autoSearch_;
    QTimer settle_;
    bool ending_ = false;
    QTimer closeOthers_;
    // The controls' places in the window at the template's size, which is also the
    // smallest size, and how each follows a larger window (ControlFollow bits); group
    // boxes come before the controls inside them.
    struct TemplatePlace {
        QWidget* control;
        QRect inWindow;
        unsigned follow;
    };
    std::vector<TemplatePlace> templatePlaces_;
};

} // namespace telvorin
