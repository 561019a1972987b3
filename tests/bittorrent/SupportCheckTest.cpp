// The package support check without a window: which answers accept the device, how often
// it is asked and how long the check pauses.

#include "bittorrent/SupportCheck.h"
#include "protocol/FakeNetwork.h"
#include "protocol/Protocol.h"

#include <gtest/gtest.h>

#include <optional>

using namespace telvorin;
using namespace telvorin::bittorrent;
using namespace telvorin::test;

namespace {

struct OneDevice {
    FakeClock clock;
    FakeNetwork net{clock};
    Protocol protocol{net, clock, nullptr};
    FakeClock pauses;

    // nullopt ideState: the device falls silent after the search.
    OneDevice(std::optional<std::string> ideState, const std::string& btFirmware)
    {
        net.addInterface("veth0", "10.64.0.1");
        FakeDevice d;
        d.name = "NAS";
        d.address = {10, 64, 0, 10};
        d.values[ItemIdeState] = ideState.value_or("");
        d.values[ItemBtFirmware] = btFirmware;
        net.addDevice(d);
        protocol.OpenTransport();
        protocol.SearchDevices(3, 3);
        protocol.state.currentDeviceIp = "10.64.0.10";
        net.device(0).silent = !ideState;
        net.device(0).requests.clear();
    }
    ~OneDevice() { protocol.CloseTransport(); }

    int asked(std::uint8_t item)
    {
        int n = 0;
        for (const Bytes& r : net.device(0).requests)
            n += r.size() > 21 && r[0] == 3 && r[21] == item ? 1 : 0;
        return n;
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
