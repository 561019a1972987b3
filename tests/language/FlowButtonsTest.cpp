// "Language" and "BitTorrent" without a device selected: the error, and nothing asked of
// any device and no install flag left set.

#include "app/MainDialog.h"
#include "flows/FlowRig.h"
#include "ui/ModalHelper.h"
#include "ui/OfflineNetwork.h"
#include "ui/QtPrinters.h"

#include <QPushButton>
#include <QTest>

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
