// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/MainDialog.h"
#include "app/WindowServices.h"
#include "drives/MemoryDriveService.h"
#include "protocol/Protocol.h"
#include "ui/IpAddressEdit.h"
#include "ui/ModalHelper.h"
#include "ui/OfflineNetwork.h"
#include "ui/RecordingMessages.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <array>

// Readable failure output for texts.
inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

namespace telvorin {
namespace {

using Octets = std::array<const char*, 4>;
constexpr Octets Blank{"", "", "", ""};

class ApplyChecksTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        dialog = std::make_unique<MainDialog>(window.services());
        dialog->show();
    }
    void TearDown() override
    {
        dialog.reset();
        EXPECT_NO_WINDOW_LEFT();
    }

    MainContext& ctx() { return dialog->context(); }
    const MainControls& c() const { return dialog->controls(); }

    static void typeInto(IpAddressEdit* field, const Octets& octets)
    {
        for (int i = 0; i < 4; ++i)
            field->octetField(i)->setText(QString::fromUtf8(octets[static_cast<std::size_t>(i)]));
    }
    void chooseDhcp(const char* item)
    {
        c().dhcp->setCurrentIndex(c().dhcp->findText(QString::fromUtf8(item)));
    }
    void pressApply() { QTest::mouseClick(c().apply, Qt::LeftButton); }

    test::SilentSockets sockets{{{"lab0", "10.64.0.1"}}};
    test::ManualClock clock;
    test::RecordingMessages messages;
    test::MemoryDriveService drives;
    WindowServices window{sockets, clock, {.messages = &messages, .drives = &drives}};
    Protocol& protocol = window.protocol();
    std::unique_ptr<MainDialog> dialog;
};

TEST_F(ApplyChecksTest, NothingHappensWithoutACurrentDeviceOrADhcpChoice)
{
    const int sends = sockets.sends;
    pressApply();
    ASSERT_EQ(messages.count(), 1u);
    EXPECT_EQ(messages.last().text, QStringLiteral("Please select a device in the above section."));
    EXPECT_EQ(messages.last().caption, QStringLiteral("Error"));
    EXPECT_EQ(messages.last().icon, MessageIcon::Stop);
    EXPECT_EQ(ctx().AdminLoginMode, 1);

    // A click on the empty list highlights no row: still no device to act on.
    QTest::mouseClick(c().deviceList->viewport(), Qt::LeftButton, {}, QPoint(20, 20));
    EXPECT_EQ(ctx().DeviceSelected, 0);
    pressApply();
    EXPECT_EQ(messages.count(), 2u);
    // A device without a DHCP choice: nothing at all.
    ctx().DeviceSelected = 1;
    pressApply();
    EXPECT_EQ(messages.count(), 2u);
    EXPECT_EQ(sockets.sends, sends);
}

TEST_F(ApplyChecksTest, StaticAddressChecksStopThePressAtTheFirstFault)
{
    enum Field { Ip, Mask, Gateway, None };
    struct Case {
        Octets ip, mask, gateway;
        const char* text; // null: every check passes and the login is tried
        Field field;
        int octet;
    };
    const Octets mask16{"255", "255", "0", "0"};
    const Octets gw{"10", "64", "0", "1"};
    const Case cases[] = {
        {Blank, mask16, gw, "Please input IP address!", None, -1},
        {{"10", "64", "0", "9"}, Blank, gw, "Please input net mask address!", None, -1},
        {{"127", "0", "0", "1"}, mask16, gw, "IP address input error. Please try again.", None, -1},
        {{"127", "0", "0", "2"}, mask16, gw, nullptr, None, -1},
        {{"10", "0", "0", "0"}, mask16, gw, "Invalid IP address in 4th digit. It should be 1-254.", Ip, 3},
        {{"10", "0", "0", ""}, mask16, gw, "Invalid IP address in 4th digit. It should be 1-254.", Ip, 3},
        {{"10", "64", "300", "1"}, mask16, gw, "Invalid IP address in 3rd digit. It should be 0-254.", Ip, 2},
        {{"10", "64", "0", "9"},
         {"0", "255", "255", "0"},
         gw,
         "Invalid subnet mask address in 1st digit. It should be 1-255.",
         Mask,
         0},
        {{"10", "64", "0", "9"}, {"255", "0", "255", "0"}, gw, nullptr, None, -1},
        {{"10", "64", "0", "9"}, mask16, Blank, nullptr, None, -1},
        {{"10", "64", "0", "9"},
         mask16,
         {"192", "168", "0", "255"},
         "Invalid gateway IP address in 4th digit. It should be 1-254.",
         Gateway,
         3},
    };
    ctx().DeviceSelected = 1;
    chooseDhcp("Disable");
    IpAddressEdit* fields[] = {c().ipAddress, c().netmask, c().gateway};
    for (const Case& k : cases) {
        SCOPED_TRACE(testing::Message() << "row " << (&k - cases));
        messages.clear();
        protocol.state.newIp = "";
        protocol.state.newNetmask = "";
        protocol.state.newGateway = "stale";
        typeInto(c().ipAddress, k.ip);
        typeInto(c().netmask, k.mask);
        typeInto(c().gateway, k.gateway);
        c().apply->setFocus();
        const int sends = sockets.sends;

        test::ModalAnswerer answer(test::ModalAnswerer::reject(), 2000);
        pressApply();
        ASSERT_EQ(messages.count(), 1u);
        if (!k.text) {
            // Past every check: the login is tried (and fails, nothing answers here).
            EXPECT_TRUE(answer.answered());
            EXPECT_EQ(messages.last().text, QStringLiteral("Wrong administrator password input!"));
            EXPECT_FALSE(protocol.state.newIp.empty());
            EXPECT_FALSE(protocol.state.newNetmask.empty());
            EXPECT_EQ(protocol.state.newGateway.empty(), k.gateway[0][0] == '\0');
            continue;
        }
        EXPECT_FALSE(answer.answered()) << "no login for a refused press";
        EXPECT_EQ(sockets.sends, sends);
        EXPECT_EQ(messages.last().text, QString::fromUtf8(k.text));
        if (k.field == None) {
            EXPECT_EQ(messages.last().caption, QStringLiteral("Warning"));
            EXPECT_EQ(messages.last().icon, MessageIcon::Exclamation);
        } else {
            EXPECT_EQ(messages.last().caption, QStringLiteral("Error"));
            EXPECT_EQ(messages.last().icon, MessageIcon::Information);
            EXPECT_EQ(dialog->focusWidget(), fields[k.field]->octetField(k.octet));
            // The texts of the fields that passed are already written.
            EXPECT_EQ(protocol.state.newIp.empty(), k.field == Ip);
            EXPECT_EQ(protocol.state.newNetmask.empty(), k.field != Gateway);
        }
        // The fields keep what was typed.
        EXPECT_EQ(c().ipAddress->octetField(0)->text(), QString::fromUtf8(k.ip[0]));
    }
}

} // namespace
} // namespace telvorin
