// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's input while its handlers wait, over the in-memory network: a step is
// held at one of its waits while the test acts as a user (or a screen reader) would, and
// the devices' requests show which device each action reached.
#include "app/MainDialog.h"
#include "app/WindowServices.h"
#include "drives/MemoryDriveService.h"
#include "flows/FlowRig.h"
#include "install/InstallState.h"
#include "install/LocalStaging.h"
#include "install/MemoryShare.h"
#include "protocol/FakeNetwork.h"
#include "protocol/Protocol.h"
#include "protocol/RequestBytes.h"
#include "ui/BlockingStep.h"
#include "ui/IpAddressEdit.h"
#include "ui/ModalHelper.h"
#include "ui/RecordingMessages.h"

#include <QAccessible>
#include <QComboBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <qpa/qwindowsysteminterface.h>

#include <gtest/gtest.h>

#include <atomic>
#include <future>
#include <memory>

using namespace telvorin;

namespace {

// Three devices, listed A, B, C: A on the first segment, answering 300 ms after a request
// (its row goes above the others when it comes), then B and C on the second, 10 and 20 ms.
class HeldInputTest : public ::testing::Test {
public:
    HeldInputTest()
    {
        net.onWait = [this] { holdIfAsked(); };
    }
    ~HeldInputTest() override
    {
        net.onWait = {};
        EXPECT_NO_WINDOW_LEFT();
    }

    // The step that next sends a request for which `when` holds waits at its first wait
    // until `act` has run on the UI thread (inside the step's own event loop).
    void atNextWait(std::function<bool(const test::Bytes& lastSent)> when, std::function<void()> act)
    {
        auto acted = std::make_shared<std::promise<void>>();
        actedAt_ = acted->get_future().share();
        when_ = std::move(when);
        reached_ = false;
        armed_ = true;
        poll_ = std::make_unique<QTimer>();
        QTimer* poll = poll_.get();
        poll->setInterval(1);
        QObject::connect(poll, &QTimer::timeout, poll, [this, poll, acted, act = std::move(act)] {
            if (!reached_)
                return;
            poll->stop();
            act();
            acted->set_value();
        });
        poll->start();
    }

    bool addDevices()
    {
        net.addInterface("veth0", "10.64.0.1");
        net.addInterface("veth1", "10.65.0.1");
        const char* names[] = {"NAS-A", "NAS-B", "NAS-C"};
        for (std::uint8_t i = 0; i < 3; ++i) {
            test::FakeDevice device;
            device.name = names[i];
            device.address = {10, static_cast<std::uint8_t>(i == 0 ? 64 : 65), 0,
                              static_cast<std::uint8_t>(10 + i)};
            device.segments = {i == 0 ? 0 : 1};
            device.key[5] = i;
            device.values[ItemVolumeList] = std::string("HDD_") + static_cast<char>('a' + i);
            net.addDevice(device);
        }
        setReplyDelays(300, 10, 20);
        return true;
    }

    void setReplyDelays(int a, int b, int c)
    {
        net.device(0).replyDelayMs = a;
        net.device(1).replyDelayMs = b;
        net.device(2).replyDelayMs = c;
    }

    static std::function<bool(const test::Bytes&)> Sent(std::uint8_t op, int item = -1)
    {
        return [op, item](const test::Bytes& b) {
            const test::HeardRequest h = test::ReadRequest(b);
            return h.opcode == op && (item < 0 || h.item == item);
        };
    }

    // Requests of this kind that reached device i (addressed to it).
    int requestsTo(int i, std::uint8_t op, int item = -1)
    {
        const test::FakeDevice& d = net.device(i);
        int n = 0;
        for (const test::HeardRequest& h : test::Heard(d.requests))
            n += h.opcode == op && (item < 0 || h.item == item) && h.to == d.address;
        return n;
    }

    QPoint rowCentre(const MainDialog& dialog, int row) const
    {
        QTreeWidget* list = dialog.controls().deviceList;
        const QRect rect = list->visualItemRect(list->topLevelItem(row));
        return list->viewport()->mapTo(&dialog, rect.center());
    }

    // The IP text of the highlighted row, empty for none.
    static std::string Highlighted(const MainDialog& dialog)
    {
        const auto selected = dialog.controls().deviceList->selectedItems();
        return selected.size() == 1 ? selected.front()->text(1).toStdString() : std::string();
    }

    // A click on a row sent to the list itself, as by a program.
    void clickRow(MainDialog& dialog, int row)
    {
        QWidget* viewport = dialog.controls().deviceList->viewport();
        QTest::mouseClick(viewport, Qt::LeftButton, {}, viewport->mapFrom(&dialog, rowCentre(dialog, row)));
    }

    // A window that shows its three devices, A, B, C, and has A loaded.
    void showWithALoaded(MainDialog& dialog)
    {
        dialog.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
        ASSERT_EQ(dialog.controls().deviceList->topLevelItemCount(), 3);
        clickRow(dialog, 0);
        ASSERT_EQ(Highlighted(dialog), "10.64.0.10");
    }

    test::FakeClock clock;
    test::FakeNetwork net{clock};
    // The transport opens on the links the network has by then.
    const bool devicesAdded = addDevices();
    test::RecordingMessages messages;
    test::MemoryDriveService drives;
    WindowServices window{net, clock, {.messages = &messages, .drives = &drives}};
    Protocol& protocol = window.protocol();
    const MainServices& services = window.services();

private:
    void holdIfAsked()
    {
        if (!armed_ || net.sent().empty() || !when_(net.sent().back().bytes))
            return;
        armed_ = false;
        reached_ = true;
        actedAt_.wait();
    }

    std::atomic<bool> armed_{false};
    std::atomic<bool> reached_{false};
    std::function<bool(const test::Bytes&)> when_;
    std::shared_future<void> actedAt_;
    std::unique_ptr<QTimer> poll_;
};

void PressAccessibly(QPushButton* button)
{
    QAccessible::queryAccessibleInterface(button)->actionInterface()->doAction(
        QAccessibleActionInterface::pressAction());
}

} // namespace

TEST_F(HeldInputTest, AButtonPressedAfterAnAccessibleSelectionDuringALoadActsOnTheSelectedDevice)
{
    struct Row {
        const char* what;
        QPushButton* MainControls::*button;
        std::function<void(HeldInputTest&, const MainControls&)> check;
    };
    const Row rows[] = {
        {"Apply: the login and the set request go to B", &MainControls::apply,
         [](HeldInputTest& t, const MainControls&) {
             EXPECT_EQ(t.requestsTo(1, OpGet, ItemLogin), 1);
             EXPECT_EQ(t.requestsTo(1, OpSet), 1);
             EXPECT_EQ(t.requestsTo(0, OpGet, ItemLogin) + t.requestsTo(0, OpSet), 0);
         }},
        {"Connect: B's volumes are shown and none of A's is mapped", &MainControls::connect,
         [](HeldInputTest& t, const MainControls& c) {
             ASSERT_EQ(c.volumeList->topLevelItemCount(), 1);
             EXPECT_EQ(c.volumeList->topLevelItem(0)->text(0), QStringLiteral("HDD_b"));
             EXPECT_TRUE(t.drives.addCalls().empty());
             ASSERT_EQ(t.messages.count(), 1u);
             EXPECT_EQ(t.messages.last().text,
                       QStringLiteral("Please select a device in the above section."));
         }},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        messages.clear();
        MainDialog dialog(services);
        showWithALoaded(dialog);
        const MainControls& c = dialog.controls();
        for (int i = 0; i < 3; ++i)
            net.device(i).requests.clear();

        // A is clicked again; while its details load, a screen reader selects B and
        // presses the button.
        atNextWait(Sent(OpGet, ItemVolumeList), [&] {
            QAccessible::queryAccessibleInterface(c.deviceList)->tableInterface()->selectRow(1);
            PressAccessibly(c.*r.button);
            QTest::qWait(300); // past the timed click and the highlight's settle time
        });
        clickRow(dialog, 0);
        EXPECT_TRUE(QTest::qWaitFor([&] { return requestsTo(1, OpGet, ItemVolumeList) > 0; }));
        QTest::qWait(200);
        EXPECT_EQ(requestsTo(1, OpGet, ItemVolumeList), 1) << "B is loaded once";
        r.check(*this, c);
        dialog.hide();
    }
}

TEST_F(HeldInputTest, AClickHeldBackActsOnTheDeviceItWasMadeOnAndLoadsItOnce)
{
    // Each click is made on C while a step waits; its row may have moved by the time the
    // click is delivered.
    enum class During { Search, StaticApply, Load };
    struct Row {
        const char* what;
        During during;
        bool doubleClick;
    };
    const Row rows[] = {
        {"a double click during a search, moved down a row by a later reply", During::Search, true},
        {"a click held through a static Apply and its search, the rows reordered", During::StaticApply,
         false},
        {"a double click held through a static Apply and its search", During::StaticApply, true},
        {"a double click held during a load, the rows unmoved", During::Load, true},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        setReplyDelays(300, 10, 20);
        MainDialog dialog(services);
        showWithALoaded(dialog);
        for (int i = 0; i < 3; ++i)
            net.device(i).requests.clear();

        // During a search: once B and C are listed and A is not yet.
        auto when = r.during == During::Search ? std::function([this](const test::Bytes& sent) {
            return sent[0] == OpSearch && clock.nowMs() >= net.sent().back().atMs + 100;
        })
                                               : Sent(r.during == During::StaticApply ? OpSet : OpGet,
                                                      r.during == During::StaticApply ? -1 : ItemVolumeList);
        atNextWait(when, [&] {
            QTreeWidget* list = dialog.controls().deviceList;
            ASSERT_TRUE(QTest::qWaitFor([&] { return list->topLevelItemCount() >= 2; }));
            const int row = r.during == During::Search ? 1 : 2;
            ASSERT_EQ(list->topLevelItem(row)->text(1).toStdString(), net.device(2).ipText());
            QWindow* window = dialog.windowHandle();
            if (r.doubleClick)
                QTest::mouseDClick(window, Qt::LeftButton, {}, rowCentre(dialog, row));
            else
                QTest::mouseClick(window, Qt::LeftButton, {}, rowCentre(dialog, row));
            // The next search lists C before B.
            setReplyDelays(300, 20, 10);
            // Longer than any estimate of the press's time would reach back.
            QTest::qWait(r.during == During::StaticApply ? 1200 : 100);
        });
        if (r.during == During::Search)
            QTest::mouseClick(dialog.controls().refresh, Qt::LeftButton);
        else if (r.during == During::StaticApply)
            QTest::mouseClick(dialog.controls().apply, Qt::LeftButton);
        else
            clickRow(dialog, 0);

        EXPECT_TRUE(QTest::qWaitFor([&] { return Highlighted(dialog) == net.device(2).ipText(); }));
        QTest::qWait(200);
        EXPECT_EQ(Highlighted(dialog), net.device(2).ipText());
        EXPECT_EQ(requestsTo(2, OpGet, ItemVolumeList), 1) << "C is loaded once";
        EXPECT_EQ(requestsTo(1, OpGet, ItemVolumeList), 0);
        EXPECT_EQ(requestsTo(0, OpGet, ItemVolumeList), r.during == During::Load ? 1 : 0);
        dialog.hide();
    }
}

TEST_F(HeldInputTest, ACloseRequestDuringApplysLoginWindowWaitsForTheHandlerToEnd)
{
    MainDialog dialog(services);
    showWithALoaded(dialog);
    // The empty password fails, so the login window asks; the one typed there is right.
    net.device(0).loginByte = 0;
    atNextWait(Sent(OpGet, ItemLogin), [&] {
        QWindowSystemInterface::handleCloseEvent<QWindowSystemInterface::AsynchronousDelivery>(
            dialog.windowHandle());
        QTest::qWait(50);
    });
    bool openWhileAsking = false;
    bool visibleWhileAsking = false;
    test::ModalAnswerer answer([&](QWidget* login) {
        openWhileAsking = protocol.transportOpen();
        visibleWhileAsking = dialog.isVisible();
        net.device(0).loginByte = 1;
        static_cast<QDialog*>(login)->accept();
    });
    QTest::mouseClick(dialog.controls().apply, Qt::LeftButton);

    EXPECT_TRUE(answer.answered());
    EXPECT_EQ(answer.seenObjectName(), QStringLiteral("loginDialog"));
    EXPECT_TRUE(openWhileAsking);
    EXPECT_TRUE(visibleWhileAsking);
    EXPECT_EQ(requestsTo(0, OpGet, ItemLogin), 2);
    EXPECT_EQ(requestsTo(0, OpSet), 1) << "the handler ran to its end";
    for (const test::RecordedMessage& m : messages.all())
        ADD_FAILURE() << m.text.toStdString();
    // Then the window closes.
    EXPECT_TRUE(QTest::qWaitFor([&] { return !dialog.isVisible(); }));
    EXPECT_FALSE(protocol.transportOpen());
}

TEST(WindowTermination, ARequestDuringAnInstallEndsTheProgramOnceTheInstallHasStopped)
{
    test::FakeClock clock;
    test::FakeNetwork net{clock};
    net.addInterface("veth0", "10.64.0.1");
    test::FakeDevice nas;
    nas.name = "NAS-1";
    nas.address = {10, 64, 0, 10};
    nas.values[ItemIdeState] = "3";
    nas.values[ItemCodepageGet] = "850";
    nas.values[ItemShareName] = "HDD_a";
    net.addDevice(nas);
    test::RecordingMessages messages;
    test::MemoryDriveService drives;
    InstallState installState;
    test::MemoryShare share;
    test::MemoryDeviceFiles files = test::MemoryDeviceFiles::complete();
    install::LocalStaging staging;
    test::QuickTimers timers;
    std::atomic<int> termination{0};
    WindowServices window(net, clock,
                          {.messages = &messages,
                           .drives = &drives,
                           .installState = &installState,
                           .share = &share,
                           .deviceFiles = &files,
                           .staging = &staging,
                           .installTimers = &timers,
                           .installCancel = &termination});
    MainDialog dialog(window.services());

    // The request comes as the install's first set request waits for its answer.
    std::atomic<bool> requested{false};
    net.onWait = [&] {
        const test::Bytes& last = net.sent().back().bytes;
        if (requested || last[0] != OpSet)
            return;
        requested = true;
        termination = 15;
        QMetaObject::invokeMethod(
            &dialog, [&] { dialog.endOnTermination(); }, Qt::QueuedConnection);
    };
    int languageWindows = 0;
    test::ModalAnswerer choose([&](QWidget* modal) {
        ++languageWindows;
        static_cast<QDialog*>(modal)->accept(); // the codepage the device has
    });
    QTimer::singleShot(0, &dialog, [&] {
        AfterBlockingSteps(&dialog, [&] {
            QWidget* viewport = dialog.controls().deviceList->viewport();
            QTest::mouseClick(viewport, Qt::LeftButton, {},
                              dialog.controls()
                                  .deviceList->visualItemRect(dialog.controls().deviceList->topLevelItem(0))
                                  .center());
            QTest::mouseClick(dialog.controls().language, Qt::LeftButton);
        });
    });
    bool safetyEnded = false;
    QTimer::singleShot(20000, &dialog, [&] {
        safetyEnded = true;
        dialog.reject();
    });
    dialog.exec();
    net.onWait = {};

    EXPECT_FALSE(safetyEnded) << "the run did not end";
    EXPECT_TRUE(requested);
    EXPECT_EQ(languageWindows, 1);
    EXPECT_EQ(choose.seenObjectName(), QStringLiteral("languageDialog"));
    int ideQueries = 0;
    for (const test::Bytes& b : net.device(0).requests)
        ideQueries += b.size() > 21 && b[0] == OpGet && b[21] == ItemIdeState;
    EXPECT_EQ(ideQueries, 1) << "the language window asked again";
    const test::Bytes& last = net.device(0).requests.back();
    EXPECT_EQ(std::string(last.begin() + std::min<std::ptrdiff_t>(60, std::ssize(last)), last.end()), "stop")
        << "the install's stop is the last request";
    EXPECT_FALSE(window.protocol().transportOpen());
    EXPECT_NO_WINDOW_LEFT();
}
