// SPDX-License-Identifier: GPL-3.0-or-later
// "BitTorrent" on the real main window against the lab's emulated devices: the support
// check refuses with its message and leaves the program running, or the package lands on
// the device's share, the restart wait runs, and the main window is brought up to date
// with the flags cleared and the staging folder gone. Pauses and the restart wait run on
// a fake clock, the install and restart timers fire at once.

#include "bittorrent/SupportCheck.h"
#include "flows/FlowLab.h"
#include "resources/InstallFlowTexts.h"
#include "ui/QtPrinters.h"

#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>

#include <unistd.h>

using namespace telvorin;
using namespace telvorin::test;
using telvorin::lab::Lab;
using telvorin::lab::ReadFile;

namespace {

class PackageLab : public FlowLab {
protected:
    static void SetUpTestSuite()
    {
        startLab(R"({"segments": [{"reply": "multicast", "devices": [
            {"name": "NoDisk", "ip": "10.64.0.10", "key": "0014a5000020", "ideState": "1", "btFirmware": "1"},
            {"name": "Unformatted", "ip": "10.64.0.11", "key": "0014a5000021", "ideState": "2",
             "btFirmware": "1"},
            {"name": "OldFirmware", "ip": "10.64.0.12", "key": "0014a5000022", "ideState": "5",
             "btFirmware": "2"},
            {"name": "Unicode", "ip": "10.64.0.13", "key": "0014a5000023", "ideState": "4", "btFirmware": "1",
             "volumes": ["HDD_a"], "smb": true}]}]})");
        // The staging folder is made under the runtime folder: a private one shows it gone.
        runtimeDir_ = std::filesystem::temp_directory_path() / ("package-lab-" + std::to_string(::getpid()));
        std::filesystem::create_directories(runtimeDir_);
        ::setenv("XDG_RUNTIME_DIR", runtimeDir_.c_str(), 1);
    }
    static void TearDownTestSuite()
    {
        stopLab();
        std::filesystem::remove_all(runtimeDir_);
    }

    void RunPackage(const char* device) { runFlow(device, &MainControls::bitTorrent); }

    static std::filesystem::path runtimeDir_;
};

std::filesystem::path PackageLab::runtimeDir_;

} // namespace

TEST_F(PackageLab, ARefusalShowsItsMessageAndTheProgramKeepsRunning)
{
    struct Row {
        const char* device;
        const char* message;
        const char* webPage;
    };
    const Row rows[] = {
        {"NoDisk", NoHardDrivesMessage, nullptr},
        {"Unformatted", FormatDriveMessage, "http://10.64.0.11"},
        {"OldFirmware", bittorrent::NotSupportedMessage, nullptr},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.device);
        SetUpInLab();
        RunPackage(row.device);

        ASSERT_NO_FATAL_FAILURE(expectOnlyMessage(row.message));
        EXPECT_EQ(rig_->browser.opened,
                  row.webPage ? std::vector<std::string>{row.webPage} : std::vector<std::string>{});
        EXPECT_EQ(asked(row.device, 5, ItemPackage), 0);
        EXPECT_TRUE(rig_->timers.asked.empty()) << "nothing installed";
        EXPECT_EQ(rig_->installState.SetupOutcome, -1);
        EXPECT_EQ(rig_->installState.BtInstallMode, 0);
        EXPECT_EQ(searches(), 0);
        EXPECT_TRUE(window_->isVisible()) << "the main window stays open";
        EXPECT_EQ(window_->result(), 0);
        TearDownInLab();
    }
}

TEST_F(PackageLab, AnInstallAndItsWaitLeaveTheFlagsClearedTheSelectionGoneAndNoStagingFolder)
{
    const std::string bt = lab_->shareDir("Unicode", "HDD_a") + "/Nas_Prog/BT";
    std::filesystem::remove_all(bt);
    std::filesystem::create_directories(bt);
    RunPackage("Unicode");

    EXPECT_TRUE(rig_->messages.empty());
    EXPECT_EQ(ReadFile(bt + "/bt"), ReadFile(Payload() + "/BT/215"));
    EXPECT_EQ(ReadFile(bt + "/btdog"), ReadFile(Payload() + "/BT/220"));
    lab::DeviceState state;
    ASSERT_TRUE(lab_->deviceState("Unicode", &state));
    EXPECT_EQ(state.package, "BT");
    // The install window's two seconds (package timer 2), then the restart window's ninety.
    EXPECT_EQ(rig_->timers.asked, (std::vector<std::pair<int, int>>{{2, 2000}, {1, 90000}}));
    EXPECT_EQ(rig_->clock.nowMs(), 2000 + 1000 + 2000 + 99 * 900);

    const InstallState& flags = rig_->installState;
    EXPECT_EQ(flags.BtInstallMode, 0);
    EXPECT_EQ(flags.BtInstalled, 0);
    EXPECT_EQ(flags.ExtractFailed, 0);
    EXPECT_EQ(flags.SetupOutcome, 0);
    EXPECT_FALSE(rig_->staging.exists());
    EXPECT_TRUE(std::filesystem::is_empty(runtimeDir_)) << "the staging folder is removed";
    EXPECT_GT(searches(), 0) << "searched again";
    EXPECT_EQ(window_->context().DeviceSelected, 0);
    EXPECT_EQ(window_->controls().volumeList->topLevelItemCount(), 0);
    EXPECT_TRUE(window_->isVisible());
}
