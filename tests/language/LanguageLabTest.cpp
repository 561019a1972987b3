// SPDX-License-Identifier: GPL-3.0-or-later
// "Language" on the real main window against the lab's emulated devices: the device's
// disk and language state decides what the window does, the firmware decides which
// languages it takes, and an install either ends in the restart wait and a refreshed
// main window or, failed, in a new language window. Pauses and the restart wait run on
// a fake clock, the install and restart timers fire at once.

#include "flows/FlowLab.h"
#include "language/LanguageRules.h"
#include "resources/InstallFlowTexts.h"
#include "ui/QtPrinters.h"

#include <QComboBox>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

using namespace telvorin;
using namespace telvorin::test;
using telvorin::lab::Lab;

namespace {

class LanguageLab : public FlowLab {
protected:
    static void SetUpTestSuite()
    {
        startLab(R"({"segments": [{"reply": "multicast", "devices": [
            {"name": "NoDisk", "ip": "10.64.0.10", "key": "0014a5000010", "ideState": "1"},
            {"name": "Unformatted", "ip": "10.64.0.11", "key": "0014a5000011", "ideState": "2"},
            {"name": "SixLanguages", "ip": "10.64.0.12", "key": "0014a5000012", "ideState": "3",
             "codepage": "850"},
            {"name": "Unicode", "ip": "10.64.0.13", "key": "0014a5000013", "ideState": "4"},
            {"name": "Turkish", "ip": "10.64.0.18", "key": "0014a5000018", "ideState": "5", "codepage": "857"},
            {"name": "AllLanguages", "ip": "10.64.0.14", "key": "0014a5000014", "ideState": "5",
             "codepage": "857", "volumes": ["HDD_a"], "smb": true},
            {"name": "Silent", "ip": "10.64.0.15", "key": "0014a5000015", "ideState": "3", "unanswered": [11]},
            {"name": "NoCodepage", "ip": "10.64.0.16", "key": "0014a5000016", "ideState": "3",
             "codepage": "857", "unanswered": [9]},
            {"name": "NoShare", "ip": "10.64.0.17", "key": "0014a5000017", "ideState": "3", "codepage": "850",
             "volumes": ["HDD_a"]}]}]})");
    }

    // Selects the device and presses "Language"; returns when the flow has ended.
    void RunLanguage(const char* device) { runFlow(device, &MainControls::language); }

    // The AllLanguages share's codepage folder, emptied.
    static std::string emptyCodepageFolder()
    {
        const std::string codepages = lab_->shareDir("AllLanguages", "HDD_a") + "/.codepages";
        std::filesystem::remove_all(codepages);
        std::filesystem::create_directories(codepages);
        return codepages;
    }
};

QComboBox* ListOf(QWidget* dialog)
{
    return dialog->findChild<QComboBox*>(QStringLiteral("languageList"));
}

void Click(QWidget* dialog, const char* button)
{
    QTest::mouseClick(dialog->findChild<QPushButton*>(QString::fromLatin1(button)), Qt::LeftButton);
}

// Picks the language this many below the first (Traditional Chinese) and presses OK.
ModalScript::Step PickAndOk(int below)
{
    return {QStringLiteral("languageDialog"), [below](QWidget* dialog) {
                QComboBox* list = ListOf(dialog);
                list->setFocus();
                QTest::keyClick(list, Qt::Key_Home);
                for (int i = 0; i < below; ++i)
                    QTest::keyClick(list, Qt::Key_Down);
                Click(dialog, "okButton");
            }};
}

} // namespace

TEST_F(LanguageLab, TheDeviceStateEndsTheWindowWithItsMessageOrOffersTheCurrentLanguage)
{
    enum class Leave { Escape, Cancel, CloseRequest };
    struct Row {
        const char* device;
        const char* message;   // nullptr: the window opens
        const char* preselect; // the language shown when it opens
        const char* webPage;   // opened after the message
        int ideQuestions;
        int codepageQuestions;
        Leave leave = Leave::Escape; // how an open window is left
    };
    const Row rows[] = {
        {"NoDisk", NoHardDrivesMessage, nullptr, nullptr, 1, 0},
        {"Unformatted", FormatDriveMessage, nullptr, "http://10.64.0.11", 1, 0},
        {"Unicode", language::UnicodeMessage, nullptr, nullptr, 1, 0},
        {"Silent", language::NotSupportedMessage, nullptr, nullptr, 10, 0},
        {"SixLanguages", nullptr, "Western European", nullptr, 1, 1, Leave::Escape},
        {"Turkish", nullptr, "Turkish", nullptr, 1, 1, Leave::CloseRequest},
        {"NoCodepage", nullptr, "Western European", nullptr, 1, 10, Leave::Cancel},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.device);
        SetUpInLab();
        QString shown;
        ModalScript script({{QStringLiteral("languageDialog"), [&](QWidget* dialog) {
                                 shown = ListOf(dialog)->currentText();
                                 switch (row.leave) {
                                 case Leave::Escape: QTest::keyClick(dialog, Qt::Key_Escape); break;
                                 case Leave::Cancel: Click(dialog, "cancelButton"); break;
                                 case Leave::CloseRequest: dialog->close(); break;
                                 }
                             }}});
        RunLanguage(row.device);

        const std::int64_t pausedMs = (row.ideQuestions + row.codepageQuestions) * language::QueryPauseMs;
        EXPECT_EQ(rig_->clock.nowMs(), pausedMs);
        EXPECT_EQ(CountOf(heardBy(row.device), 5, ItemCodepageSet), 0);
        if (row.message) {
            EXPECT_EQ(script.answered(), 0) << "the window never showed";
            ASSERT_NO_FATAL_FAILURE(expectOnlyMessage(row.message));
        } else {
            EXPECT_EQ(script.answered(), 1);
            EXPECT_EQ(shown, QString::fromLatin1(row.preselect));
            EXPECT_TRUE(rig_->messages.empty());
        }
        EXPECT_EQ(rig_->browser.opened,
                  row.webPage ? std::vector<std::string>{row.webPage} : std::vector<std::string>{});
        EXPECT_EQ(rig_->installState.SetupOutcome, -1);
        EXPECT_EQ(rig_->installState.ExtendedCodepages, std::string_view(row.device) == "Turkish" ? 1 : 0);
        EXPECT_EQ(searches(), 0) << "no refresh after a refusal or Cancel";
        EXPECT_EQ(window_->context().DeviceSelected, 1);
        EXPECT_TRUE(rig_->timers.asked.empty()) << "nothing installed";
        TearDownInLab();
    }
}

TEST_F(LanguageLab, SixLanguageFirmwareRefusesTheExtendedOnesOnSelectionAndOnOk)
{
    bool ownedByTheWindow = false;
    int indexAfterRefusedOk = -1;
    bool openAfterRefusedOk = false;
    std::size_t messagesBeforeKorean = 0;
    ModalScript script({{QStringLiteral("languageDialog"), [&](QWidget* dialog) {
                             QComboBox* list = ListOf(dialog);
                             list->setFocus();
                             QTest::keyClick(list, Qt::Key_Down); // Northern European
                             ownedByTheWindow =
                                 !rig_->messages.empty() && rig_->messages.last().owner == dialog;
                             Click(dialog, "okButton");
                             indexAfterRefusedOk = list->currentIndex();
                             openAfterRefusedOk = dialog->isVisible();
                             QTest::keyClick(list, Qt::Key_Down); // Central European
                             QTest::keyClick(list, Qt::Key_Down); // Turkish
                             messagesBeforeKorean = rig_->messages.count();
                             QTest::keyClick(list, Qt::Key_Down); // Korean Hangul
                             Click(dialog, "cancelButton");
                         }}});
    RunLanguage("SixLanguages");

    EXPECT_EQ(script.answered(), 1);
    EXPECT_TRUE(ownedByTheWindow);
    EXPECT_EQ(indexAfterRefusedOk, 3) << "a refused language stays selected";
    EXPECT_TRUE(openAfterRefusedOk);
    EXPECT_EQ(messagesBeforeKorean, 4u) << "Northern, OK, Central, Turkish";
    ASSERT_EQ(rig_->messages.count(), 4u);
    for (const RecordedMessage& m : rig_->messages.all()) {
        EXPECT_EQ(m.text, QString::fromUtf8(language::FirmwareMessage));
        EXPECT_TRUE(m.caption.isEmpty());
        EXPECT_EQ(m.icon, MessageIcon::None);
    }
    EXPECT_EQ(rig_->installState.CodepageIndex, 3);
    EXPECT_EQ(rig_->installState.SetupOutcome, -1);
    EXPECT_EQ(CountOf(heardBy("SixLanguages"), 5, ItemCodepageSet), 0);
    EXPECT_TRUE(rig_->timers.asked.empty());
}

TEST_F(LanguageLab, NorthernEuropeanWritesNoFileSendsItsCodepageAndWaitsForTheRestart)
{
    const std::string codepages = emptyCodepageFolder();
    ModalScript script({PickAndOk(3)}); // Northern European
    RunLanguage("AllLanguages");

    EXPECT_EQ(script.answered(), 1);
    EXPECT_TRUE(rig_->messages.empty()) << "all nine languages are allowed";
    EXPECT_TRUE(std::filesystem::is_empty(codepages));
    const std::vector<HeardRequest> heard = heardBy("AllLanguages");
    ASSERT_EQ(CountOf(heard, 5, ItemCodepageSet), 1);
    for (const HeardRequest& h : heard) {
        if (h.opcode == 5 && h.item == ItemCodepageSet) {
            EXPECT_EQ(h.value, "865");
        }
    }
    lab::DeviceState state;
    ASSERT_TRUE(lab_->deviceState("AllLanguages", &state));
    EXPECT_EQ(state.codepage, "865");
    // The install window's two seconds, then the restart window's ninety.
    EXPECT_EQ(rig_->timers.asked, (std::vector<std::pair<int, int>>{{1, 2000}, {1, 90000}}));
    EXPECT_EQ(rig_->clock.nowMs(), 2 * language::QueryPauseMs + 99 * 900);
    EXPECT_EQ(rig_->installState.CodepageIndex, 3);
    EXPECT_EQ(rig_->installState.SetupOutcome, 0);
}

TEST_F(LanguageLab, AFailedInstallOpensANewWindowWhoseCancelLeavesTheMainWindowAlone)
{
    ModalScript script({
        // Enter is OK.
        {QStringLiteral("languageDialog"), [](QWidget* dialog) { QTest::keyClick(dialog, Qt::Key_Return); }},
        {QStringLiteral("languageDialog"), [](QWidget* dialog) { Click(dialog, "cancelButton"); }},
    });
    RunLanguage("NoShare");

    EXPECT_EQ(script.answered(), 2);
    ASSERT_EQ(rig_->messages.count(), 1u);
    EXPECT_EQ(rig_->messages.last().text, QStringLiteral("Please check hard drives."));
    EXPECT_EQ(rig_->installState.ExtractFailed, 1);
    EXPECT_EQ(rig_->timers.asked, (std::vector<std::pair<int, int>>{{1, 2000}})) << "no restart wait";
    const std::vector<HeardRequest> heard = heardBy("NoShare");
    EXPECT_EQ(CountOf(heard, 5, ItemCodepageSet), 0);
    EXPECT_EQ(CountOf(heard, 3, ItemIdeState), 2) << "the new window asks again";
    EXPECT_EQ(rig_->installState.SetupOutcome, -1);
    EXPECT_EQ(searches(), 0);
    EXPECT_EQ(window_->context().DeviceSelected, 1);
    EXPECT_EQ(window_->controls().volumeList->topLevelItemCount(), 1);
}

TEST_F(LanguageLab, ACompletedWaitRefreshesTheListsSearchesAgainAndClearsTheSelection)
{
    const std::string codepages = emptyCodepageFolder();
    ModalScript script({PickAndOk(2)}); // Western European
    ASSERT_TRUE(ClickDeviceRow(window_->controls().deviceList, QStringLiteral("AllLanguages")));
    // A letter taken meanwhile must be gone from the choice after the refresh.
    QComboBox* letters = window_->controls().driveLetters;
    ASSERT_NE(letters->findText(QStringLiteral("Z:")), -1);
    rig_->drives.mapDrive("Z:", "\\\\elsewhere\\share");
    RunLanguage("AllLanguages");

    EXPECT_EQ(script.answered(), 1);
    EXPECT_TRUE(rig_->messages.empty());
    for (const char* name : {"codepage.850", "nls_cp850.o", "unicode_map.850"})
        EXPECT_TRUE(std::filesystem::exists(codepages + "/" + name)) << name;
    lab::DeviceState state;
    ASSERT_TRUE(lab_->deviceState("AllLanguages", &state));
    EXPECT_EQ(state.codepage, "850");

    EXPECT_EQ(rig_->installState.SetupOutcome, 0);
    EXPECT_GT(searches(), 0) << "searched again";
    const MainControls& c = window_->controls();
    EXPECT_EQ(c.deviceList->topLevelItemCount(), 9);
    EXPECT_TRUE(c.deviceList->selectedItems().isEmpty());
    EXPECT_EQ(c.volumeList->topLevelItemCount(), 0);
    EXPECT_NE(letters->findText(QStringLiteral("Z: \\\\elsewhere\\share")), -1) << "drive letters read again";
    EXPECT_EQ(window_->context().DeviceSelected, 0);
}
