// SPDX-License-Identifier: GPL-3.0-or-later
// telvorin-bench-window: how the main window answers while it waits. Prints the time from
// start to the window shown, to its first row and to its full list, with the longest gap
// of the UI event loop (a timer ticking every 10 ms) while the rows stream in, and that gap
// during a Refresh, a device click and an Apply against a device that answers only the
// search, and a Connect and Disconnect over GVfs. Runs only inside a lab's pc namespace
// (bench/window.sh starts it there), on the offscreen platform.
//
//   telvorin-bench-window LABEL SILENT_DEVICE SHARE_DEVICE VOLUME

#include "app/MainDialog.h"
#include "app/WindowServices.h"
#include "drives/DriveMapping.h"
#include "gvfs/GvfsSession.h"
#include "lab/LabLinks.h"
#include "platform/BrowserLauncher.h"
#include "platform/GioDriveService.h"
#include "platform/WebCheck.h"
#include "protocol/PosixSocketLayer.h"
#include "protocol/Protocol.h"
#include "settings/DeviceDetails.h"
#include "ui/BlockingStep.h"
#include "ui/Colours.h"
#include "ui/Messages.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <optional>
#include <string>

using namespace telvorin;

namespace {

using Wall = std::chrono::steady_clock;

double Seconds(Wall::time_point from, Wall::time_point to)
{
    return std::chrono::duration<double>(to - from).count();
}

// Message boxes are counted and their texts printed, never shown.
class PrintedMessages final : public Messages {
public:
    void show(QWidget*, const QString& text, const QString&, MessageIcon) override
    {
        last = text.toStdString();
        for (char& c : last)
            if (c == '\n')
                c = ' ';
    }
    std::string last;
};

// The first time the window paints.
class FirstPaint final : public QObject {
public:
    std::optional<Wall::time_point> at;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !at)
            at = Wall::now();
        return QObject::eventFilter(watched, event);
    }
};

// The first row of a list, from the moment it is armed.
class FirstRow final : public QObject {
public:
    explicit FirstRow(QTreeWidget* list)
    {
        QObject::connect(list->model(), &QAbstractItemModel::rowsInserted, this, [this] {
            if (!at)
                at = Wall::now();
        });
    }
    void arm() { at.reset(); }
    std::optional<Wall::time_point> at;
};

// Runs `action` from the event loop, as a click would, while a 10 ms timer ticks; the
// longest time between two ticks (or a tick and the action's end), and the action's time.
struct Gap {
    double longestMs = 0;
    double actionSeconds = 0;
};

Gap MeasureGap(const std::function<void()>& action)
{
    Gap gap;
    QTimer tick;
    tick.setTimerType(Qt::PreciseTimer);
    tick.setInterval(10);
    Wall::time_point last = Wall::now();
    auto note = [&] {
        const Wall::time_point now = Wall::now();
        gap.longestMs = std::max(gap.longestMs, Seconds(last, now) * 1000.0);
        last = now;
    };
    QObject::connect(&tick, &QTimer::timeout, &tick, note);
    // Answers a modal dialog (the login dialog) as a person who cancels it would.
    QTimer dismiss;
    dismiss.setInterval(50);
    QObject::connect(&dismiss, &QTimer::timeout, &dismiss, [] {
        if (BlockingStepRunning())
            return;
        if (auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
            modal->reject();
    });

    QEventLoop loop;
    QTimer::singleShot(0, &loop, [&] {
        tick.start();
        dismiss.start();
        last = Wall::now();
        const Wall::time_point start = last;
        action();
        note();
        gap.actionSeconds = Seconds(start, Wall::now());
        tick.stop();
        dismiss.stop();
        loop.quit();
    });
    loop.exec();
    return gap;
}

int RowOf(const QTreeWidget* list, const QString& text)
{
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        if (list->topLevelItem(i)->text(0) == text)
            return i;
    return -1;
}

void Report(const char* label, const char* what, const Gap& gap, const std::string& outcome)
{
    std::printf("%s action=%s seconds=%.3f longest_gap_ms=%.1f outcome=\"%s\"\n", label, what,
                gap.actionSeconds, gap.longestMs, outcome.c_str());
    std::fflush(stdout);
}

} // namespace

int main(int argc, char** argv)
{
    const Wall::time_point started = Wall::now();
    if (argc < 5) {
        std::fprintf(stderr, "usage: telvorin-bench-window LABEL SILENT_DEVICE SHARE_DEVICE VOLUME\n");
        return 2;
    }
    const char* label = argv[1];
    const QString silentDevice = QString::fromLocal8Bit(argv[2]);
    const QString shareDevice = QString::fromLocal8Bit(argv[3]);
    const QString volume = QString::fromLocal8Bit(argv[4]);
    if (!telvorin::lab::OnlyLabLinks()) {
        std::fprintf(stderr, "telvorin-bench-window: run it inside a lab namespace (bench/window.sh)\n");
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");

    // GIO picks its bus once per process: the private GVfs comes before anything else.
    std::string noGvfs;
    std::unique_ptr<test::GvfsSession> gvfs;
    if (test::GvfsSession::available(&noGvfs)) {
        gvfs = std::make_unique<test::GvfsSession>();
        if (!gvfs->ok()) {
            noGvfs = gvfs->error();
            gvfs.reset();
        }
    }
    const Wall::time_point gvfsReady = Wall::now();

    int appArgc = 1;
    QApplication app(appArgc, argv);
    ApplyColourScheme(app);

    PosixSocketLayer sockets;
    SteadyClock clock;
    PrintedMessages messages;
    const std::string drivesFolder = gvfs ? gvfs->drivesFolder() : std::string("/tmp/telvorin-bench-drives");
    GioDriveService drives(drivesFolder, drivesFolder + "-autostart");
    TcpWebCheck webCheck;
    GioBrowserLauncher browser;
    WindowServices window(
        sockets, clock,
        {.messages = &messages, .drives = &drives, .webCheck = &webCheck, .browser = &browser});
    Protocol& protocol = window.protocol();

    // Start-up as the program does it; the time spent starting the private GVfs for this
    // benchmark is left out.
    MainDialog dialog(window.services());
    const MainControls& c = dialog.controls();
    FirstPaint firstPaint;
    dialog.installEventFilter(&firstPaint);
    FirstRow firstRow(c.deviceList);
    // The first search runs within show(): its rows stream in while this ticks.
    Gap startGap;
    const Gap showing = MeasureGap([&] {
        const Wall::time_point searchStart = Wall::now();
        dialog.show();
        startGap.actionSeconds = firstRow.at ? Seconds(searchStart, *firstRow.at) : -1.0;
    });
    const Wall::time_point filled = Wall::now();
    const auto startup = gvfsReady - started;
    std::printf(
        "%s interfaces=%d devices=%d gvfs_start_s=%.3f shown_s=%.3f first_row_s=%.3f full_list_s=%.3f "
        "search_first_row_s=%.3f stream_longest_gap_ms=%.1f\n",
        label, protocol.interfaces.count, c.deviceList->topLevelItemCount(), Seconds(started, gvfsReady),
        firstPaint.at ? Seconds(started, *firstPaint.at - startup) : -1.0,
        firstRow.at ? Seconds(started, *firstRow.at - startup) : -1.0, Seconds(started, filled - startup),
        startGap.actionSeconds, showing.longestMs);
    std::fflush(stdout);

    firstRow.arm();
    Wall::time_point refreshStart;
    Gap refresh = MeasureGap([&] {
        refreshStart = Wall::now();
        c.refresh->click();
    });
    Report(label, "refresh", refresh,
           std::to_string(c.deviceList->topLevelItemCount()) + " devices, first row after " +
               (firstRow.at ? std::to_string(Seconds(refreshStart, *firstRow.at)).substr(0, 5)
                            : std::string("-")) +
               " s");

    // Apply with DHCP against a device that is found but answers nothing else: two
    // logins that wait out their polls, the login dialog between them.
    const int silentRow = RowOf(c.deviceList, silentDevice);
    if (silentRow >= 0) {
        const Gap click = MeasureGap([&] {
            c.deviceList->topLevelItem(silentRow)->setSelected(true);
            OnDeviceListClick(dialog.context());
        });
        Report(label, "device_click_silent", click,
               std::to_string(c.volumeList->topLevelItemCount()) + " volumes");
        c.dhcp->setCurrentIndex(c.dhcp->findText(QStringLiteral("Enable")));
        messages.last.clear();
        const Gap apply = MeasureGap([&] { c.apply->click(); });
        Report(label, "apply_silent", apply, messages.last);
    } else {
        std::printf("%s action=apply_silent skipped: no row %s\n", label, qPrintable(silentDevice));
    }

    // Connect and Disconnect of a volume over the private GVfs.
    const int shareRow = RowOf(c.deviceList, shareDevice);
    if (!gvfs) {
        std::printf("%s action=connect skipped: %s\n", label, noGvfs.c_str());
    } else if (shareRow < 0) {
        std::printf("%s action=connect skipped: no row %s\n", label, qPrintable(shareDevice));
    } else {
        c.deviceList->clearSelection();
        c.deviceList->topLevelItem(shareRow)->setSelected(true);
        OnDeviceListClick(dialog.context());
        const int volumeRow = RowOf(c.volumeList, volume);
        if (volumeRow < 0) {
            std::printf("%s action=connect skipped: no volume %s\n", label, qPrintable(volume));
        } else {
            c.volumeList->topLevelItem(volumeRow)->setSelected(true);
            messages.last.clear();
            const Gap connect = MeasureGap([&] { c.connect->click(); });
            Report(label, "connect", connect, messages.last);
            const int mappedRow = RowOf(c.volumeList, volume);
            if (mappedRow >= 0)
                c.volumeList->topLevelItem(mappedRow)->setSelected(true);
            messages.last.clear();
            const Gap disconnect = MeasureGap([&] { c.disconnect->click(); });
            Report(label, "disconnect", disconnect, messages.last);
        }
    }

    dialog.hide();
    protocol.CloseTransport();
    return 0;
}
