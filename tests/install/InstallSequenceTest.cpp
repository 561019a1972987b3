// SPDX-License-Identifier: GPL-3.0-or-later
// The install sequence over the in-memory network and share: which requests go to the
// device, which files land where and in which order, and how each failure ends.

#include "install/InstallSequence.h"
#include "install/InstallParts.h"
#include "install/MemoryShare.h"
#include "protocol/RequestBytes.h"

#include <gtest/gtest.h>

#include <atomic>

using namespace telvorin;
using namespace telvorin::install;
using namespace telvorin::test;

namespace {

constexpr std::uint8_t GetShareNameItem = 12;

using Request = HeardRequest;

FakeDevice Answering(const char* shareName, bool answersShareName)
{
    FakeDevice d;
    if (answersShareName)
        d.values[GetShareNameItem] = shareName;
    return d;
}

struct Fixture : InstallParts {
    InstallContext context{protocol, share, files, state, staging, clock};

    explicit Fixture(const char* shareName, bool answersShareName = true)
        : InstallParts(Answering(shareName, answersShareName))
    {
    }

    InstallReport run(InstallMode mode) { return RunInstall(context, mode, "10.64.0.10"); }

    std::vector<Request> requests() { return Heard(net.device(0).requests); }

    // File names created on the share in order (temporary names read back to the final).
    std::vector<std::string> written() const
    {
        std::vector<std::string> out;
        for (const std::string& line : share.log) {
            const auto arrow = line.find(" -> ");
            if (line.rfind("replace ", 0) == 0 && arrow != std::string::npos)
                out.push_back(line.substr(arrow + 4));
        }
        return out;
    }
};

std::vector<std::string> Paths(const std::string& dir, std::initializer_list<const char*> names)
{
    std::vector<std::string> out;
    for (const char* n : names)
        out.push_back("\\\\10.64.0.10\\" + dir + "\\" + n);
    return out;
}

} // namespace

TEST(InstallSequence, EachLanguageWritesItsFilesInOrderThenAnnouncesItsCodepage)
{
    struct Row {
        int index;
        const char* shareName;
        std::vector<std::string> files;
        const char* codepage;
    };
    const std::string a = "HDD_a\\.codepages";
    const std::string one = "HDD_1\\.systemfile\\.codepages";
    const Row rows[] = {
        {0, "HDD_a", Paths(a, {"codepage.950", "nls_cp950.o", "nls_big5.o", "unicode_map.950"}), "950"},
        {1, "HDD_a", Paths(a, {"codepage.936", "nls_cp936.o", "nls_gb2312.o", "unicode_map.936"}), "936"},
        {2, "HDD_a", Paths(a, {"codepage.850", "nls_cp850.o", "unicode_map.850"}), "850"},
        {6, "hdd_A", Paths(a, {"codepage.949", "nls_cp949.o", "nls_euc-kr.o", "unicode_map.949"}), "949"},
        {7, "HDD_a",
         Paths(a, {"codepage.866", "nls_cp866.o", "nls_koi8-r.o", "unicode_map.866", "unicode_map.KOI8-R"}),
         "866"},
        {8, "HDD_a",
         Paths(a, {"codepage.932", "nls_cp932.o", "nls_euc-jp.o", "nls_sjis.o", "unicode_map.932"}), "932"},
        {0, "HDD_1", Paths(one, {"codepage.950", "nls_cp950.ko", "nls_cp950_12.ko", "unicode_map.950"}),
         "950"},
        {1, "HDD_1", Paths(one, {"codepage.936", "nls_cp936.ko", "nls_cp936_12.ko", "unicode_map.936"}),
         "936"},
        {2, "HDD_1", Paths(one, {"codepage.850", "nls_cp850.ko", "nls_cp850_12.ko", "unicode_map.850"}),
         "850"},
        {6, "HDD_1", Paths(one, {"codepage.949", "nls_cp949.ko", "nls_cp949_12.ko", "unicode_map.949"}),
         "949"},
        {7, "HDD_1",
         Paths(one, {"codepage.866", "nls_cp866.ko", "nls_koi8-r.ko", "nls_cp866_12.ko", "nls_koi8-r_12.ko",
                     "unicode_map.866", "unicode_map.KOI8-R"}),
         "866"},
        {8, "HDD_1",
         Paths(one, {"codepage.932", "nls_cp932.ko", "nls_euc-jp.ko", "nls_cp932_12.ko", "nls_euc-jp_12.ko",
                     "unicode_map.932"}),
         "932"},
        // The share as the device spelled it.
        {2, "hdd_1",
         Paths("hdd_1\\.systemfile\\.codepages",
               {"codepage.850", "nls_cp850.ko", "nls_cp850_12.ko", "unicode_map.850"}),
         "850"},
        // Never named: the HDD_a layout.
        {2, "", Paths(a, {"codepage.850", "nls_cp850.o", "unicode_map.850"}), "850"},
        {3, "HDD_1", {}, "865"},
        {4, "HDD_a", {}, "852"},
        {5, "", {}, "857"},
    };
    for (const Row& row : rows) {
        const std::string name = std::to_string(row.index) + " on \"" + row.shareName + "\"";
        Fixture f(row.shareName);
        f.state.CodepageIndex = row.index;
        f.state.ExtractFailed = 1; // from an earlier install: a run starts afresh
        const InstallReport report = f.run(InstallMode::Codepage);
        EXPECT_EQ(report.outcome, InstallOutcome::Installed) << name << ": " << report.detail;
        EXPECT_TRUE(report.message.empty()) << name;
        EXPECT_EQ(f.state.ExtractFailed, 0) << name;
        EXPECT_EQ(f.written(), row.files) << name;
        for (std::size_t i = 0; i < row.files.size(); ++i) {
            const auto& info = f.share.files.at(row.files[i]);
            EXPECT_FALSE(info.empty()) << name << " " << row.files[i];
        }

        const std::vector<Request> rs = f.requests();
        ASSERT_GE(rs.size(), 3u) << name;
        EXPECT_EQ(rs.front().item, 10) << name << ": write mode first";
        EXPECT_EQ(rs.front().value, "rw") << name;
        const bool known = std::string(row.shareName).size() == 5;
        EXPECT_EQ(CountOf(rs, 3, GetShareNameItem), known ? 1 : ShareNameAttempts) << name;
        EXPECT_EQ(rs.back().item, 8) << name << ": codepage last";
        EXPECT_EQ(rs.back().value, row.codepage) << name;
        EXPECT_EQ(CountOf(rs, 5, 13), 0) << name << ": no stop";
    }
}

TEST(InstallSequence, PackageGoesUnderTheFixedShareNameAndIsAnnounced)
{
    struct Row {
        const char* shareName;
        const char* dir;   // on the share
        const char* built; // in the paths as built, with the folder's forward slash
    };
    const Row rows[] = {{"HDD_a", "HDD_a\\Nas_Prog\\BT", "HDD_a\\Nas_Prog/BT"},
                        {"hdd_1", "HDD_1\\Nas_Prog\\BT", "HDD_1\\Nas_Prog/BT"},
                        {"", "HDD_a\\Nas_Prog\\BT", "HDD_a\\Nas_Prog/BT"}};
    for (const Row& row : rows) {
        Fixture f(row.shareName);
        f.state.BtInstallMode = 1;
        ASSERT_EQ(ModeFor(f.state), InstallMode::Package);
        std::vector<std::string> seen;
        const InstallReport report = RunInstall(f.context, InstallMode::Package, "10.64.0.10",
                                                [&](const WrittenFile& w) { seen.push_back(w.path); });
        EXPECT_EQ(report.outcome, InstallOutcome::Installed) << row.shareName << ": " << report.detail;
        EXPECT_EQ(f.state.BtInstallMode, 0);
        EXPECT_EQ(f.state.BtInstalled, 1);
        EXPECT_EQ(f.written(), Paths(row.dir, {"bt", "btdog"})) << row.shareName;
        EXPECT_EQ(f.share.files.at(Paths(row.dir, {"bt"})[0]).size(), 6940408u);
        EXPECT_EQ(seen, Paths(row.built, {"bt", "btdog"}));
        EXPECT_TRUE(f.staging.exists());
        const std::vector<Request> rs = f.requests();
        EXPECT_EQ(rs.back().item, 14);
        EXPECT_EQ(rs.back().value, "BT");
    }
}

TEST(InstallSequence, AFailedFileStopsTheRunAndTheDevice)
{
    Fixture f("HDD_1");
    f.state.CodepageIndex = 7;
    f.share.failCreateNumber = 3;
    const InstallReport report = f.run(InstallMode::Codepage);
    EXPECT_EQ(report.outcome, InstallOutcome::Failed);
    EXPECT_EQ(report.message, "Please check hard drives.");
    EXPECT_EQ(f.state.ExtractFailed, 1);
    const std::string dir = "HDD_1\\.systemfile\\.codepages";
    EXPECT_EQ(f.written(), Paths(dir, {"codepage.866", "nls_cp866.ko"}));
    EXPECT_EQ(f.share.files.size(), 2u) << "the first two stay, nothing else is left";
    const std::vector<Request> rs = f.requests();
    EXPECT_EQ(rs.back().item, 13);
    EXPECT_EQ(rs.back().value, "stop");
    EXPECT_EQ(CountOf(rs, 5, 8), 0) << "no codepage announced";

    // The package: bt fails, btdog is never tried, nothing is announced.
    Fixture p("HDD_a");
    p.share.failReplace = true;
    const InstallReport bt = p.run(InstallMode::Package);
    EXPECT_EQ(bt.outcome, InstallOutcome::Failed);
    EXPECT_EQ(p.state.BtInstalled, 0);
    EXPECT_TRUE(p.share.files.empty());
    EXPECT_EQ(CountOf(p.requests(), 5, 14), 0);
    EXPECT_EQ(p.requests().back().value, "stop");
}

TEST(InstallSequence, AnUnknownShareNameEndsInFailureWithoutWriting)
{
    Fixture f("HDD_b");
    f.state.CodepageIndex = 2;
    const InstallReport report = f.run(InstallMode::Codepage);
    EXPECT_EQ(report.outcome, InstallOutcome::Failed);
    EXPECT_EQ(report.message, "Please check hard drives.");
    EXPECT_EQ(f.state.ExtractFailed, 1) << "the language flow must not wait for a restart";
    EXPECT_TRUE(f.share.log.empty());
    const std::vector<Request> rs = f.requests();
    EXPECT_EQ(CountOf(rs, 3, GetShareNameItem), ShareNameAttempts);
    EXPECT_EQ(rs.back().value, "stop");
}

TEST(InstallSequence, MissingDeviceFilesStopTheRunBeforeAnythingIsSent)
{
    struct Row {
        InstallMode mode;
        int index;
        const char* removed; // the run needs it, though this device would not get it
        const char* shareName;
    };
    const Row rows[] = {
        {InstallMode::Codepage, 2, "CODEPAGE/187", "HDD_a"}, // a layout-2 module
        {InstallMode::Codepage, 8, "CODEPAGE/172", "HDD_1"}, // a layout-1 module
        {InstallMode::Package, 0, "BT/220", "HDD_a"},
    };
    for (const Row& row : rows) {
        Fixture f(row.shareName);
        f.files.files.erase(row.removed);
        f.state.CodepageIndex = row.index;
        f.state.BtInstallMode = row.mode == InstallMode::Package;
        f.state.BtInstalled = 1;
        const InstallReport report = f.run(row.mode);
        EXPECT_EQ(report.outcome, InstallOutcome::FilesMissing) << row.removed;
        EXPECT_NE(report.message.find(row.removed), std::string::npos) << report.message;
        EXPECT_NE(report.message.find(f.files.home()), std::string::npos) << report.message;
        EXPECT_TRUE(f.requests().empty()) << row.removed;
        EXPECT_TRUE(f.share.log.empty()) << row.removed;
        EXPECT_EQ(f.state.ExtractFailed, 1);
        EXPECT_EQ(f.state.BtInstalled, 0);
    }
    // Languages without files need none.
    EXPECT_EQ(CheckDeviceFiles(*std::make_unique<MemoryDeviceFiles>(), InstallMode::Codepage, 4), "");
}

TEST(InstallSequence, AFailedOrThrowingRunEndsWithStopRepeatedUntilAnsweredOrSaidUnconfirmed)
{
    struct Row {
        bool throws; // else a write fails
        bool answers;
    };
    for (const Row row : {Row{false, true}, Row{false, false}, Row{true, true}}) {
        SCOPED_TRACE(testing::Message() << "throws " << row.throws << ", answers " << row.answers);
        Fixture f("HDD_a");
        f.state.CodepageIndex = 2;
        f.share.failCreateNumber = row.throws ? 0 : 1;
        f.share.throwOnCreate = row.throws;
        if (!row.answers)
            f.device().unansweredSets.insert(13);
        const InstallReport report = f.run(InstallMode::Codepage);
        EXPECT_EQ(report.outcome, InstallOutcome::Failed);
        EXPECT_EQ(f.state.ExtractFailed, 1);
        EXPECT_EQ(CountOf(f.requests(), 5, 13), row.answers ? 1 : StopAttempts);
        EXPECT_EQ(f.requests().back().value, "stop");
        EXPECT_EQ(report.stop, row.answers ? StopAnswer::Confirmed : StopAnswer::Unconfirmed);
        EXPECT_EQ(report.message, std::string(CheckHardDrivesMessage) +
                                      (row.answers ? "" : std::string("\n") + StopUnconfirmedMessage));
        EXPECT_EQ(report.detail.find("unexpected error") != std::string::npos, row.throws) << report.detail;
    }
}

TEST(InstallSequence, AnUnansweredAnnouncementIsReportedButTheFlowGoesOnAsInstalled)
{
    struct Row {
        InstallMode mode;
        std::uint8_t item;
        const char* detail;
    };
    const Row rows[] = {{InstallMode::Codepage, 8, "the device did not confirm the codepage 850"},
                        {InstallMode::Package, 14, "the device did not confirm the package"}};
    for (const Row& row : rows) {
        Fixture f("HDD_a");
        f.state.CodepageIndex = 2;
        f.device().unansweredSets.insert(row.item);
        const InstallReport report = f.run(row.mode);
        EXPECT_EQ(report.outcome, InstallOutcome::Unconfirmed) << row.detail;
        EXPECT_EQ(report.detail, row.detail);
        EXPECT_TRUE(report.message.empty()) << "the window shows nothing";
        EXPECT_EQ(f.state.ExtractFailed, 0);
        EXPECT_EQ(f.state.BtInstalled, row.mode == InstallMode::Package ? 1 : 0);
        EXPECT_EQ(CountOf(f.requests(), 5, row.item), 1) << "announced once";
        EXPECT_EQ(CountOf(f.requests(), 5, 13), 0) << "no stop";
    }
}

TEST(InstallSequence, CancellingBetweenFilesStopsTheDeviceAndBeforeTheStartSendsNothing)
{
    // Within a write the share ends it (shown against the real share in the lab).
    for (const bool beforeStart : {false, true}) {
        Fixture f("HDD_a");
        std::atomic<int> cancel{beforeStart ? 2 : 0};
        f.context.cancel = &cancel;
        f.state.CodepageIndex = 2;
        const InstallReport report = RunInstall(f.context, InstallMode::Codepage, "10.64.0.10",
                                                [&](const WrittenFile&) { cancel = 2; });
        EXPECT_EQ(report.outcome, InstallOutcome::Cancelled) << beforeStart;
        EXPECT_EQ(f.state.ExtractFailed, 1);
        EXPECT_EQ(f.written().size(), beforeStart ? 0u : 1u) << "no file after the request";
        EXPECT_EQ(f.share.files.size(), f.written().size()) << "no temporary file";
        EXPECT_FALSE(f.share.cancelRequested()) << "the share forgets the run's flag";
        EXPECT_EQ(report.stop, beforeStart ? StopAnswer::NotSent : StopAnswer::Confirmed);
        const std::vector<Request> rs = f.requests();
        EXPECT_EQ(rs.empty() ? "nothing sent" : rs.back().value, beforeStart ? "nothing sent" : "stop");
        EXPECT_EQ(CountOf(rs, 5, 8), 0) << "nothing announced";
    }
}
