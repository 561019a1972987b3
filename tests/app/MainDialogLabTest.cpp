// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/MainDialog.h"
#include "drives/MemoryDriveService.h"
#include "lab/LabTest.h"
#include "protocol/PosixSocketLayer.h"
#include "protocol/Protocol.h"
#include "protocol/RequestBytes.h"
#include "ui/BlockingStep.h"
#include "ui/IpAddressEdit.h"
#include "ui/ModalHelper.h"
#include "ui/QtPrinters.h"
#include "ui/RecordingMessages.h"

#include "ThreeDevices.h"

#include <QAccessible>
#include <QComboBox>
#include <QEvent>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <memory>
#include <set>

using namespace telvorin;

namespace {

constexpr const char* NoDevices = R"({"segments": [
    {"reply": "multicast", "devices": []}, {"reply": "unicast", "devices": []}]})";

using MainDialogLab = lab::LabTest;

// The real transport inside the lab's pc namespace (entered by the test), with in-memory drives.
class LabWindow {
public:
    LabWindow()
    {
        protocol = std::make_unique<Protocol>(sockets, clock, nullptr);
        protocol->OpenTransport();
        drives.setDriveType("C:", DriveFixed);
        services.protocol = protocol.get();
        services.clock = &clock;
        services.messages = &messages;
        services.drives = &drives;
    }
    PosixSocketLayer sockets;
    SteadyClock clock;
    std::unique_ptr<Protocol> protocol;
    test::RecordingMessages messages;
    test::MemoryDriveService drives;
    MainServices services;
};

// Counts the device rows at the moment the window is first shown.
class RowsAtShow : public QObject {
public:
    explicit RowsAtShow(QTreeWidget* list)
        : list_(list)
    {
    }
    int rows = -1;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Show && rows < 0)
            rows = list_->topLevelItemCount();
        return false;
    }

private:
    QTreeWidget* list_;
};

QTreeWidgetItem* RowOf(QTreeWidget* list, const QString& name)
{
    const auto found = list->findItems(name, Qt::MatchExactly, 0);
    return found.isEmpty() ? nullptr : found.front();
}

void ClickRow(QTreeWidget* list, QTreeWidgetItem* row)
{
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(row).center());
}

// The requests of one opcode and item that a device got, as the emulator recorded them.
int RequestsTo(const lab::Lab& lab, const QString& device, std::uint8_t opcode, std::uint8_t item)
{
    return test::CountOf(test::Heard(lab.bytesFor(device.toStdString())), opcode, item);
}
constexpr std::uint8_t OpGetOrLogin = 3, VolumesItem = 3, LoginItem = 4;

} // namespace

TEST_F(MainDialogLab, TheWindowShowsEmptyAndTheFirstSearchFillsIt)
{
    ASSERT_TRUE(startLab(test::ThreeDevices));
    LabWindow w;
    MainDialog dialog(w.services);
    RowsAtShow rowsAtShow(dialog.controls().deviceList);
    dialog.installEventFilter(&rowsAtShow);
    dialog.show();
    EXPECT_EQ(rowsAtShow.rows, 0);
    EXPECT_EQ(dialog.controls().deviceList->topLevelItemCount(), 3);

    struct Row {
        const char *name, *ip, *netmask, *gateway;
    };
    const Row rows[] = {
        {"NAS-1", "10.64.0.10", "255.255.0.0", "10.64.0.1"},
        {"Archive", "10.64.0.11", "255.255.0.0", "0.0.0.0"},
        {"Media", "10.65.0.20", "255.255.0.0", "10.65.0.1"},
    };
    QTreeWidget* list = dialog.controls().deviceList;
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        const QTreeWidgetItem* item = RowOf(list, QString::fromLatin1(r.name));
        ASSERT_NE(item, nullptr);
        EXPECT_EQ(item->text(1), QString::fromLatin1(r.ip));
        EXPECT_EQ(item->text(2), QString::fromLatin1(r.netmask));
        EXPECT_EQ(item->text(3), QString::fromLatin1(r.gateway));
    }
    EXPECT_EQ(dialog.context().DeviceSelected, 0);
    EXPECT_TRUE(w.messages.empty());
    dialog.hide();
}

TEST_F(MainDialogLab, RefreshClearsThePanelAfterAClick)
{
    ASSERT_TRUE(startLab(test::ThreeDevices));
    LabWindow w;
    MainDialog dialog(w.services);
    dialog.show();
    const MainControls& c = dialog.controls();

    QTreeWidgetItem* nas = RowOf(c.deviceList, QStringLiteral("NAS-1"));
    ASSERT_NE(nas, nullptr);
    ClickRow(c.deviceList, nas);
    ASSERT_EQ(dialog.context().DeviceSelected, 1);
    ASSERT_EQ(c.ipAddress->text(), QStringLiteral("10.64.0.10"));
    ASSERT_EQ(c.volumeList->topLevelItemCount(), 2);
    const QString dhcpChoice = c.dhcp->currentText();
    ASSERT_FALSE(dhcpChoice.isEmpty());

    QTest::mouseClick(c.refresh, Qt::LeftButton);
    EXPECT_EQ(c.deviceList->topLevelItemCount(), 3);
    EXPECT_EQ(c.deviceList->selectedItems().size(), 0);
    EXPECT_EQ(c.volumeList->topLevelItemCount(), 0);
    for (IpAddressEdit* field : {c.ipAddress, c.netmask, c.gateway})
        EXPECT_TRUE(field->isBlank()) << field->objectName().toStdString();
    EXPECT_EQ(c.dhcp->currentText(), dhcpChoice);
    EXPECT_EQ(dialog.context().DeviceSelected, 0);
    EXPECT_TRUE(c.refresh->isEnabled());
    dialog.hide();
}

TEST_F(MainDialogLab, StartWithoutDevicesAndEscape)
{
    ASSERT_TRUE(startLab(NoDevices));
    LabWindow w;
    MainDialog dialog(w.services);
    int rowsInRun = -1;
    int lettersInRun = -1;
    // Pressed once the first search is over, as a person's Escape would arrive.
    QTimer::singleShot(0, &dialog, [&] {
        AfterBlockingSteps(&dialog, [&] {
            rowsInRun = dialog.controls().deviceList->topLevelItemCount();
            lettersInRun = dialog.controls().driveLetters->count();
            QTest::keyClick(&dialog, Qt::Key_Escape);
        });
    });
    EXPECT_EQ(dialog.exec(), QDialog::Rejected);
    EXPECT_EQ(rowsInRun, 0);
    EXPECT_EQ(dialog.controls().volumeList->topLevelItemCount(), 0);
    EXPECT_GT(lettersInRun, 0);
    // Escape ends the run the plain way: the sockets are still open.
    EXPECT_TRUE(w.protocol->transportOpen());
    EXPECT_TRUE(w.messages.empty());
    EXPECT_NO_WINDOW_LEFT();
}

// However the highlight moved, the highlighted device is the one shown and acted on.
TEST_F(MainDialogLab, TheHighlightedDeviceIsLoadedAndActedOn)
{
    ASSERT_TRUE(startLab(test::ThreeDevices));
    LabWindow w;
    MainDialog dialog(w.services);
    dialog.show();
    const MainControls& c = dialog.controls();
    QTreeWidget* list = c.deviceList;
    ASSERT_EQ(list->topLevelItemCount(), 3);
    auto volumeLoads = [&](const QTreeWidgetItem* row) {
        return RequestsTo(lab(), row->text(0), OpGetOrLogin, VolumesItem);
    };

    // A screen reader selects a row through the accessible table, with no click and no key.
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(list);
    ASSERT_TRUE(table && table->tableInterface());
    QTest::qWait(50); // the accessible table reads the rows once the list has laid them out
    lab().clearRequests();
    QTreeWidgetItem* archive = RowOf(list, QStringLiteral("Archive"));
    ASSERT_TRUE(table->tableInterface()->selectRow(list->indexOfTopLevelItem(archive)));
    // QTest's own checks would end the test unseen by gtest: wait, then check.
    EXPECT_TRUE(QTest::qWaitFor([&] { return c.ipAddress->text() == QStringLiteral("10.64.0.11"); }));
    EXPECT_EQ(dialog.context().DeviceSelected, 1);
    EXPECT_EQ(w.protocol->state.currentDeviceIp, std::string_view("10.64.0.11"));
    EXPECT_EQ(c.dhcp->currentText(), QStringLiteral("Enable"));
    EXPECT_EQ(c.volumeList->topLevelItemCount(), 1);
    EXPECT_EQ(volumeLoads(archive), 1);

    // Key repeats every 30 ms, down and up over 20 rows: one load, where the highlight rests.
    list->setFocus();
    lab().clearRequests();
    for (int i = 0; i < 20; ++i) {
        QTest::keyClick(list, i % 4 < 2 ? Qt::Key_Down : Qt::Key_Up);
        QTest::qWait(30);
    }
    QTreeWidgetItem* resting = list->currentItem();
    ASSERT_NE(resting, nullptr);
    EXPECT_TRUE(QTest::qWaitFor([&] { return c.ipAddress->text() == resting->text(1); }));
    QTest::qWait(300);
    int loads = 0;
    for (int i = 0; i < 3; ++i)
        loads += volumeLoads(list->topLevelItem(i));
    EXPECT_EQ(loads, 1);
    EXPECT_EQ(volumeLoads(resting), 1);

    // Down from a clicked device, and Apply before the highlight has settled: the
    // highlighted device is loaded and logged in to, not the clicked one (the burst
    // above rested elsewhere, so the click shows a new device).
    // Names, not rows: Apply ends with a new search, which replaces the rows.
    const QString clicked = list->topLevelItem(1)->text(0), next = list->topLevelItem(2)->text(0);
    ClickRow(list, list->topLevelItem(1));
    ASSERT_EQ(c.ipAddress->text(), list->topLevelItem(1)->text(1));
    lab().clearRequests();
    QTest::keyClick(list, Qt::Key_Down);
    test::ModalAnswerer answer(test::ModalAnswerer::reject(), 3000);
    QTest::mouseClick(c.apply, Qt::LeftButton);
    EXPECT_EQ(RequestsTo(lab(), next, OpGetOrLogin, VolumesItem), 1);
    EXPECT_GE(RequestsTo(lab(), next, OpGetOrLogin, LoginItem), 1);
    EXPECT_EQ(RequestsTo(lab(), clicked, OpGetOrLogin, LoginItem), 0);
    dialog.hide();
}
