// SPDX-License-Identifier: GPL-3.0-or-later
// Connect and Disconnect on the real main window over an in-memory drive service and an
// in-memory network: which letter and volume are used, what is tried, what is shown.
#include "WindowSteps.h"
#include "app/MainDialog.h"
#include "dialogs/LoginDialog.h"
#include "drives/CredentialPrompt.h"
#include "drives/DriveMapping.h"
#include "drives/MemoryDriveService.h"
#include "platform/GioDriveService.h"
#include "protocol/FakeNetwork.h"
#include "protocol/Protocol.h"
#include "settings/DeviceDetails.h"
#include "ui/BlockingStep.h"
#include "ui/ModalHelper.h"
#include "ui/RecordingMessages.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <memory>
#include <optional>

namespace telvorin {
namespace {

using test::MemoryDriveService;
using test::ModalAnswerer;
using test::TypeLogin;

const QString FailedToMap = QStringLiteral("Failed to map drive.");
const QString Mapped = QStringLiteral("Successfully mapped drive.");
const QString Unmapped = QStringLiteral("Successfully unmapped drive.");
const QString UnableToDisconnect =
    QStringLiteral("Unable to disconnect this drive.\nPlease select a drive to disconnect and verify that "
                   "the drive is not being accessed.");

test::FakeDevice Nas(const std::string& name = "NAS-1", const std::string& volumes = "HDD_a:PRIVATE",
                     const std::string& domain = "WORKGROUP")
{
    test::FakeDevice d;
    d.name = name;
    d.address = {10, 64, 0, 10};
    d.values[ItemVolumeList] = volumes;
    d.values[ItemDomain] = domain;
    return d;
}

// The main window with one device found, as a person sees it after the first search.
class MappingWindow {
public:
    explicit MappingWindow(const test::FakeDevice& device)
    {
        net.addInterface("veth0", "10.64.0.1");
        net.addDevice(device);
        window = std::make_unique<WindowServices>(net, clock,
                                                  MainServices{.messages = &messages, .drives = &drives});
        dialog = test::OpenMainWindow(*window);
    }

    MainContext& ctx() { return dialog->context(); }
    const MainControls& c() { return dialog->controls(); }

    void clickDevice(int row)
    {
        c().deviceList->topLevelItem(row)->setSelected(true);
        OnDeviceListClick(ctx());
    }
    void selectVolume(const QString& name) { test::SelectVolume(*dialog, name); }
    void chooseLetter(const QString& drive) { test::ChooseLetter(*dialog, drive); }
    QString location(const QString& volume) { return test::VolumeLocation(*dialog, volume); }
    QStringList letters()
    {
        QStringList items;
        for (int i = 0; i < c().driveLetters->count(); ++i)
            items << c().driveLetters->itemText(i);
        return items;
    }
    // Device, volume and letter chosen, ready for Connect.
    void choose(const QString& volume, const QString& drive)
    {
        clickDevice(0);
        selectVolume(volume);
        chooseLetter(drive);
    }

    test::FakeClock clock;
    test::FakeNetwork net{clock};
    MemoryDriveService drives;
    test::RecordingMessages messages;
    // Made once the network has its link and device, which the transport opens on.
    std::unique_ptr<WindowServices> window;
    std::unique_ptr<MainDialog> dialog;
};

TEST(Connect, MapsTheChosenVolumeWithTheDomainUserAfterFreeingTheLetter)
{
    MappingWindow w(Nas());
    w.drives.mapDrive("Z:", "\\\\old\\share");
    w.choose(QStringLiteral("HDD_a"), QStringLiteral("Z:"));

    OnConnect(w.ctx());

    ASSERT_EQ(w.drives.cancelCalls().size(), 1u);
    EXPECT_EQ(w.drives.cancelCalls()[0].drive, "Z:");
    EXPECT_EQ(w.drives.cancelCalls()[0].flags, ConnectUpdateProfile);
    EXPECT_TRUE(w.drives.cancelCalls()[0].force);
    ASSERT_EQ(w.drives.addCalls().size(), 1u);
    const auto& add = w.drives.addCalls()[0];
    EXPECT_EQ(add.drive, "Z:");
    EXPECT_EQ(add.remoteName, "\\\\NAS-1\\HDD_a");
    EXPECT_EQ(add.userName, std::optional<std::string>("WORKGROUP\\tester"));
    EXPECT_EQ(add.password, std::nullopt);
    EXPECT_EQ(add.flags, ConnectUpdateProfile);

    EXPECT_EQ(w.messages.last().text, Mapped);
    EXPECT_EQ(w.messages.last().caption, QStringLiteral("Confirm"));
    EXPECT_EQ(w.messages.last().icon, MessageIcon::Information);
    EXPECT_EQ(w.ctx().SelectedHost, "10.64.0.10");
    EXPECT_EQ(w.ctx().AdminLoginMode, 0);
    EXPECT_EQ(w.letters().front(), QStringLiteral("Z: \\\\NAS-1\\HDD_a"));
    EXPECT_EQ(w.c().driveLetters->currentText(), QStringLiteral("Y:"));
    EXPECT_EQ(w.location(QStringLiteral("HDD_a")), QStringLiteral("Z:"));
    EXPECT_EQ(w.location(QStringLiteral("PRIVATE")), QString());
}

TEST(Connect, RefusedFirstAttemptFallsBackToTheLoginDialog)
{
    struct Row {
        const char* domain;
        bool secondRefused;
        const char* firstUser;
        const char* secondUser;
    };
    const Row rows[] = {
        {"WORKGROUP", false, "WORKGROUP\\tester", "WORKGROUP\\user1"},
        {"", false, "", "user1"},
        {"WORKGROUP", true, "WORKGROUP\\tester", "WORKGROUP\\user1"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.domain);
        MappingWindow w(Nas("NAS-1", "HDD_a:PRIVATE", row.domain));
        w.choose(QStringLiteral("PRIVATE"), QStringLiteral("Y:"));
        w.drives.failNextAdd(DriveResult::Failed);

        // The second attempt is refused as well when the drive service fails it; the
        // in-memory service only fails the next call, so refuse it by taking the letter.
        ModalAnswerer answer([&](QWidget* modal) {
            if (row.secondRefused)
                w.drives.setDriveType("Y:", DriveFixed);
            TypeLogin(QStringLiteral("user1"), QStringLiteral("secret1"))(modal);
        });
        OnConnect(w.ctx());

        EXPECT_TRUE(answer.answered());
        ASSERT_EQ(w.drives.addCalls().size(), 2u);
        EXPECT_EQ(w.drives.addCalls()[0].userName, std::optional<std::string>(row.firstUser));
        EXPECT_EQ(w.drives.addCalls()[1].userName, std::optional<std::string>(row.secondUser));
        EXPECT_EQ(w.drives.addCalls()[1].password, std::optional<std::string>("secret1"));
        EXPECT_EQ(w.drives.addCalls()[1].flags, ConnectUpdateProfile);
        EXPECT_EQ(w.window->protocol().state.adminUser, "user1");
        if (row.secondRefused) {
            EXPECT_EQ(w.messages.last().text, FailedToMap);
            EXPECT_EQ(w.messages.last().caption, QStringLiteral("Error"));
            EXPECT_EQ(w.messages.last().icon, MessageIcon::Stop);
            EXPECT_EQ(w.location(QStringLiteral("PRIVATE")), QString());
        } else {
            EXPECT_EQ(w.messages.last().text, Mapped);
            EXPECT_EQ(w.location(QStringLiteral("PRIVATE")), QStringLiteral("Y:"));
        }
    }
}

// The window hands its handlers the drive service behind its blocking wrapper: the box
// must still follow the service, and a tick must reach the mapping.
TEST(Connect, RememberPasswordFollowsTheDriveServiceAndATickReachesTheMapping)
{
    struct Row {
        const char* what;
        bool canSave;
        bool tick;
        unsigned flags;
    };
    const Row rows[] = {
        {"a keyring, ticked", true, true, ConnectUpdateProfile | ConnectSavePassword},
        {"a keyring, not ticked", true, false, ConnectUpdateProfile},
        {"no keyring", false, true, ConnectUpdateProfile},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        MappingWindow w(Nas());
        w.drives.setPasswordSaving(row.canSave);
        w.choose(QStringLiteral("PRIVATE"), QStringLiteral("Y:"));
        w.drives.failNextAdd(DriveResult::Failed);
        bool enabled = !row.canSave;
        ModalAnswerer answer([&](QWidget* modal) {
            QCheckBox* box = qobject_cast<LoginDialog*>(modal)->rememberPasswordBox();
            enabled = box->isEnabled();
            if (row.tick)
                box->click();
            TypeLogin(QStringLiteral("user1"), QStringLiteral("secret1"))(modal);
        });
        OnConnect(w.ctx());

        EXPECT_TRUE(answer.answered());
        EXPECT_EQ(enabled, row.canSave);
        ASSERT_EQ(w.drives.addCalls().size(), 2u);
        EXPECT_EQ(w.drives.addCalls()[1].flags, row.flags);
    }
}

TEST(Connect, NeedsADeviceAVolumeAndALetter)
{
    struct Row {
        const char* name;
        bool device;
        bool volume;
        bool letter;
        bool warned;
    };
    const Row rows[] = {
        {"nothing selected", false, false, true, true},
        {"no volume", true, false, true, true},
        {"no device", false, true, true, true},
        {"no letter", true, true, false, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        MappingWindow w(Nas());
        w.clickDevice(0);
        if (row.volume)
            w.selectVolume(QStringLiteral("HDD_a"));
        if (!row.device)
            w.c().deviceList->clearSelection();
        if (!row.letter)
            w.c().driveLetters->setCurrentIndex(-1);

        OnConnect(w.ctx());

        EXPECT_TRUE(w.drives.addCalls().empty());
        EXPECT_TRUE(w.drives.cancelCalls().empty());
        if (row.warned) {
            ASSERT_EQ(w.messages.count(), 1u);
            EXPECT_EQ(w.messages.last().text, QStringLiteral("Please select a device in the above section."));
            EXPECT_EQ(w.messages.last().caption, QStringLiteral("Warning"));
            EXPECT_EQ(w.messages.last().icon, MessageIcon::Exclamation);
        } else {
            EXPECT_TRUE(w.messages.empty());
        }
    }
}

TEST(Connect, UnsafeDeviceTextsAreRefusedAndTheOldMappingKept)
{
    struct Row {
        std::string name;
        std::string volume;
        std::string domain;
    };
    const Row rows[] = {
        {"..", "HDD_a", "WORKGROUP"},
        {"NAS/../other", "HDD_a", "WORKGROUP"},
        {"NAS\\evil", "HDD_a", "WORKGROUP"},
        {"NAS-1", "..", "WORKGROUP"},
        {"NAS-1", "a/b", "WORKGROUP"},
        {"NAS-1", "vol\\..\\x", "WORKGROUP"},
        {"NAS-1", "HDD\ta", "WORKGROUP"},
        {"NAS\x1b"
         "1",
         "HDD_a", "WORKGROUP"},
        {"NAS-1", "HDD_a", "WORK/GROUP"},
        {"NAS-1", "HDD_a", "WORK\\GROUP"},
        {"NAS-1", "HDD_a", "WORK\nGROUP"},
        {std::string(200, 'n'), "HDD_a", "WORKGROUP"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name + " | " + row.volume + " | " + row.domain);
        MappingWindow w(Nas(row.name, row.volume, row.domain));
        w.drives.mapDrive("Z:", "\\\\old\\share");
        w.choose(QString::fromStdString(row.volume), QStringLiteral("Z:"));

        OnConnect(w.ctx());

        EXPECT_TRUE(w.drives.addCalls().empty());
        EXPECT_EQ(w.messages.last().text, FailedToMap);
        std::string remote;
        // Names refused up front leave the letter's old connection alone.
        if (row.domain == "WORKGROUP") {
            EXPECT_TRUE(w.drives.getConnection("Z:", remote));
        }
    }
}

TEST(Connect, NamesThatAreNotUtf8MapTheDevicesOwnBytes)
{
    // Latin-1 names: the list shows both volumes alike, as "Donn\uFFFDes".
    const std::string server = "NAS-\xe9";
    const std::string first = "Donn\xe9"
                              "es";
    const std::string second = "Donn\xe8"
                               "es";
    MappingWindow w(Nas(server, first + ":" + second));
    w.drives.mapDrive("Y:", "\\\\" + server + "\\" + first);
    w.clickDevice(0);
    ASSERT_EQ(w.c().volumeList->topLevelItem(0)->text(0), w.c().volumeList->topLevelItem(1)->text(0));
    w.c().volumeList->topLevelItem(1)->setSelected(true);
    w.chooseLetter(QStringLiteral("Z:"));

    OnConnect(w.ctx());

    ASSERT_EQ(w.drives.addCalls().size(), 1u);
    EXPECT_EQ(w.drives.addCalls()[0].remoteName, "\\\\" + server + "\\" + second);
    EXPECT_EQ(w.messages.last().text, Mapped);
    // Each letter is found again on its own volume by the same bytes.
    EXPECT_EQ(w.c().volumeList->topLevelItem(0)->text(1), QStringLiteral("Y:"));
    EXPECT_EQ(w.c().volumeList->topLevelItem(1)->text(1), QStringLiteral("Z:"));

    w.c().volumeList->topLevelItem(1)->setSelected(true);
    OnDisconnect(w.ctx());
    EXPECT_EQ(w.messages.last().text, Unmapped);
    ASSERT_FALSE(w.drives.cancelCalls().empty());
    EXPECT_EQ(w.drives.cancelCalls().back().drive, "Z:");
    EXPECT_EQ(w.c().volumeList->topLevelItem(0)->text(1), QStringLiteral("Y:"));
    EXPECT_EQ(w.c().volumeList->topLevelItem(1)->text(1), QString());
}

TEST(Disconnect, RemovesTheLetterOfTheSelectedVolumeOrOfTheCombo)
{
    struct Row {
        const char* name;
        const char* volume;  // selected volume row, or none
        int letterIndex;     // combo item chosen when no volume is selected (-1: none)
        const char* removed; // the drive handed to the service, null: not called
        const QString* message;
    };
    const Row rows[] = {
        {"mapped volume", "HDD_a", -1, "X:", &Unmapped},
        {"volume mapped nowhere wins over the combo", "PRIVATE", 1, "", &UnableToDisconnect},
        {"mapped letter in the combo", nullptr, 2, "X:", &Unmapped},
        {"free letter in the combo", nullptr, 0, "Z:", &UnableToDisconnect},
        {"nothing chosen", nullptr, -1, nullptr, nullptr},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        MappingWindow w(Nas());
        w.drives.mapDrive("X:", "\\\\nas-1\\hdd_a");
        w.dialog->driveTable().RefreshDriveTable(w.drives);
        w.dialog->driveTable().FillDriveLetters(w.c().driveLetters, w.drives);
        w.clickDevice(0);
        ASSERT_EQ(w.location(QStringLiteral("HDD_a")), QStringLiteral("X:"));
        if (row.volume)
            w.selectVolume(QString::fromLatin1(row.volume));
        w.c().driveLetters->setCurrentIndex(row.letterIndex);

        OnDisconnect(w.ctx());

        if (!row.removed) {
            EXPECT_TRUE(w.drives.cancelCalls().empty());
            EXPECT_TRUE(w.messages.empty());
            continue;
        }
        ASSERT_EQ(w.drives.cancelCalls().size(), 1u);
        EXPECT_EQ(w.drives.cancelCalls()[0].drive, row.removed);
        EXPECT_EQ(w.drives.cancelCalls()[0].flags, ConnectUpdateProfile);
        EXPECT_TRUE(w.drives.cancelCalls()[0].force);
        EXPECT_EQ(w.messages.last().text, *row.message);
        if (row.message == &Unmapped) {
            EXPECT_EQ(w.messages.last().caption, QStringLiteral("Confirm"));
            EXPECT_EQ(w.location(QStringLiteral("HDD_a")), QString());
            EXPECT_FALSE(w.letters().contains(QStringLiteral("X: \\\\nas-1\\hdd_a")));
        } else {
            EXPECT_EQ(w.messages.last().caption, QStringLiteral("Error"));
            EXPECT_EQ(w.messages.last().icon, MessageIcon::Stop);
            EXPECT_EQ(w.location(QStringLiteral("HDD_a")), QStringLiteral("X:"));
        }
    }
}

TEST(Locations, ConnectComparesServerCaseAndDisconnectIgnoresIt)
{
    MappingWindow w(Nas());
    // A mapping of the same volume made elsewhere, its server written in lower case.
    w.drives.mapDrive("M:", "\\\\nas-1\\HDD_a");
    w.choose(QStringLiteral("PRIVATE"), QStringLiteral("Z:"));

    OnConnect(w.ctx());
    ASSERT_EQ(w.messages.last().text, Mapped);
    EXPECT_EQ(w.location(QStringLiteral("PRIVATE")), QStringLiteral("Z:"));
    EXPECT_EQ(w.location(QStringLiteral("HDD_a")), QString());

    w.c().volumeList->clearSelection();
    w.selectVolume(QStringLiteral("PRIVATE"));
    OnDisconnect(w.ctx());
    ASSERT_EQ(w.messages.last().text, Unmapped);
    EXPECT_EQ(w.location(QStringLiteral("PRIVATE")), QString());
    EXPECT_EQ(w.location(QStringLiteral("HDD_a")), QStringLiteral("M:"));
}

TEST(CredentialPrompt, AnswersWithWhatWasTypedGuestOrNothing)
{
    struct Row {
        const char* name;
        bool anonymousAllowed;
        bool tickGuest;
        bool accept;
        bool answered;
        bool anonymous;
    };
    const Row rows[] = {
        {"typed credentials", true, false, true, true, false},
        {"guest login", true, true, true, true, true},
        {"guest not offered", false, true, true, true, false},
        {"cancelled", true, false, false, false, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        CredentialRequest request;
        request.message = "Password required for share PRIVATE on NAS-1";
        request.userName = "guest";
        request.domain = "WORKGROUP";
        request.anonymousAllowed = row.anonymousAllowed;
        ModalAnswerer answer([&](QWidget* modal) {
            modal->findChild<QLineEdit*>(QStringLiteral("userNameEdit"))->setText(QStringLiteral("user1"));
            modal->findChild<QLineEdit*>(QStringLiteral("passwordEdit"))->setText(QStringLiteral("secret1"));
            auto* guest = modal->findChild<QCheckBox*>(QStringLiteral("guestCheck"));
            EXPECT_EQ(guest->isVisible(), row.anonymousAllowed);
            guest->setChecked(row.tickGuest);
            if (row.accept)
                qobject_cast<QDialog*>(modal)->accept();
            else
                qobject_cast<QDialog*>(modal)->reject();
        });

        // GVfs asks on the thread that mounts: the prompt still opens on this one.
        const bool answered = RunBlockingStep([&] { return CredentialPrompt::overActiveWindow()(request); });
        EXPECT_EQ(answered, row.answered);
        EXPECT_TRUE(answer.answered());
        EXPECT_EQ(answer.seenObjectName(), QStringLiteral("credentialPrompt"));
        EXPECT_EQ(request.anonymous, row.anonymous);
        EXPECT_EQ(request.userName, row.answered ? "user1" : "guest");
        EXPECT_EQ(request.password, row.answered ? "secret1" : "");
        EXPECT_EQ(request.domain, "WORKGROUP");
        EXPECT_NO_WINDOW_LEFT();
    }
}

} // namespace
} // namespace telvorin
