// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/MainDialog.h"
#include "app/ProtocolLog.h"
#include "app/WindowServices.h"
#include "drives/MemoryDriveService.h"
#include "protocol/FakeNetwork.h"
#include "protocol/Protocol.h"
#include "ui/BlockingStep.h"
#include "ui/DialogBuilder.h"
#include "ui/IpAddressEdit.h"
#include "ui/ModalHelper.h"
#include "ui/OfflineNetwork.h"
#include "ui/QtPrinters.h"
#include "ui/RecordingMessages.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QCursor>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <atomic>
#include <future>
#include <memory>
#include <optional>

using namespace telvorin;

namespace {

// A main window on two made-up interfaces where no device answers.
class MainDialogTest : public ::testing::Test {
protected:
    MainDialogTest()
    {
        drives.setDriveType("C:", DriveFixed);
        drives.mapDrive("Z:", "\\\\NAS-1\\HDD_a");
    }
    ~MainDialogTest() override { EXPECT_NO_WINDOW_LEFT(); }

    // Runs `look` on this thread while the next search waits at its first poll.
    void lookDuringNextSearch(QObject* context, std::function<void()> look)
    {
        auto looked = std::make_shared<std::promise<void>>();
        auto waiting = std::make_shared<std::atomic<bool>>(false);
        std::shared_future<void> lookedAt = looked->get_future().share();
        sockets.onWait = [lookedAt, waiting] {
            *waiting = true;
            lookedAt.wait();
        };
        auto poll = std::make_shared<QTimer>();
        poll->setInterval(1);
        QObject::connect(poll.get(), &QTimer::timeout, context,
                         [poll, looked, waiting, look = std::move(look)] {
                             if (!*waiting)
                                 return;
                             poll->stop();
                             look();
                             looked->set_value();
                         });
        poll->start();
    }

    QStringList comboItems(const QComboBox* combo) const
    {
        QStringList items;
        for (int i = 0; i < combo->count(); ++i)
            items << combo->itemText(i);
        return items;
    }

    test::SilentSockets sockets{{{"veth0", "10.64.0.1"}, {"veth1", "10.65.0.1"}}};
    test::ManualClock clock;
    test::RecordingMessages messages;
    test::MemoryDriveService drives;
    WindowServices window{sockets, clock, {.messages = &messages, .drives = &drives}};
    Protocol& protocol = window.protocol();
    const MainServices& services = window.services();
};

// Runs `step` once the dialog's modal run is under way and the first search is over, as
// a user's input would come, then returns the run's result.
int ExecWith(QDialog& dialog, std::function<void()> step)
{
    QTimer::singleShot(0, &dialog, [&dialog, step = std::move(step)] { AfterBlockingSteps(&dialog, step); });
    return dialog.exec();
}

} // namespace

TEST_F(MainDialogTest, WindowShowsAtOnceAndTheFirstSearchFillsIt)
{
    MainDialog dialog(services);
    const MainControls& c = dialog.controls();
    struct Seen {
        bool visible = false;
        bool refreshEnabled = true;
        int rows = -1;
        bool busyCursor = false;
        bool lettersFilled = false;
    } seen;
    lookDuringNextSearch(&dialog, [&] {
        seen.visible = dialog.isVisible();
        seen.refreshEnabled = c.refresh->isEnabled();
        seen.rows = c.deviceList->topLevelItemCount();
        seen.busyCursor =
            QGuiApplication::overrideCursor() && QGuiApplication::overrideCursor()->shape() == Qt::WaitCursor;
        seen.lettersFilled = c.driveLetters->count() > 0;
    });
    EXPECT_EQ(sockets.sends, 0);

    dialog.show();
    EXPECT_TRUE(seen.visible);
    EXPECT_FALSE(seen.refreshEnabled);
    EXPECT_EQ(seen.rows, 0);
    EXPECT_TRUE(seen.busyCursor);
    EXPECT_TRUE(seen.lettersFilled);
    // show() returns once the search is over.
    EXPECT_EQ(sockets.sends, 4); // two copies on each interface
    EXPECT_TRUE(c.refresh->isEnabled());
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);

    // Showing again does not search again.
    dialog.hide();
    dialog.show();
    EXPECT_EQ(sockets.sends, 4);

    EXPECT_EQ(c.deviceList->topLevelItemCount(), 0);
    EXPECT_EQ(c.volumeList->topLevelItemCount(), 0);
    EXPECT_EQ(dialog.context().DeviceSelected, 0);
    // Showing the window must not make any button the default one.
    for (const QPushButton* button : dialog.findChildren<QPushButton*>())
        EXPECT_FALSE(button->isDefault()) << button->objectName().toStdString();
    // The drive letters are filled although no device answered; C: is taken, Z: mapped.
    const QStringList letters = comboItems(c.driveLetters);
    EXPECT_FALSE(letters.isEmpty());
    EXPECT_FALSE(letters.contains(QStringLiteral("C:")));
    EXPECT_FALSE(letters.contains(QStringLiteral("A:")));
    EXPECT_GE(c.driveLetters->currentIndex(), 0);
    EXPECT_TRUE(messages.empty());
    dialog.hide();
}

TEST_F(MainDialogTest, ListsAndChoicesStartAtTheirDefaults)
{
    MainDialog dialog(services);
    dialog.OnInitDialog();
    struct Column {
        QTreeWidget* list;
        int index;
        const char* title;
        int width;
    };
    const MainControls& c = dialog.controls();
    const Column columns[] = {
        {c.deviceList, 0, "Name", 94},         {c.deviceList, 1, "IP", 81},
        {c.deviceList, 2, "Netmask", 81},      {c.deviceList, 3, "Gateway", 81},
        {c.volumeList, 0, "Volume Name", 120}, {c.volumeList, 1, "Location", 100},
    };
    for (const Column& col : columns) {
        SCOPED_TRACE(col.title);
        EXPECT_EQ(col.list->headerItem()->text(col.index), QString::fromLatin1(col.title));
        EXPECT_EQ(col.list->columnWidth(col.index), col.width);
    }
    for (QTreeWidget* list : {c.deviceList, c.volumeList}) {
        EXPECT_FALSE(list->rootIsDecorated());
        EXPECT_EQ(list->selectionMode(), QAbstractItemView::SingleSelection);
        EXPECT_EQ(list->selectionBehavior(), QAbstractItemView::SelectRows);
        // The selection looks the same when the list does not have the focus.
        EXPECT_EQ(list->palette().color(QPalette::Inactive, QPalette::Highlight),
                  list->palette().color(QPalette::Active, QPalette::Highlight));
    }
    EXPECT_EQ(c.deviceList->columnCount(), 4);
    EXPECT_EQ(c.volumeList->columnCount(), 2);
    EXPECT_EQ(comboItems(c.dhcp), (QStringList{QStringLiteral("Disable"), QStringLiteral("Enable")}));
    EXPECT_EQ(c.dhcp->currentIndex(), -1);
}

TEST_F(MainDialogTest, GrowingTheWindowGivesTheRoomToTheListsAndNeverShrinksIt)
{
    MainDialog dialog(services);
    dialog.show();
    const MainControls& c = dialog.controls();
    const QSize base = dialog.size();
    EXPECT_EQ(dialog.minimumSize(), base);
    const QRect devices = c.deviceList->geometry();
    const QRect volumes = c.volumeList->geometry();
    const QRect exit = c.exit->geometry();
    const QRect apply = RectInWindow(*c.apply);

    dialog.resize(base + QSize(200, 100));
    QApplication::processEvents();
    EXPECT_EQ(c.deviceList->width(), devices.width() + 200);
    EXPECT_EQ(c.volumeList->width(), volumes.width() + 200);
    // The height goes to the two lists; everything below them moves down with them.
    EXPECT_EQ(c.deviceList->height() + c.volumeList->height(), devices.height() + volumes.height() + 100);
    EXPECT_EQ(c.exit->geometry().topLeft(), exit.topLeft() + QPoint(200, 100));
    EXPECT_EQ(RectInWindow(*c.apply).x(), apply.x() + 200);
    EXPECT_GT(RectInWindow(*c.apply).y(), apply.y());
    EXPECT_LT(RectInWindow(*c.apply).bottom(), RectInWindow(*c.volumeList).y());

    dialog.resize(base - QSize(50, 50));
    QApplication::processEvents();
    EXPECT_EQ(dialog.size(), base);
    EXPECT_EQ(c.deviceList->geometry(), devices);
    dialog.hide();
}

TEST_F(MainDialogTest, RefreshClearsThePanelAndKeepsTheDhcpChoice)
{
    MainDialog dialog(services);
    dialog.OnInitDialog();
    MainContext& ctx = dialog.context();
    const MainControls& c = dialog.controls();

    // What a click on a device leaves behind.
    new QTreeWidgetItem(c.deviceList, {QStringLiteral("NAS-1"), QStringLiteral("10.64.0.10")});
    new QTreeWidgetItem(c.volumeList, {QStringLiteral("HDD_a"), QStringLiteral("Z:")});
    c.ipAddress->setAddress(10, 64, 0, 10);
    c.netmask->setAddress(255, 255, 0, 0);
    c.gateway->setAddress(10, 64, 0, 1);
    c.dhcp->setCurrentIndex(1);
    ctx.DeviceSelected = 1;
    protocol.state.currentDeviceIp = "10.64.0.10";

    std::optional<bool> refreshEnabledDuringSearch;
    lookDuringNextSearch(&dialog, [&] { refreshEnabledDuringSearch = c.refresh->isEnabled(); });
    QTest::mouseClick(c.refresh, Qt::LeftButton);

    EXPECT_EQ(refreshEnabledDuringSearch, false);
    EXPECT_TRUE(c.refresh->isEnabled());
    EXPECT_EQ(c.deviceList->topLevelItemCount(), 0);
    EXPECT_EQ(c.volumeList->topLevelItemCount(), 0);
    for (IpAddressEdit* field : {c.ipAddress, c.netmask, c.gateway})
        EXPECT_TRUE(field->isBlank()) << field->objectName().toStdString();
    EXPECT_EQ(c.dhcp->currentText(), QStringLiteral("Enable"));
    EXPECT_EQ(ctx.DeviceSelected, 0);
    EXPECT_EQ(protocol.state.currentDeviceIp, std::string_view("10.64.0.10"));

    // The flows that search again at their end use the same handler.
    ctx.DeviceSelected = 1;
    ctx.OnRefresh();
    EXPECT_EQ(ctx.DeviceSelected, 0);
}

TEST_F(MainDialogTest, EscapeAndEnterEndTheRunWithoutClosingTheTransport)
{
    struct Row {
        const char* what;
        std::function<void(MainDialog&)> press;
        int result;
    };
    const Row rows[] = {
        {"Escape", [](MainDialog& d) { QTest::keyClick(&d, Qt::Key_Escape); }, QDialog::Rejected},
        {"Enter in the device list",
         [](MainDialog& d) { QTest::keyClick(d.controls().deviceList, Qt::Key_Return); }, QDialog::Accepted},
        {"Enter in an address field",
         [](MainDialog& d) {
             QTest::keyClick(d.controls().ipAddress->octetField(2), Qt::Key_Enter, Qt::KeypadModifier);
         },
         QDialog::Accepted},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        MainDialog dialog(services);
        EXPECT_EQ(ExecWith(dialog, [&] { r.press(dialog); }), r.result);
        EXPECT_TRUE(protocol.transportOpen());
        EXPECT_EQ(sockets.closes, 0);
    }
}

TEST_F(MainDialogTest, EnterOnAButtonPressesThatButton)
{
    MainDialog dialog(services);
    bool stillRunning = false;
    int sendsBefore = 0;
    ExecWith(dialog, [&] {
        sendsBefore = sockets.sends;
        QTest::keyClick(dialog.controls().refresh, Qt::Key_Return);
        stillRunning = dialog.isVisible();
        // F1 has no help to show and must not end the run either.
        QTest::keyClick(&dialog, Qt::Key_F1);
        stillRunning = stillRunning && dialog.isVisible();
        dialog.reject();
    });
    EXPECT_TRUE(stillRunning);
    EXPECT_EQ(sockets.sends, sendsBefore + 4); // Refresh searched again
}

TEST_F(MainDialogTest, ExitAndCloseCloseTheTransportOnce)
{
    {
        MainDialog dialog(services);
        ExecWith(dialog, [&] { QTest::mouseClick(dialog.controls().exit, Qt::LeftButton); });
        EXPECT_FALSE(protocol.transportOpen());
        EXPECT_EQ(sockets.closes, 4);
        EXPECT_TRUE(protocol.devices.empty());
        // A close request after Exit must not close the sockets a second time.
        dialog.close();
        EXPECT_EQ(sockets.closes, 4);
    }
    protocol.OpenTransport();
    sockets.closes = 0;
    {
        MainDialog dialog(services);
        ExecWith(dialog, [&] { dialog.close(); });
        EXPECT_FALSE(protocol.transportOpen());
        EXPECT_EQ(sockets.closes, 4);
    }
}

TEST_F(MainDialogTest, ACloseRequestDuringASearchWaitsForItsEnd)
{
    MainDialog dialog(services);
    dialog.show();
    const MainControls& c = dialog.controls();
    // A window system that does not count a close request as input delivers it during
    // the search; the sockets the search uses stay open until it is over.
    int closesDuringSearch = -1;
    bool visibleDuringSearch = false;
    lookDuringNextSearch(&dialog, [&] {
        dialog.close();
        closesDuringSearch = sockets.closes;
        visibleDuringSearch = dialog.isVisible();
    });
    QTest::mouseClick(c.refresh, Qt::LeftButton);
    EXPECT_EQ(closesDuringSearch, 0);
    EXPECT_TRUE(visibleDuringSearch);
    EXPECT_EQ(sockets.sends, 8); // the search ran to its end
    EXPECT_TRUE(QTest::qWaitFor([&] { return !dialog.isVisible(); }));
    EXPECT_FALSE(protocol.transportOpen());
    EXPECT_EQ(sockets.closes, 4);
}

TEST_F(MainDialogTest, AboutOpensFromTheButtonAndTheMenuCommand)
{
    MainDialog dialog(services);
    dialog.show();
    struct Row {
        const char* what;
        std::function<void()> open;
        bool opens;
    };
    const Row rows[] = {
        {"button", [&] { QTest::mouseClick(dialog.controls().about, Qt::LeftButton); }, true},
        {"command 16", [&] { dialog.OnSysCommand(16); }, true},
        {"command 31", [&] { dialog.OnSysCommand(31); }, true},
        {"command 32", [&] { dialog.OnSysCommand(32); }, false},
        {"command 15", [&] { dialog.OnSysCommand(15); }, false},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        QString title;
        test::ModalAnswerer answer(
            [&](QWidget* modal) {
                title = modal->windowTitle();
                test::ModalAnswerer::clickButton(QStringLiteral("okButton"))(modal);
            },
            r.opens ? 5000 : 100);
        r.open();
        if (!r.opens) {
            QTest::qWait(150);
            EXPECT_FALSE(answer.answered());
            continue;
        }
        ASSERT_TRUE(answer.answered());
        EXPECT_EQ(answer.seenObjectName(), QStringLiteral("aboutDialog"));
        EXPECT_EQ(title, QStringLiteral("Telvorin"));
        EXPECT_TRUE(dialog.isVisible());
    }
    dialog.hide();
}

TEST_F(MainDialogTest, ClicksReachTheDetailsHandlers)
{
    MainDialog dialog(services);
    dialog.show();
    const MainControls& c = dialog.controls();

    // A click on the empty space under the rows still reaches the list's handler, and
    // with no row highlighted there is no device to act on.
    ASSERT_EQ(c.deviceList->topLevelItemCount(), 0);
    dialog.context().DeviceSelected = 1;
    QTest::mouseClick(c.deviceList->viewport(), Qt::LeftButton, {}, QPoint(20, 40));
    EXPECT_EQ(dialog.context().DeviceSelected, 0);

    // The user's choice of DHCP greys the address fields; the program setting the
    // choice does not count as the user's.
    c.dhcp->setCurrentIndex(0);
    EXPECT_TRUE(c.ipAddress->isEnabled());
    c.dhcp->setCurrentIndex(-1);
    QTest::keyClick(c.dhcp, Qt::Key_Down);
    QTest::keyClick(c.dhcp, Qt::Key_Down);
    ASSERT_EQ(c.dhcp->currentText(), QStringLiteral("Enable"));
    EXPECT_FALSE(c.ipAddress->isEnabled());
    EXPECT_FALSE(c.netmask->isEnabled());
    EXPECT_FALSE(c.gateway->isEnabled());
    dialog.hide();
}

TEST(MainDialogSearch, RefreshKeepsTheFocusAndLeavesNoRowCurrent)
{
    test::FakeClock clock;
    test::FakeNetwork net{clock};
    net.addInterface("veth0", "10.64.0.1");
    for (const std::uint8_t host : {10, 11}) {
        test::FakeDevice device;
        device.name = "NAS-" + std::to_string(host);
        device.address = {10, 64, 0, host};
        net.addDevice(device);
    }
    test::RecordingMessages messages;
    test::MemoryDriveService drives;
    WindowServices window(net, clock, {.messages = &messages, .drives = &drives});

    MainDialog dialog(window.services());
    dialog.show();
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    const MainControls& c = dialog.controls();
    ASSERT_EQ(c.deviceList->topLevelItemCount(), 2);

    struct Row {
        const char* what;
        std::function<void()> press;
    };
    const Row rows[] = {
        {"Space on Refresh", [&] { QTest::keyClick(c.refresh, Qt::Key_Space); }},
        {"Enter on Refresh", [&] { QTest::keyClick(c.refresh, Qt::Key_Return); }},
        {"a click on Refresh", [&] { QTest::mouseClick(c.refresh, Qt::LeftButton); }},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        // A device clicked before: its row was current and selected.
        c.deviceList->setCurrentItem(c.deviceList->topLevelItem(1));
        c.refresh->setFocus();
        r.press();

        ASSERT_EQ(c.deviceList->topLevelItemCount(), 2);
        EXPECT_EQ(dialog.focusWidget(), c.refresh);
        EXPECT_EQ(c.deviceList->currentItem(), nullptr);
        EXPECT_TRUE(c.deviceList->selectedItems().isEmpty());
        // Tabbing into the list does not make its first row current either.
        c.deviceList->setFocus(Qt::TabFocusReason);
        EXPECT_EQ(c.deviceList->currentItem(), nullptr);
        EXPECT_TRUE(c.deviceList->selectedItems().isEmpty());
    }
    // A search started elsewhere leaves the focus where it is.
    c.apply->setFocus();
    dialog.context().OnRefresh();
    EXPECT_EQ(dialog.focusWidget(), c.apply);
    dialog.hide();
}

TEST_F(MainDialogTest, TabVisitsTheControlsInTheLayoutsOrder)
{
    MainDialog dialog(services);
    dialog.show();
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    // The layout's order, round to the list again.
    const QStringList expected =
        QStringLiteral("deviceList refreshButton configurationButton languageButton bitTorrentButton "
                       "ipAddressEdit netmaskEdit gatewayEdit dhcpCombo applyButton volumeList "
                       "driveLetterCombo connectButton disconnectButton aboutButton exitButton deviceList")
            .split(QLatin1Char(' '));
    // Every control that takes the focus by Tab is enabled, so none is skipped.
    for (QWidget* w : dialog.findChildren<QWidget*>()) {
        if (!w->property("controlId").isValid()) // not a control (a control's part)
            continue;
        ASSERT_TRUE(!(w->focusPolicy() & Qt::TabFocus) || w->isEnabled()) << w->objectName().toStdString();
    }
    dialog.controls().deviceList->setFocus(Qt::TabFocusReason);
    QStringList visited;
    for (int i = 0; i < expected.size(); ++i) {
        // The control that holds the focus, also when it is a part of one (an octet field);
        // controls are the window's children or a group box's.
        QWidget* focus = QApplication::focusWidget();
        while (focus && focus->parentWidget() != &dialog && !qobject_cast<QGroupBox*>(focus->parentWidget()))
            focus = focus->parentWidget();
        visited << (focus ? focus->objectName() : QStringLiteral("(none)"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    EXPECT_EQ(visited, expected);
    dialog.hide();
}

TEST_F(MainDialogTest, AnAccessiblePressDuringASearchRunsAfterIt)
{
    // A screen reader's press is a timed click, which a step does not hold back as input.
    auto press = [](QPushButton* button) {
        QAccessible::queryAccessibleInterface(button)->actionInterface()->doAction(
            QAccessibleActionInterface::pressAction());
        QTest::qWait(300); // the timed click comes after 100 ms
    };

    MainDialog dialog(services);
    dialog.show();
    const MainControls& c = dialog.controls();
    std::optional<bool> searchOverWhenAboutOpened;
    test::ModalAnswerer answer([&](QWidget* modal) {
        searchOverWhenAboutOpened = c.refresh->isEnabled();
        test::ModalAnswerer::clickButton(QStringLiteral("okButton"))(modal);
    });
    lookDuringNextSearch(&dialog, [&] { press(c.about); });
    QTest::mouseClick(c.refresh, Qt::LeftButton);
    EXPECT_TRUE(QTest::qWaitFor([&] { return answer.answered(); }));
    EXPECT_EQ(searchOverWhenAboutOpened, true);
    dialog.hide();

    // Exit pressed so during the first search ends the run once the search is over; a
    // run left going with its window hidden would end only at the safety timer.
    const int sendsBefore = sockets.sends;
    MainDialog first(services);
    int closesDuringSearch = -1;
    lookDuringNextSearch(&first, [&] {
        press(first.controls().exit);
        closesDuringSearch = sockets.closes;
    });
    bool safetyEnded = false;
    QTimer::singleShot(10000, &first, [&] {
        safetyEnded = true;
        first.reject();
    });
    first.exec();
    EXPECT_FALSE(safetyEnded);
    EXPECT_EQ(closesDuringSearch, 0);
    EXPECT_EQ(sockets.sends, sendsBefore + 4) << "the search ran to its end";
    EXPECT_FALSE(protocol.transportOpen());
}

namespace {
QStringList loggedLines;
} // namespace

TEST(ProtocolLog, TheDiagnosticLinesShowOnlyWhenTheRuleAsksForThem)
{
    const QtMessageHandler previous =
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext& context, const QString& text) {
            loggedLines << QString::fromLatin1(context.category) + QStringLiteral(": ") + text;
        });
    const DiagnosticSink sink = ProtocolLogSink();
    sink("codepage=850");
    EXPECT_TRUE(loggedLines.isEmpty()) << loggedLines.join(QLatin1Char('\n')).toStdString();

    QLoggingCategory::setFilterRules(QStringLiteral("telvorin.protocol.debug=true"));
    sink("codepage=850");
    QLoggingCategory::setFilterRules(QString());
    qInstallMessageHandler(previous);
    EXPECT_EQ(loggedLines, QStringList{QStringLiteral("telvorin.protocol: codepage=850")});
}
