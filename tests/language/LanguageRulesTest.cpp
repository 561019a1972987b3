// SPDX-License-Identifier: GPL-3.0-or-later
// The language flow's decisions without a window: how often the device is asked and how
// long the flow pauses, which language is preselected, which the firmware refuses, and
// what each disk and language state leads to.

#include "language/LanguageRules.h"
#include "flows/OneDevice.h"
#include "install/InstallTables.h"
#include "resources/LanguageTemplate.h"

#include <gtest/gtest.h>

#include <optional>

using namespace telvorin;
using namespace telvorin::language;
using namespace telvorin::test;

namespace {

// One device that answers item values as given; nullopt leaves the device silent after
// the search.
using Values = std::map<std::uint8_t, std::optional<std::string>>;

FakeDevice Answering(const Values& values)
{
    FakeDevice d;
    for (const auto& [item, value] : values) {
        if (value)
            d.values[item] = *value;
    }
    return d;
}

struct OneDevice : SelectedDevice {
    FakeClock pauses; // the flow's own pauses, apart from the protocol's waiting

    explicit OneDevice(const Values& values)
        : SelectedDevice(Answering(values))
    {
        for (const auto& [item, value] : values) {
            if (!value)
                device().silent = true;
        }
    }
};

} // namespace

TEST(LanguageQueries, AskUntilAnAnswerCountsWithAPauseAfterEveryQuestion)
{
    struct Row {
        const char* name;
        std::uint8_t item;
        std::optional<std::string> value;
        int expected; // ideState read, or the list index chosen
        int questions;
    };
    const Row rows[] = {
        {"state 3 at once", ItemIdeState, "3", 3, 1},
        {"state 5 at once", ItemIdeState, "5", 5, 1},
        {"state 1 at once", ItemIdeState, "1", 1, 1},
        {"state 0 asked ten times", ItemIdeState, "0", 0, 10},
        {"state 6 asked ten times", ItemIdeState, "6", 6, 10},
        {"silent device reads 0", ItemIdeState, std::nullopt, 0, 10},
        {"codepage 857 is Turkish", ItemCodepageGet, "857", 5, 1},
        {"codepage 950 is Traditional Chinese", ItemCodepageGet, "950", 0, 1},
        {"codepage 437 asked ten times", ItemCodepageGet, "437", DefaultLanguageIndex, 10},
        {"silent codepage", ItemCodepageGet, std::nullopt, DefaultLanguageIndex, 10},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        OneDevice d({{row.item, row.value}});
        const int got = row.item == ItemIdeState ? AskIdeState(d.protocol, d.pauses)
                                                 : AskLanguageIndex(d.protocol, d.pauses);
        EXPECT_EQ(got, row.expected);
        EXPECT_EQ(d.asked(row.item), row.questions);
        EXPECT_EQ(d.pauses.sleeps, row.questions);
        EXPECT_EQ(d.pauses.nowMs(), row.questions * QueryPauseMs);
    }
}

TEST(LanguageRules, PreselectionReadsTheCodepageAsANumber)
{
    for (int i = 0; i < install::CodepageCount; ++i)
        EXPECT_EQ(PreselectionFor(install::Codepages()[static_cast<std::size_t>(i)].codepage), i) << i;
    const std::pair<const char*, int> rows[] = {
        {"857 ", 5}, {"0857", 5}, {"865abc", 3}, {"", 2}, {"abc", 2}, {"-950", 2}, {"1250", 2}, {"0", 2},
    };
    for (const auto& [text, index] : rows)
        EXPECT_EQ(PreselectionFor(text), index) << '"' << text << '"';
}

TEST(LanguageRules, OnlyNorthernCentralAndTurkishNeedTheExtendedFirmware)
{
    for (int index = -1; index < install::CodepageCount; ++index) {
        const bool extended = index >= 3 && index <= 5;
        EXPECT_EQ(SelectionRefused(0, index), extended) << index;
        EXPECT_FALSE(SelectionRefused(1, index)) << index;
    }
}

TEST(LanguageRules, EachStateOpensItsWay)
{
    const std::pair<int, OpeningDecision> rows[] = {
        {0, {Opening::NotSupported, 0}}, {1, {Opening::NoHardDrives, 0}},  {2, {Opening::Unformatted, 0}},
        {3, {Opening::Choose, 0}},       {4, {Opening::Unicode, 0}},       {5, {Opening::Choose, 1}},
        {6, {Opening::NotSupported, 0}}, {-3, {Opening::NotSupported, 0}},
    };
    for (const auto& [state, want] : rows) {
        const OpeningDecision got = DecideOpening(state);
        EXPECT_EQ(got.opening, want.opening) << state;
        EXPECT_EQ(got.extendedCodepages, want.extendedCodepages) << state;
    }
}

TEST(LanguageTemplate, ListsTheLanguagesInTheInstallsOrder)
{
    for (int i = 0; i < install::CodepageCount; ++i)
        EXPECT_STREQ(LanguageListItems[i], install::Codepages()[static_cast<std::size_t>(i)].listText) << i;
}
