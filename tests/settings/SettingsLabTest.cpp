// SPDX-License-Identifier: GPL-3.0-or-later
// The device panel, "Apply" and "Configuration" in the real main window, over the lab's
// real network: requests are checked byte for byte as the emulated devices got them.
#include "platform/StandInDesktop.h"

#include "app/MainDialog.h"
#include "dialogs/LoginDialog.h"
#include "drives/MemoryDriveService.h"
#include "lab/LabTest.h"
#include "platform/BrowserLauncher.h"
#include "platform/WebCheck.h"
#include "protocol/FakeClock.h"
#include "protocol/PosixSocketLayer.h"
#include "protocol/Protocol.h"
#include "protocol/RequestBytes.h"
#include "ui/IpAddressEdit.h"
#include "ui/ModalHelper.h"
#include "ui/RecordingMessages.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <sstream>

// Readable failure output for texts.
inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

namespace telvorin {
namespace {

using Bytes = std::vector<std::uint8_t>;

// Segment 0 answers by multicast from 10.64.0.0/16 (pc 10.64.0.1); segment 1 by unicast,
// with the pc at 192.168.0.10/16 and devices inside and outside a /24 around it.
const char* Segment0Devices = R"([
  {"name": "OPEN", "ip": "10.64.0.10", "netmask": "255.255.0.0", "gateway": "10.64.0.1",
   "key": "0a0b0c000010", "adminPassword": "", "volumes": ["HDD_a", "HDD_b"],
   "dhcpAddresses": ["10.64.0.50"]},
  {"name": "LOCKED", "ip": "10.64.0.11", "netmask": "255.255.0.0", "gateway": "0.0.0.0",
   "key": "0a0b0c000011", "dhcp": true, "adminPassword": "secret", "volumes": ["HDD_1"],
   "dhcpAddresses": ["10.64.0.51"]}])";
const char* Segment1Devices = R"([
  {"name": "FAR", "ip": "192.168.1.20", "netmask": "255.255.255.0", "gateway": "", "volumes": ["HDD_a"]},
  {"name": "NEAR", "ip": "192.168.1.21", "netmask": "255.255.0.0", "gateway": "192.168.0.1", "volumes": []}])";

std::string LabConfig()
{
    // The web server and shares are set up once; reconfiguring touches the emulator only.
    std::string s0 = Segment0Devices;
    s0.replace(s0.find("\"volumes\": [\"HDD_a\", \"HDD_b\"]"), 0, "\"http\": true, ");
    return std::string(R"({"segments": [{"reply": "multicast", "devices": )") + s0 +
           R"(}, {"reply": "unicast", "pc": "192.168.0.10/16", "devices": )" + Segment1Devices + "}]}";
}

Bytes LoginRequest(const ClientId& id, const char* key, const char* ip, const std::string& password)
{
    return test::LoginRequestBytes(id, test::DeviceIdBytes(key, ip), "admin", password);
}
Bytes SetRequest(const ClientId& id, const char* key, const char* ip, std::uint8_t item,
                 const std::string& netmask, const std::string& gateway, const std::string& value)
{
    return test::SetRequestBytes(id, test::DeviceIdBytes(key, ip), item, netmask, gateway, value);
}

class SettingsLab : public lab::LabTest {
protected:
    static void SetUpTestSuite()
    {
        desktop = new test::StandInDesktop;
        desktop->enter();
        startLab(LabConfig());
    }
    static void TearDownTestSuite()
    {
        stopLab();
        delete desktop;
    }

    void SetUpInLab() override
    {
        std::string why;
        ASSERT_TRUE(lab_->reconfigure(0, Segment0Devices, &why)) << why;
        ASSERT_TRUE(lab_->reconfigure(1, Segment1Devices, &why)) << why;
        sockets = std::make_unique<PosixSocketLayer>();
        protocol = std::make_unique<Protocol>(*sockets, protocolClock, nullptr);
        protocol->OpenTransport();

        drives.mapDrive("M:", "\\\\OPEN\\HDD_a");
        drives.mapDrive("F:", "\\\\10.64.0.10\\hdd_a");
        drives.mapDrive("K:", "\\\\open\\HDD_B");
        MainServices services;
        services.protocol = protocol.get();
        clock.onSleep = [this](int ms) { secondSleeps += ms == 1000; };
        services.clock = &clock;
        services.messages = &messages;
        services.drives = &drives;
        services.webCheck = &webCheck;
        services.browser = &browser;
        dialog = std::make_unique<MainDialog>(services);
        dialog->show();
        lab_->clearRequests();
    }

    void TearDownInLab() override
    {
        dialog.reset();
        if (protocol)
            protocol->CloseTransport();
        EXPECT_NO_WINDOW_LEFT();
    }

    const MainControls& c() const { return dialog->controls(); }
    MainContext& ctx() { return dialog->context(); }

    QTreeWidgetItem* rowFor(const char* ip) const
    {
        for (int i = 0; i < c().deviceList->topLevelItemCount(); ++i) {
            if (c().deviceList->topLevelItem(i)->text(1) == QString::fromUtf8(ip))
                return c().deviceList->topLevelItem(i);
        }
        return nullptr;
    }
    void click(const char* ip)
    {
        QTreeWidgetItem* row = rowFor(ip);
        ASSERT_NE(row, nullptr) << ip << " is not listed";
        const QRect rect = c().deviceList->visualItemRect(row);
        QTest::mouseClick(c().deviceList->viewport(), Qt::LeftButton, {}, rect.center());
    }
    void chooseDhcp(const char* item)
    {
        const int index = c().dhcp->findText(QString::fromUtf8(item));
        c().dhcp->setCurrentIndex(index);
        Q_EMIT c().dhcp->activated(index);
    }
    std::vector<Bytes> sent(const std::string& device, std::uint8_t opcode, int item = -1) const
    {
        std::vector<Bytes> out;
        for (Bytes& r : lab_->bytesFor(device)) {
            const test::HeardRequest h = test::ReadRequest(r);
            if (h.opcode == opcode && h.item >= 0 && (item < 0 || h.item == item))
                out.push_back(std::move(r));
        }
        return out;
    }
    bool searchedSince() const
    {
        for (int s = 0; s < 2; ++s) {
            for (const lab::RecordedRequest& r : lab_->requests(s)) {
                if (!r.bytes.empty() && r.bytes[0] == 1)
                    return true;
            }
        }
        return false;
    }
    static test::ModalAnswerer::Answer typePassword(const char* password)
    {
        return [password](QWidget* modal) {
            auto* login = qobject_cast<LoginDialog*>(modal);
            QTest::keyClicks(login->passwordEdit(), QString::fromUtf8(password));
            login->findChild<QPushButton*>(QStringLiteral("okButton"))->click();
        };
    }
    void expectOnlyMessage(const char* text, const char* caption, MessageIcon icon)
    {
        ASSERT_EQ(messages.count(), 1u);
        EXPECT_EQ(messages.last().text, QString::fromUtf8(text));
        EXPECT_EQ(messages.last().caption, QString::fromUtf8(caption));
        EXPECT_EQ(messages.last().icon, icon);
    }

    static inline test::StandInDesktop* desktop = nullptr;

    std::unique_ptr<PosixSocketLayer> sockets;
    SteadyClock protocolClock;
    std::unique_ptr<Protocol> protocol;
    test::FakeClock clock{100}; // waits in real time, as the web server's answers come
    int secondSleeps = 0;       // the one-second looks of the web check's wait
    test::RecordingMessages messages;
    test::MemoryDriveService drives;
    TcpWebCheck webCheck;
    GioBrowserLauncher browser;
    std::unique_ptr<MainDialog> dialog;
};

TEST_F(SettingsLab, AClickShowsTheDeviceItsVolumesAndWhatItsSubnetAllows)
{
    struct Case {
        const char* ip;
        const char* netmask;
        QString gatewayShown;
        const char* dhcp;
        bool local;
        std::vector<std::pair<QString, QString>> volumes;
    };
    const Case cases[] = {
        {"10.64.0.10",
         "255.255.0.0",
         QStringLiteral("10.64.0.1"),
         "Disable",
         true,
         {{QStringLiteral("HDD_a"), QStringLiteral("F:")}, {QStringLiteral("HDD_b"), QStringLiteral("K:")}}},
        {"10.64.0.11", "255.255.0.0", QString(), "Enable", true, {{QStringLiteral("HDD_1"), QString()}}},
        {"192.168.1.20",
         "255.255.255.0",
         QString(),
         "Disable",
         false,
         {{QStringLiteral("HDD_a"), QString()}}},
        {"192.168.1.21", "255.255.0.0", QStringLiteral("192.168.0.1"), "Disable", true, {}},
    };
    ASSERT_EQ(c().deviceList->topLevelItemCount(), 4);
    for (const Case& k : cases) {
        SCOPED_TRACE(k.ip);
        ctx().DeviceSelected = 0;
        click(k.ip);
        EXPECT_EQ(ctx().DeviceSelected, 1);
        EXPECT_EQ(protocol->state.currentDeviceIp, k.ip);
        EXPECT_EQ(ctx().SelectedHost, k.ip);
        EXPECT_EQ(c().ipAddress->text(), QString::fromUtf8(k.ip));
        EXPECT_EQ(c().netmask->text(), QString::fromUtf8(k.netmask));
        EXPECT_EQ(c().gateway->text(), k.gatewayShown);
        EXPECT_EQ(c().dhcp->currentText(), QString::fromUtf8(k.dhcp));
        const bool dhcp = std::string(k.dhcp) == "Enable";
        for (IpAddressEdit* field : {c().ipAddress, c().netmask, c().gateway})
            EXPECT_EQ(field->isEnabled(), !dhcp);
        for (QPushButton* button : {c().connect, c().disconnect, c().configuration, c().language})
            EXPECT_EQ(button->isEnabled(), k.local) << button->text().toStdString();
        ASSERT_EQ(c().volumeList->topLevelItemCount(), static_cast<int>(k.volumes.size()));
        for (std::size_t i = 0; i < k.volumes.size(); ++i) {
            EXPECT_EQ(c().volumeList->topLevelItem(static_cast<int>(i))->text(0), k.volumes[i].first);
            EXPECT_EQ(c().volumeList->topLevelItem(static_cast<int>(i))->text(1), k.volumes[i].second);
        }
    }

    // "Disable" ungreys the fields of a DHCP device without touching their contents.
    click("10.64.0.11");
    chooseDhcp("Disable");
    EXPECT_TRUE(c().ipAddress->isEnabled());
    EXPECT_EQ(c().ipAddress->text(), QStringLiteral("10.64.0.11"));
    chooseDhcp("Enable");
    EXPECT_FALSE(c().netmask->isEnabled());
    EXPECT_EQ(c().netmask->text(), QStringLiteral("255.255.0.0"));

    // A click on the empty space below the rows highlights no row: no device is
    // selected, and the panel and the network are left alone.
    lab_->clearRequests();
    QTest::mouseClick(c().deviceList->viewport(), Qt::LeftButton, {},
                      QPoint(10, c().deviceList->viewport()->height() - 3));
    EXPECT_EQ(ctx().DeviceSelected, 0);
    EXPECT_EQ(c().ipAddress->text(), QStringLiteral("10.64.0.11"));
    EXPECT_EQ(c().volumeList->topLevelItemCount(), 1);
    EXPECT_TRUE(lab_->requests(0).empty());
}

TEST_F(SettingsLab, DhcpWithTheBuiltInLogin)
{
    click("10.64.0.10");
    chooseDhcp("Enable");
    lab_->clearRequests();
    test::ModalAnswerer answer(test::ModalAnswerer::reject(), 3000);
    QTest::mouseClick(c().apply, Qt::LeftButton);

    EXPECT_FALSE(answer.answered()) << "the empty password was accepted: no login dialog";
    expectOnlyMessage("DHCP client enabled.", "Confirm", MessageIcon::Information);
    const auto id = protocol->clientId;
    EXPECT_EQ(sent("OPEN", 3, 4), std::vector<Bytes>{LoginRequest(id, "0a0b0c000010", "10.64.0.10", "")});
    EXPECT_EQ(sent("OPEN", 5),
              std::vector<Bytes>{SetRequest(id, "0a0b0c000010", "10.64.0.10", 2, "", "", "")});

    lab::DeviceState state;
    ASSERT_TRUE(lab_->deviceState("OPEN", &state));
    EXPECT_EQ(state.ip, "10.64.0.50");
    EXPECT_TRUE(state.dhcp);
    EXPECT_NE(rowFor("10.64.0.50"), nullptr) << "the list is searched again";
    EXPECT_EQ(rowFor("10.64.0.10"), nullptr);
    EXPECT_EQ(c().deviceList->selectedItems().size(), 0);
    EXPECT_EQ(ctx().DeviceSelected, 0);
    for (IpAddressEdit* field : {c().ipAddress, c().netmask, c().gateway}) {
        EXPECT_TRUE(field->isBlank());
        EXPECT_TRUE(field->isEnabled());
    }
}

TEST_F(SettingsLab, DhcpThroughTheLoginDialog)
{
    struct Case {
        test::ModalAnswerer::Answer answer;
        std::string secondPassword;
        bool accepted;
    };
    const Case cases[] = {
        {typePassword("secret"), "secret", true},
        {typePassword("wrong"), "wrong", false},
        {test::ModalAnswerer::clickButton(QStringLiteral("cancelButton")), "", false},
    };
    const auto id = protocol->clientId;
    for (const Case& k : cases) {
        SCOPED_TRACE(k.secondPassword);
        std::string why;
        ASSERT_TRUE(lab_->reconfigure(0, Segment0Devices, &why)) << why;
        QTest::mouseClick(c().refresh, Qt::LeftButton);
        click("10.64.0.11");
        chooseDhcp("Enable");
        messages.clear();
        lab_->clearRequests();
        test::ModalAnswerer answer(k.answer);
        QTest::mouseClick(c().apply, Qt::LeftButton);

        EXPECT_TRUE(answer.answered());
        EXPECT_EQ(answer.seenTitle(), QStringLiteral("Login"));
        EXPECT_EQ(sent("LOCKED", 3, 4),
                  (std::vector<Bytes>{LoginRequest(id, "0a0b0c000011", "10.64.0.11", ""),
                                      LoginRequest(id, "0a0b0c000011", "10.64.0.11", k.secondPassword)}));
        if (k.accepted) {
            expectOnlyMessage("DHCP client enabled.", "Confirm", MessageIcon::Information);
            EXPECT_EQ(sent("LOCKED", 5).size(), 1u);
            EXPECT_NE(rowFor("10.64.0.51"), nullptr);
        } else {
            expectOnlyMessage("Wrong administrator password input!", "Error", MessageIcon::Stop);
            EXPECT_TRUE(sent("LOCKED", 5).empty());
            EXPECT_FALSE(searchedSince());
            EXPECT_EQ(c().ipAddress->text(), QStringLiteral("10.64.0.11")) << "the panel stays";
        }
    }
}

TEST_F(SettingsLab, DhcpWithoutConfirmation)
{
    click("10.64.0.10");
    chooseDhcp("Enable");
    // The device answers the first login too late for its wait; while the login dialog
    // is open the answer arrives, and the device stops answering anything but searches.
    // The second login then takes the late answer, and the set request goes unanswered.
    std::string why;
    std::string slow = Segment0Devices;
    slow.replace(slow.find("\"adminPassword\": \"\""), 0, "\"delayMs\": 1500, ");
    ASSERT_TRUE(lab_->reconfigure(0, slow, &why)) << why;
    std::string silent = Segment0Devices;
    silent.replace(silent.find("\"adminPassword\": \"\""), 0, "\"answers\": \"search-only\", ");
    lab_->clearRequests();
    test::ModalAnswerer answer([&](QWidget* modal) {
        QTest::qWait(2500);
        EXPECT_TRUE(lab_->reconfigure(0, silent, &why)) << why;
        qobject_cast<QDialog*>(modal)->reject();
    });
    QTest::mouseClick(c().apply, Qt::LeftButton);

    EXPECT_TRUE(answer.answered());
    expectOnlyMessage("Set to dhcp client fail.", "Error", MessageIcon::Stop);
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    EXPECT_EQ(sent("OPEN", 5).size(), 1u);
    EXPECT_FALSE(searchedSince()) << "the list is not rebuilt";
    EXPECT_EQ(ctx().DeviceSelected, 1);
    EXPECT_EQ(c().ipAddress->text(), QStringLiteral("10.64.0.10"));
}

TEST_F(SettingsLab, AStaticChangeMovesTheDeviceInTheList)
{
    click("10.64.0.10");
    chooseDhcp("Disable");
    c().ipAddress->setAddress(10, 64, 0, 77);
    c().netmask->setAddress(255, 255, 0, 0);
    c().gateway->clearAddress();
    lab_->clearRequests();
    test::ModalAnswerer answer(test::ModalAnswerer::reject(), 3000);
    QTest::mouseClick(c().apply, Qt::LeftButton);

    EXPECT_FALSE(answer.answered());
    EXPECT_TRUE(messages.empty()) << messages.last().text.toStdString();
    const auto id = protocol->clientId;
    EXPECT_EQ(sent("OPEN", 3, 4), std::vector<Bytes>{LoginRequest(id, "0a0b0c000010", "10.64.0.10", "")});
    EXPECT_EQ(sent("OPEN", 5), std::vector<Bytes>{SetRequest(id, "0a0b0c000010", "10.64.0.10", 1,
                                                             "255.255.0.0", "", "10.64.0.77")});
    lab::DeviceState state;
    ASSERT_TRUE(lab_->deviceState("OPEN", &state));
    EXPECT_EQ(state.ip, "10.64.0.77");
    EXPECT_EQ(state.gateway, "");

    QTreeWidgetItem* row = rowFor("10.64.0.77");
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(row->text(0), QStringLiteral("OPEN"));
    EXPECT_EQ(row->text(2), QStringLiteral("255.255.0.0"));
    EXPECT_EQ(rowFor("10.64.0.10"), nullptr);
    EXPECT_EQ(ctx().DeviceSelected, 0) << "no row is highlighted after the search";
    EXPECT_EQ(protocol->state.currentDeviceIp, "10.64.0.77");
    for (IpAddressEdit* field : {c().ipAddress, c().netmask, c().gateway})
        EXPECT_TRUE(field->isBlank());
}

TEST_F(SettingsLab, ConfigurationOpensTheBrowserOrReportsTheDeviceGone)
{
    // A device with a web server: its page in the default browser.
    click("10.64.0.10");
    QTest::mouseClick(c().configuration, Qt::LeftButton);
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(desktop->took("browser"), "http://10.64.0.10\n");

    // The browser's program is gone: xdg-open gets the address instead.
    std::filesystem::rename(desktop->root / "bin/browser", desktop->root / "bin/browser.gone");
    QTest::mouseClick(c().configuration, Qt::LeftButton);
    std::filesystem::rename(desktop->root / "bin/browser.gone", desktop->root / "bin/browser");
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(desktop->took("xdg-open"), "http://10.64.0.10\n");

    // No web server: reported at the first look after the refused connection, then
    // the list is searched afresh with nothing selected.
    click("10.64.0.11");
    lab_->clearRequests();
    secondSleeps = 0;
    QTest::mouseClick(c().configuration, Qt::LeftButton);
    expectOnlyMessage("Device is no longer available.", "Warning", MessageIcon::Exclamation);
    EXPECT_EQ(secondSleeps, 1);
    EXPECT_TRUE(searchedSince());
    EXPECT_EQ(c().deviceList->topLevelItemCount(), 4);
    EXPECT_EQ(c().deviceList->selectedItems().size(), 0);
    EXPECT_EQ(ctx().DeviceSelected, 0);
    EXPECT_TRUE(c().ipAddress->isBlank());
}

} // namespace
} // namespace telvorin
