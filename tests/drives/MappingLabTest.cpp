// SPDX-License-Identifier: GPL-3.0-or-later
// Connect and Disconnect end to end: the real main window in the lab's pc namespace,
// emulated devices, their smbd shares, a private GVfs and the GIO drive service.
#include "WindowSteps.h"
#include "app/MainDialog.h"
#include "dialogs/LoginDialog.h"
#include "drives/DriveMapping.h"
#include "gvfs/SharesLabTest.h"
#include "lab/Lab.h"
#include "platform/GioDriveService.h"
#include "protocol/PosixSocketLayer.h"
#include "protocol/Protocol.h"
#include "settings/DeviceDetails.h"
#include "ui/ModalHelper.h"
#include "ui/RecordingMessages.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <sstream>

#include <sys/stat.h>

namespace telvorin {
namespace {

using test::Exists;
using test::ReadFile;
using test::TypeLogin;

const char* const LabConfig = R"({"segments": [{"reply": "multicast", "devices": [
    {"name": "NAS-1", "ip": "10.64.0.10", "netmask": "255.255.0.0", "key": "0014a5000210",
     "volumes": ["HDD_a", "PRIVATE"], "guestShares": ["HDD_a"], "domain": "WORKGROUP",
     "smb": true, "users": [{"user": "user1", "password": "secret1"}],
     "userShares": ["PRIVATE"]}]}]})";

const QString Mapped = QStringLiteral("Successfully mapped drive.");
const QString FailedToMap = QStringLiteral("Failed to map drive.");

// The program as one run of it: its own protocol, drive service and window.
struct ProgramRun {
    explicit ProgramRun(const std::string& drivesFolder)
        : drives(drivesFolder)
        , window(sockets, clock, {.messages = &messages, .drives = &drives})
        , dialog(test::OpenMainWindow(window))
    {
    }

    MainContext& ctx() { return dialog->context(); }
    const MainControls& c() { return dialog->controls(); }

    void clickDevice(const QString& name)
    {
        const auto rows = c().deviceList->findItems(name, Qt::MatchExactly, 0);
        ASSERT_EQ(rows.size(), 1) << "device not listed";
        c().deviceList->clearSelection();
        rows.front()->setSelected(true);
        OnDeviceListClick(ctx());
    }
    void selectVolume(const QString& name) { test::SelectVolume(*dialog, name); }
    void chooseLetter(const QString& drive) { test::ChooseLetter(*dialog, drive); }
    void choose(const QString& volume, const QString& drive)
    {
        clickDevice(QStringLiteral("NAS-1"));
        selectVolume(volume);
        chooseLetter(drive);
    }
    QString location(const QString& volume) { return test::VolumeLocation(*dialog, volume); }

    SteadyClock clock;
    PosixSocketLayer sockets;
    test::RecordingMessages messages;
    GioDriveService drives;
    WindowServices window;
    std::unique_ptr<MainDialog> dialog;
};

class MappingLab : public test::SharesLabTest {
protected:
    static void SetUpTestSuite() { startSharesLab(LabConfig); }

    void TearDownInLab() override
    {
        if (!gvfs_ || !gvfs_->ok())
            return;
        GioDriveService cleanup(gvfs_->drivesFolder());
        for (const char* drive : {"Y:", "Z:"})
            cleanup.cancelConnection(drive, ConnectUpdateProfile, true);
        EXPECT_NO_WINDOW_LEFT();
    }
};

TEST_F(MappingLab, GuestShareMapsDisconnectsAndFreesTheLetter)
{
    ProgramRun run(gvfs_->drivesFolder());
    run.choose(QStringLiteral("HDD_a"), QStringLiteral("Z:"));
    // A share open to everyone maps at the first attempt, without the login dialog.
    test::ModalAnswerer unexpected(test::ModalAnswerer::reject(), 30000);
    OnConnect(run.ctx());
    EXPECT_FALSE(unexpected.answered());

    ASSERT_EQ(run.messages.last().text, Mapped);
    EXPECT_EQ(ReadFile(entry('Z') + "/hello.txt"), "guest data\n");
    EXPECT_EQ(run.c().driveLetters->itemText(0), QStringLiteral("Z: \\\\NAS-1\\HDD_a"));
    EXPECT_EQ(run.c().driveLetters->currentText(), QStringLiteral("Y:"));
    EXPECT_EQ(run.location(QStringLiteral("HDD_a")), QStringLiteral("Z:"));

    run.selectVolume(QStringLiteral("HDD_a"));
    OnDisconnect(run.ctx());
    EXPECT_EQ(run.messages.last().text, QStringLiteral("Successfully unmapped drive."));
    EXPECT_FALSE(Exists(entry('Z')));
    EXPECT_TRUE(gvfs_->mountedPaths().empty());
    EXPECT_EQ(run.location(QStringLiteral("HDD_a")), QString());
    EXPECT_EQ(run.c().driveLetters->currentText(), QStringLiteral("Z:"));

    // Z: is free now: removing it again fails, and says so.
    run.c().volumeList->clearSelection();
    run.chooseLetter(QStringLiteral("Z:"));
    OnDisconnect(run.ctx());
    EXPECT_EQ(run.messages.last().text,
              QStringLiteral("Unable to disconnect this drive.\nPlease select a drive to disconnect "
                             "and verify that the drive is not being accessed."));
    EXPECT_EQ(run.messages.last().caption, QStringLiteral("Error"));
}

TEST_F(MappingLab, UserShareMapsThroughTheLoginDialog)
{
    ProgramRun run(gvfs_->drivesFolder());
    run.choose(QStringLiteral("PRIVATE"), QStringLiteral("Y:"));
    test::ModalAnswerer answer(TypeLogin(QStringLiteral("user1"), QStringLiteral("secret1")), 30000);
    OnConnect(run.ctx());

    EXPECT_TRUE(answer.answered());
    ASSERT_EQ(run.messages.last().text, Mapped);
    EXPECT_EQ(ReadFile(entry('Y') + "/private.txt"), "private data\n");
    EXPECT_EQ(run.location(QStringLiteral("PRIVATE")), QStringLiteral("Y:"));
}

TEST_F(MappingLab, WrongPasswordFailsAndMapsNothing)
{
    ProgramRun run(gvfs_->drivesFolder());
    run.choose(QStringLiteral("PRIVATE"), QStringLiteral("Y:"));
    test::ModalAnswerer answer(TypeLogin(QStringLiteral("user1"), QStringLiteral("wrong")), 30000);
    OnConnect(run.ctx());

    EXPECT_TRUE(answer.answered());
    EXPECT_EQ(run.messages.last().text, FailedToMap);
    EXPECT_EQ(run.messages.last().caption, QStringLiteral("Error"));
    EXPECT_FALSE(Exists(entry('Y')));
    EXPECT_TRUE(gvfs_->mountedPaths().empty());
}

TEST_F(MappingLab, MappingOutlivesTheProgramAndIsFoundAtTheNextStart)
{
    {
        ProgramRun first(gvfs_->drivesFolder());
        first.choose(QStringLiteral("HDD_a"), QStringLiteral("Z:"));
        test::ModalAnswerer unexpected(test::ModalAnswerer::reject(), 30000);
        OnConnect(first.ctx());
        ASSERT_EQ(first.messages.last().text, Mapped);
    }
    ProgramRun next(gvfs_->drivesFolder());
    EXPECT_EQ(next.c().driveLetters->itemText(0), QStringLiteral("Z: \\\\NAS-1\\HDD_a"));
    next.clickDevice(QStringLiteral("NAS-1"));
    EXPECT_EQ(next.location(QStringLiteral("HDD_a")), QStringLiteral("Z:"));
    EXPECT_EQ(ReadFile(entry('Z') + "/hello.txt"), "guest data\n");
}

} // namespace
} // namespace telvorin
