// SPDX-License-Identifier: GPL-3.0-or-later
// The real window over the lab while the pc's network changes under it.
#include "app/MainDialog.h"
#include "drives/MemoryDriveService.h"
#include "lab/LabTest.h"
#include "platform/NetworkMonitor.h"
#include "protocol/PosixSocketLayer.h"
#include "protocol/Protocol.h"
#include "ui/RecordingMessages.h"

#include "ThreeDevices.h"

#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>

using namespace telvorin;

namespace {

using NetworkLab = lab::LabTest;

// The real transport and a netlink monitor inside the lab's pc namespace (entered by the test).
class LabWindow {
public:
    explicit LabWindow(const lab::Lab& lab)
        : lab(lab)
    {
        protocol = std::make_unique<Protocol>(sockets, clock, nullptr);
        protocol->OpenTransport();
        network = std::make_unique<NetlinkMonitor>();
        services.protocol = protocol.get();
        services.clock = &clock;
        services.messages = &messages;
        services.drives = &drives;
        services.network = network.get();
    }
    ~LabWindow()
    {
        network.reset();
        protocol.reset();
    }

    // Runs ip(8) in the pc namespace.
    int ip(const std::vector<std::string>& args)
    {
        std::vector<std::string> argv{"/usr/sbin/ip"};
        argv.insert(argv.end(), args.begin(), args.end());
        return lab::Lab::runCommand(argv);
    }
    // Gives segment i's pc link its lab address back.
    int addSegmentAddress(int i)
    {
        return ip({"addr", "add", cidr(i, segment(i).pcAddress), "dev", segment(i).pcInterface});
    }
    // A host firewall in the pc namespace: the table drops incoming UDP to the devices' port.
    static int dropPort(const std::string& table)
    {
        return lab::Lab::runCommand({"/usr/sbin/nft", "add table inet " + table + "; add chain inet " +
                                                          table +
                                                          " input { type filter hook input priority 0; }; "
                                                          "add rule inet " +
                                                          table + " input udp dport 13579 drop"});
    }
    const lab::LabSegment& segment(int i) const { return lab.segments().at(static_cast<std::size_t>(i)); }
    std::string cidr(int i, const std::string& address) const
    {
        return address + "/" + std::to_string(segment(i).prefixLength);
    }

    const lab::Lab& lab;
    PosixSocketLayer sockets;
    SteadyClock clock;
    std::unique_ptr<Protocol> protocol;
    std::unique_ptr<NetlinkMonitor> network;
    test::RecordingMessages messages;
    test::MemoryDriveService drives;
    MainServices services;
};

bool Listed(QTreeWidget* list, const char* name)
{
    return !list->findItems(QString::fromLatin1(name), Qt::MatchExactly, 0).isEmpty();
}

TEST_F(NetworkLab, ALinkThatGetsItsAddressLaterAndARenumberedAddressAreSearchedByThemselves)
{
    ASSERT_TRUE(startLab(test::ThreeDevices));
    LabWindow w(lab());
    ASSERT_EQ(w.ip({"addr", "flush", "dev", w.segment(1).pcInterface}), 0);
    MainDialog dialog(w.services);
    dialog.show();
    QTreeWidget* list = dialog.controls().deviceList;
    EXPECT_TRUE(Listed(list, "NAS-1"));
    EXPECT_FALSE(Listed(list, "Media"));

    // The link gets its address: about 2 s, then one search of about 1 s.
    ASSERT_EQ(w.addSegmentAddress(1), 0);
    EXPECT_TRUE(QTest::qWaitFor([&] { return Listed(list, "Media"); }, 6000));
    EXPECT_TRUE(Listed(list, "NAS-1"));

    // The pc's own address on segment 0 is renumbered: its devices are listed again,
    // heard through the new address.
    lab().clearRequests();
    const std::string renumbered = "10.64.0.77";
    ASSERT_EQ(w.ip({"addr", "flush", "dev", w.segment(0).pcInterface}), 0);
    ASSERT_EQ(w.ip({"addr", "add", w.cidr(0, renumbered), "dev", w.segment(0).pcInterface}), 0);
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            for (const lab::RecordedRequest& r : lab().requests(0))
                if (r.device == "*" && r.fromAddress == renumbered)
                    return true;
            return false;
        },
        6000));
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return Listed(list, "NAS-1") && Listed(list, "Archive") && Listed(list, "Media"); }, 4000));
    EXPECT_TRUE(w.messages.empty());
    dialog.hide();
}

TEST_F(NetworkLab, WithADeviceSelectedAChangeSearchesNothingAndRefreshSeesIt)
{
    ASSERT_TRUE(startLab(test::ThreeDevices));
    LabWindow w(lab());
    ASSERT_EQ(w.ip({"addr", "flush", "dev", w.segment(1).pcInterface}), 0);
    MainDialog dialog(w.services);
    dialog.show();
    QTreeWidget* list = dialog.controls().deviceList;
    const auto row = list->findItems(QStringLiteral("NAS-1"), Qt::MatchExactly, 0);
    ASSERT_FALSE(row.isEmpty());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(row.front()).center());
    ASSERT_TRUE(QTest::qWaitFor([&] { return dialog.context().DeviceSelected == 1; }));

    lab().clearRequests();
    ASSERT_EQ(w.addSegmentAddress(1), 0);
    QTest::qWait(4000);
    int searches = 0;
    for (int s = 0; s < 2; ++s)
        for (const lab::RecordedRequest& r : lab().requests(s))
            searches += r.device == "*" ? 1 : 0;
    EXPECT_EQ(searches, 0);
    EXPECT_FALSE(Listed(list, "Media"));

    QTest::mouseClick(dialog.controls().refresh, Qt::LeftButton);
    EXPECT_TRUE(QTest::qWaitFor([&] { return Listed(list, "Media"); }, 4000));
    dialog.hide();
}

TEST_F(NetworkLab, AFirewallDroppingThePortIsNamedByTheEmptyListAndTheProbe)
{
    ASSERT_TRUE(startLab(test::ThreeDevices));
    LabWindow w(lab());
    ASSERT_EQ(LabWindow::dropPort("hostfw"), 0);
    MainDialog dialog(w.services);
    dialog.show();
    QTreeWidget* list = dialog.controls().deviceList;
    EXPECT_EQ(list->topLevelItemCount(), 0);
    EXPECT_TRUE(list->accessibleDescription().contains(QStringLiteral("UDP port 13579")))
        << list->accessibleDescription().toStdString();
    dialog.hide();

    std::string out;
    EXPECT_EQ(lab::Lab::runCommand({"/bin/sh", "-c", std::string(TELVORIN_LAB_PROBE) + " search 2>&1"}, &out),
              0);
    EXPECT_NE(out.find("UDP port 13579"), std::string::npos) << out;
    EXPECT_EQ(std::count(out.begin(), out.end(), '\n'), 1) << out;
}

TEST_F(NetworkLab, ADeviceThatAnswersOnlyLaterIsListedByTheEmptyListsOwnSearches)
{
    ASSERT_TRUE(startLab(test::ThreeDevices));
    LabWindow w(lab());
    // Nothing reaches the pc until the drop goes: to the window the devices boot late.
    ASSERT_EQ(LabWindow::dropPort("late"), 0);
    MainDialog dialog(w.services);
    dialog.show();
    QTreeWidget* list = dialog.controls().deviceList;
    QSignalSpy refreshes(dialog.controls().refresh, &QPushButton::clicked);
    ASSERT_EQ(list->topLevelItemCount(), 0);

    QTest::qWait(10000);
    EXPECT_EQ(list->topLevelItemCount(), 0);
    ASSERT_EQ(lab::Lab::runCommand({"/usr/sbin/nft", "delete table inet late"}), 0);
    // The pauses grow 2, 4, 8, 16 s: the next search after the drop goes falls within
    // about 20 s; the rest of the bound is for a loaded machine.
    EXPECT_TRUE(QTest::qWaitFor([&] { return Listed(list, "NAS-1"); }, 40000));
    EXPECT_EQ(refreshes.count(), 0);
    dialog.hide();
}

} // namespace
