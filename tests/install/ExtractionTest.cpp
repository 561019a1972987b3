// SPDX-License-Identifier: GPL-3.0-or-later
// One device file onto the share: written in place or staged, never losing the file
// that stood at the name, never turning a missing device file into an empty one.

#include "install/Extraction.h"
#include "install/MemoryShare.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>

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
