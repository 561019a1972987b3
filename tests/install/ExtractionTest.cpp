// SPDX-License-Identifier: GPL-3.0-or-later
// One device file onto the share: written in place or staged, never losing the file
// that stood at the name, never turning a missing device file into an empty one.

#include "install/Extraction.h"
#include "install/MemoryShare.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <vector>

using namespace telvorin;
using namespace telvorin::install;
using telvorin::test::Bytes;
using telvorin::test::MemoryDeviceFiles;
using telvorin::test::MemoryShare;

namespace {

const std::string Target = "\\\\10.64.0.10\\HDD_a\\.codepages\\codepage.850";
const std::string BtFinal = "\\\\10.64.0.10\\HDD_1\\Nas_Prog/BT\\bt";
const std::string BtOnShare = "\\\\10.64.0.10\\HDD_1\\Nas_Prog\\BT\\bt";

struct Fixture {
    MemoryShare share;
    MemoryDeviceFiles files = MemoryDeviceFiles::complete();
    InstallState state;
    LocalStaging staging;
    Extractor extractor{share, files, state, staging};

    // Files on the share apart from the given ones (temporary leftovers show here).
    std::size_t others(std::initializer_list<std::string> known) const
    {
        std::size_t n = share.files.size();
        for (const std::string& k : known)
            n -= share.files.count(k);
        return n;
    }
};

} // namespace

TEST(Extraction, NetworkTargetIsWrittenUnderATemporaryNameThenPutInPlace)
{
    Fixture f;
    f.state.ExtractFailed = 1;
    ASSERT_TRUE(f.extractor.ExtractEmbeddedFile("Codepage", 143, Target, ""));
    EXPECT_EQ(f.state.ExtractFailed, 0);
    EXPECT_EQ(f.share.files.at(Target), Bytes(132, 143));
    EXPECT_EQ(f.others({Target}), 0u) << "no temporary file left";
    ASSERT_GE(f.share.log.size(), 3u);
    EXPECT_EQ(f.share.log[0], "connect \\\\10.64.0.10\\HDD_a");
    EXPECT_EQ(f.share.log[1].rfind("create \\\\10.64.0.10\\HDD_a\\.codepages\\.codepage.850.", 0), 0u)
        << f.share.log[1];
    EXPECT_EQ(f.share.log[2].substr(f.share.log[2].find(" -> ")), " -> " + Target);
}

TEST(Extraction, StagedTargetEndsOnTheShareAndLeavesNoLocalFile)
{
    Fixture f;
    ASSERT_TRUE(f.staging.create());
    EXPECT_EQ(std::filesystem::status(f.staging.dir()).permissions() & std::filesystem::perms::all,
              std::filesystem::perms::owner_all);
    ASSERT_TRUE(f.extractor.ExtractEmbeddedFile("BT", 215, f.staging.pathOf("bt"), BtFinal));
    EXPECT_EQ(f.share.files.at(BtOnShare).size(), 6940408u);
    EXPECT_TRUE(std::filesystem::is_empty(f.staging.dir()));

    // The copy failing still removes the staged file.
    f.share.failReplace = true;
    EXPECT_FALSE(f.extractor.ExtractEmbeddedFile("BT", 220, f.staging.pathOf("btdog"), BtFinal + "dog"));
    EXPECT_EQ(f.state.ExtractFailed, 1);
    EXPECT_TRUE(std::filesystem::is_empty(f.staging.dir()));
    const std::string dir = f.staging.dir();
    f.staging.removeIfEmpty();
    EXPECT_FALSE(std::filesystem::exists(dir));
}

TEST(Extraction, AFailedWriteKeepsTheOldFileAndLeavesNoTemporaryFile)
{
    struct Row {
        const char* name;
        bool failCreate;
        bool failReplace;
        bool folderAtName;
        bool unreachable;
    };
    const Row rows[] = {
        {"write cut short", true, false, false, false},
        {"rename refused", false, true, false, false},
        {"share unreachable", false, false, false, true},
    };
    for (const Row& row : rows) {
        Fixture f;
        f.share.files[Target] = Bytes{'o', 'l', 'd'};
        f.share.failCreateNumber = row.failCreate ? 1 : 0;
        f.share.failReplace = row.failReplace;
        f.share.unreachable = row.unreachable;
        EXPECT_FALSE(f.extractor.ExtractEmbeddedFile("CODEPAGE", 143, Target, "")) << row.name;
        EXPECT_EQ(f.state.ExtractFailed, 1) << row.name;
        EXPECT_EQ(f.share.files.at(Target), (Bytes{'o', 'l', 'd'})) << row.name;
        EXPECT_EQ(f.others({Target}), 0u) << row.name;
        EXPECT_FALSE(f.extractor.lastError().empty()) << row.name;
    }

    // A host that is gone is asked once, not six times.
    {
        Fixture f;
        f.share.unreachable = true;
        EXPECT_FALSE(f.extractor.ExtractEmbeddedFile("CODEPAGE", 143, Target, ""));
        EXPECT_EQ(std::count(f.share.log.begin(), f.share.log.end(), "connect \\\\10.64.0.10\\HDD_a"), 1);
    }

    // A folder at the name is no success either.
    Fixture f;
    f.share.folders.insert(Target);
    EXPECT_FALSE(f.extractor.ExtractEmbeddedFile("CODEPAGE", 143, Target, ""));
    EXPECT_EQ(f.others({}), 0u);
}

TEST(Extraction, AnExistingFileIsReplaced)
{
    Fixture f;
    f.share.files[Target] = Bytes(500, 'x');
    ASSERT_TRUE(f.extractor.ExtractEmbeddedFile("CODEPAGE", 143, Target, ""));
    EXPECT_EQ(f.share.files.at(Target), Bytes(132, 143));
}

TEST(Extraction, MissingOrWrongSizedDeviceFileWritesNothing)
{
    struct Row {
        const char* name;
        bool remove;
        std::size_t size;
    };
    const Row rows[] = {{"missing", true, 0}, {"short", false, 131}, {"empty", false, 0}};
    for (const Row& row : rows) {
        Fixture f;
        if (row.remove)
            f.files.files.erase("CODEPAGE/143");
        else
            f.files.files["CODEPAGE/143"].resize(row.size);
        EXPECT_FALSE(f.extractor.ExtractEmbeddedFile("Codepage", 143, Target, "")) << row.name;
        EXPECT_EQ(f.state.ExtractFailed, 1) << row.name;
        EXPECT_TRUE(f.share.files.empty()) << row.name;
        EXPECT_NE(f.extractor.lastError().find("CODEPAGE/143"), std::string::npos) << f.extractor.lastError();
    }
}

TEST(Extraction, PathsThatLeaveTheirFolderAreRefused)
{
    for (const char* bad : {"\\\\10.64.0.10\\HDD_a\\..\\x", "\\\\10.64.0.10\\HDD_a\\\\x", "C:\\bt\\bt",
                            "\\\\10.64.0.10\\HDD_a"}) {
        Fixture f;
        EXPECT_FALSE(f.extractor.ExtractEmbeddedFile("CODEPAGE", 143, bad, "")) << bad;
        EXPECT_TRUE(f.share.files.empty()) << bad;
    }
    // A local path outside our staging folder is not a staging path.
    Fixture f;
    ASSERT_TRUE(f.staging.create());
    EXPECT_FALSE(f.extractor.ExtractEmbeddedFile("BT", 220, "/tmp/btdog", BtFinal));
    EXPECT_FALSE(f.extractor.ExtractEmbeddedFile("BT", 220, f.staging.pathOf("../btdog"), BtFinal));
    EXPECT_TRUE(f.share.files.empty());
}

TEST(Extraction, StagingFolderIsPrivateAndFallsBackWhenTheRuntimeFolderIsNotWritable)
{
    const char* old = std::getenv("XDG_RUNTIME_DIR");
    const std::string saved = old ? old : "";
    ::setenv("XDG_RUNTIME_DIR", "/proc", 1);
    LocalStaging staging;
    const bool made = staging.create();
    if (old)
        ::setenv("XDG_RUNTIME_DIR", saved.c_str(), 1);
    else
        ::unsetenv("XDG_RUNTIME_DIR");
    ASSERT_TRUE(made);
    EXPECT_NE(staging.dir().rfind("/proc", 0), 0u) << staging.dir();
    EXPECT_EQ(std::filesystem::status(staging.dir()).permissions() & std::filesystem::perms::all,
              std::filesystem::perms::owner_all);
}

TEST(Extraction, AFailureAtEachReplaceStepLeavesAWholeFileThatTheNextInstallRestores)
{
    // Replace 1 sets the old file aside, 2 moves the new one in, 3 moves the old one back;
    // remove 1 removes the old one once the new one is in place.
    struct Row {
        const char* name;
        std::set<int> failReplaces;
        std::set<int> failRemoves;
        const char* atFinal; // "old", "new" or "" for nothing
        bool asideHoldsOld;
    };
    const Row rows[] = {
        {"setting aside refused", {1}, {}, "old", false},
        {"moving in refused, old one moved back", {2}, {}, "old", false},
        {"moving in and moving back refused", {2, 3}, {}, "", true},
        {"removing the old one refused", {}, {1}, "new", true},
    };
    const Bytes old{'o', 'l', 'd'};
    const Bytes fresh(132, 143);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Fixture f;
        f.share.files[Target] = old;
        f.share.failReplaces = row.failReplaces;
        f.share.failRemoves = row.failRemoves;
        EXPECT_EQ(f.extractor.ExtractEmbeddedFile("CODEPAGE", 143, Target, ""),
                  row.atFinal == std::string("new"));
        const std::string atFinal = !f.share.files.count(Target)        ? ""
                                    : f.share.files.at(Target) == old   ? "old"
                                    : f.share.files.at(Target) == fresh ? "new"
                                                                        : "torn";
        EXPECT_EQ(atFinal, row.atFinal);
        ASSERT_EQ(f.others({Target}), row.asideHoldsOld ? 1u : 0u) << "no temporary file left";
        if (!row.asideHoldsOld)
            continue;
        const std::vector<std::string> names = f.share.names();
        const std::string aside = names[names[0] == Target ? 1 : 0];
        EXPECT_NE(aside.find(".codepage.850.telvorin-old-"), std::string::npos) << aside;
        EXPECT_EQ(f.share.files.at(aside), old);

        // The next install, even one whose write fails, first puts a set-aside file back
        // where the name is missing; one set aside long ago next to its final name goes.
        f.share.failReplaces.clear();
        f.share.failRemoves.clear();
        f.share.failCreateNumber = atFinal.empty() ? 2 : 0;
        f.share.now = StaleAfterSeconds + 1;
        Extractor next{f.share, f.files, f.state, f.staging};
        EXPECT_EQ(next.ExtractEmbeddedFile("CODEPAGE", 143, Target, ""), !atFinal.empty());
        EXPECT_EQ(f.share.files.at(Target), atFinal.empty() ? old : fresh);
        EXPECT_EQ(f.share.names(), std::vector<std::string>{Target});
    }
}

TEST(Extraction, StaleFilesOfOursGoAndFreshOrForeignOnesStay)
{
    const std::string dir = "\\\\10.64.0.10\\HDD_a\\.codepages\\";
    const std::int64_t now = 100000;
    struct Planted {
        std::string path;
        std::int64_t age;
        bool stays;
    };
    const Planted planted[] = {
        {dir + ".unicode_map.850.telvorin-123-4", StaleAfterSeconds + 1, false},
        {dir + ".unicode_map.850.telvorin-77-2", StaleAfterSeconds - 30, true}, // being written
        {dir + "unicode_map.850.telvorin-1-1", 5 * StaleAfterSeconds, true},    // not our pattern
        {dir + ".notes.telvorin-x-1", 5 * StaleAfterSeconds, true},
        {"\\\\10.64.0.10\\HDD_a\\Nas_Prog\\.bt.telvorin-1-1", 5 * StaleAfterSeconds, true}, // another folder
    };
    Fixture f;
    f.share.now = now;
    for (const Planted& p : planted) {
        f.share.files[p.path] = Bytes{1};
        f.share.modified[p.path] = now - p.age;
    }
    ASSERT_TRUE(f.extractor.ExtractEmbeddedFile("CODEPAGE", 143, Target, ""));
    for (const Planted& p : planted)
        EXPECT_EQ(f.share.files.count(p.path), p.stays ? 1u : 0u) << p.path;
}
