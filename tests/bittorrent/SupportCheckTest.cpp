// SPDX-License-Identifier: GPL-3.0-or-later
// The package support check without a window: which answers accept the device, how often
// it is asked and how long the check pauses.

#include "bittorrent/SupportCheck.h"
#include "flows/OneDevice.h"

#include <gtest/gtest.h>

#include <optional>

using namespace telvorin;
using namespace telvorin::bittorrent;
using namespace telvorin::test;

namespace {

FakeDevice Answering(const std::optional<std::string>& ideState, const std::string& btFirmware)
{
    FakeDevice d;
    d.values[ItemIdeState] = ideState.value_or("");
    d.values[ItemBtFirmware] = btFirmware;
    return d;
}

struct OneDevice : SelectedDevice {
    FakeClock pauses;

    // nullopt ideState: the device falls silent after the search.
    OneDevice(const std::optional<std::string>& ideState, const std::string& btFirmware)
        : SelectedDevice(Answering(ideState, btFirmware))
    {
        device().silent = !ideState;
    }
};

} // namespace

TEST(SupportCheck, AnswersDecideAndSetTheQuestionsAndPauses)
{
    struct Row {
        const char* name;
        std::optional<std::string> ideState;
        std::string btFirmware;
        Support support;
        const char* ideStateAfter;
        int ideQuestions;
        int firmwareQuestions;
        std::int64_t pausedMs;
    };
    const Row rows[] = {
        // A yes is asked once more: only a clear no ends the asking after the first question.
        {"usable disk, firmware yes", "3", "1", Support::Supported, "3", 1, 2, 2000 + 1000 + 2000},
        {"unicode disk counts as usable", "4", "1", Support::Supported, "3", 1, 2, 5000},
        {"extended disk counts as usable", "5", "1", Support::Supported, "3", 1, 2, 5000},
        {"firmware no is asked once", "5", "2", Support::NotSupported, "3", 1, 1, 2000 + 1000},
        {"firmware unknown is asked sixteen times", "3", "0", Support::NotSupported, "3", 1, 16,
         2000 + 1000 + 15 * 2000},
        {"no disk", "1", "1", Support::NoHardDrives, "1", 1, 2, 5000},
        {"unformatted disk", "2", "1", Support::Unformatted, "2", 1, 2, 5000},
        {"unknown disk state", "7", "1", Support::NotSupported, "7", 15, 2, 15 * 2000 + 3000},
        {"silent device, over a minute", std::nullopt, "", Support::NotSupported, "", 15, 16,
         15 * 2000 + 1000 + 15 * 2000},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        OneDevice d(row.ideState, row.btFirmware);
        const SupportAnswers answers = AskSupport(d.protocol, d.pauses);
        EXPECT_EQ(DecideSupport(answers), row.support);
        EXPECT_EQ(d.protocol.state.ideState.view(), row.ideStateAfter);
        EXPECT_EQ(d.asked(ItemIdeState), row.ideQuestions);
        EXPECT_EQ(d.asked(ItemBtFirmware), row.firmwareQuestions);
        EXPECT_EQ(d.pauses.nowMs(), row.pausedMs);
    }
}

TEST(SupportCheck, AFirmwareNoWithoutAReplyIsAskedAgain)
{
    // A "2" left over from an earlier check is cleared before the question; a silent
    // device has given no clear no.
    OneDevice d(std::nullopt, "2");
    d.protocol.state.btFirmware = "2";
    const SupportAnswers answers = AskSupport(d.protocol, d.pauses);
    EXPECT_EQ(answers.btFirmware, 0);
    EXPECT_EQ(d.asked(ItemBtFirmware), 16);
}
