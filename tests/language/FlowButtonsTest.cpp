// SPDX-License-Identifier: GPL-3.0-or-later
// "Language" and "BitTorrent" on the main window without a network: with no device
// selected they only say so; with one, their questions to the device wait off the UI
// thread, the window handling events under a busy cursor.

#include "app/MainDialog.h"
#include "flows/FlowRig.h"
#include "ui/BlockingStep.h"
#include "ui/ModalHelper.h"
#include "ui/OfflineNetwork.h"
#include "ui/QtPrinters.h"

#include <QCursor>
#include <QGuiApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <atomic>
#include <chrono>
#include <future>

#include <gtest/gtest.h>

using namespace telvorin;
using namespace telvorin::test;

TEST(FlowButtons, WithoutASelectedDeviceTheyOnlySayToSelectOne)
{
    for (const bool package : {false, true}) {
        SCOPED_TRACE(package ? "BitTorrent" : "Language");
        SilentSockets sockets{{{"veth0", "10.64.0.1"}}};
        ManualClock clock;
        Protocol protocol(sockets, clock, nullptr);
        protocol.OpenTransport();
        FlowRig rig("/nonexistent");
        MainServices services = rig.services();
        services.protocol = &protocol;
        MainDialog window(services);
        window.show();
        const int sendsAfterSearch = sockets.sends;

        QTest::mouseClick(package ? window.controls().bitTorrent : window.controls().language,
                          Qt::LeftButton);

        ASSERT_EQ(rig.messages.count(), 1u);
        EXPECT_EQ(rig.messages.last().text, QStringLiteral("Please select a device."));
        EXPECT_EQ(rig.messages.last().caption, QStringLiteral("Error"));
        EXPECT_EQ(rig.messages.last().icon, MessageIcon::Stop);
        EXPECT_EQ(rig.messages.last().owner, &window);
        EXPECT_EQ(sockets.sends, sendsAfterSearch);
        EXPECT_EQ(rig.installState.BtInstallMode, 0);
        EXPECT_EQ(rig.installState.SetupOutcome, 0);
        EXPECT_TRUE(rig.timers.asked.empty());
        window.hide();
        protocol.CloseTransport();
    }
    EXPECT_NO_WINDOW_LEFT();
}

TEST(FlowButtons, TheirQuestionsWaitWhileTheWindowHandlesEventsUnderABusyCursor)
{
    for (const bool package : {false, true}) {
        SCOPED_TRACE(package ? "BitTorrent" : "Language");
        SilentSockets sockets{{{"veth0", "10.64.0.1"}}};
        ManualClock searchClock;
        Protocol protocol(sockets, searchClock, nullptr);
        protocol.OpenTransport();
        FlowRig rig("/nonexistent");
        // The first pause holds until the test lets it go; later ones pass at once.
        ManualClock pauses;
        std::promise<void> release;
        std::atomic<bool> holding{false};
        pauses.onSleep = [&](int) {
            if (pauses.sleeps > 1)
                return;
            holding = true;
            // Bounded, so a pause on the UI thread fails the test rather than hanging it.
            release.get_future().wait_for(std::chrono::seconds(10));
        };
        MainServices services = rig.services();
        services.protocol = &protocol;
        services.clock = &pauses;
        MainDialog window(services);
        window.show();
        window.context().DeviceSelected = 1;

        bool stepRunning = false;
        bool busyCursor = false;
        QTimer look;
        look.setInterval(5);
        QObject::connect(&look, &QTimer::timeout, &window, [&] {
            if (!holding)
                return;
            look.stop();
            stepRunning = BlockingStepRunning();
            const QCursor* cursor = QGuiApplication::overrideCursor();
            busyCursor = cursor && cursor->shape() == Qt::WaitCursor;
            release.set_value();
        });
        look.start();
        QTest::mouseClick(package ? window.controls().bitTorrent : window.controls().language,
                          Qt::LeftButton);

        EXPECT_TRUE(holding.load()) << "the flow paused";
        EXPECT_TRUE(stepRunning) << "the pause ran as a blocking step";
        EXPECT_TRUE(busyCursor);
        EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr) << "the cursor is back";
        // The device never answered: the flow ends with its refusal.
        ASSERT_EQ(rig.messages.count(), 1u);
        EXPECT_EQ(rig.messages.last().text,
                  package ? QStringLiteral("BitTorrent does not supported on this device now.")
                          : QStringLiteral("Multi-language options are not supported on this device."));
        EXPECT_EQ(rig.installState.SetupOutcome, -1);
        window.hide();
        protocol.CloseTransport();
    }
    EXPECT_NO_WINDOW_LEFT();
}
