// SPDX-License-Identifier: GPL-3.0-or-later
// Where device files are found, and how share paths become SMB URLs.

#include "platform/DeviceFiles.h"
#include "platform/SmbShareWriter.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

using namespace telvorin;
namespace fs = std::filesystem;

namespace {

struct TempTree {
    fs::path root = fs::temp_directory_path() / ("telvorin-devfiles-" + std::to_string(::getpid()));
    TempTree() { fs::create_directories(root); }
    ~TempTree() { fs::remove_all(root); }

    void put(const std::string& relative, std::size_t size)
    {
        fs::create_directories((root / relative).parent_path());
        std::ofstream(root / relative, std::ios::binary) << std::string(size, 'x');
    }
};

// Sets an environment variable for one scope.
struct Env {
    std::string name;
    std::string old;
    bool had;
    Env(const char* n, const char* value)
        : name(n)
        , had(std::getenv(n) != nullptr)
    {
        if (had)
            old = std::getenv(n);
        if (value)
            ::setenv(n, value, 1);
        else
            ::unsetenv(n);
    }
    ~Env()
    {
        if (had)
            ::setenv(name.c_str(), old.c_str(), 1);
        else
            ::unsetenv(name.c_str());
    }
};

} // namespace

TEST(DeviceFiles, FoldersComeFromTheXdgVariablesInOrder)
{
    struct Row {
        const char* home;
        const char* dataHome;
        const char* dataDirs;
        std::vector<std::string> dirs;
    };
    const Row rows[] = {
        {"/home/u",
         nullptr,
         nullptr,
         {"/home/u/.local/share/telvorin/payload", "/usr/local/share/telvorin/payload",
          "/usr/share/telvorin/payload"}},
        {"/home/u",
         "/data",
         "/a:/b",
         {"/data/telvorin/payload", "/a/telvorin/payload", "/b/telvorin/payload"}},
        // Relative entries do not count; empty ones are skipped.
        {"/home/u", "rel", "::/b:rel", {"/home/u/.local/share/telvorin/payload", "/b/telvorin/payload"}},
    };
    for (const Row& row : rows) {
        Env home("HOME", row.home);
        Env dataHome("XDG_DATA_HOME", row.dataHome);
        Env dataDirs("XDG_DATA_DIRS", row.dataDirs);
        EXPECT_EQ(DeviceFileDirs(), row.dirs) << (row.dataDirs ? row.dataDirs : "(unset)");
    }
}

TEST(DeviceFiles, TheFirstFolderHoldingTheFileServesItWhateverTheTypeCase)
{
    TempTree t;
    t.put("home/codepage/151", 8);   // user's own, type in lower case
    t.put("system/CODEPAGE/151", 9); // shadowed
    t.put("system/CODEPAGE/143", 132);
    t.put("system/Bt/215", 3);
    fs::create_directories(t.root / "home/CODEPAGE/156"); // a folder is no file
    XdgDeviceFiles files({(t.root / "home").string(), (t.root / "system").string()});

    EXPECT_EQ(files.size("Codepage", 151), 8u);
    EXPECT_EQ(files.size("CODEPAGE", 143), 132u);
    EXPECT_EQ(files.size("BT", 215), 3u);
    EXPECT_FALSE(files.size("CODEPAGE", 156));
    EXPECT_FALSE(files.size("BT", 220));
    std::vector<std::uint8_t> bytes;
    ASSERT_TRUE(files.read("codepage", 151, &bytes));
    EXPECT_EQ(bytes.size(), 8u);
    EXPECT_FALSE(files.read("BT", 220, &bytes));
    EXPECT_EQ(files.home(), (t.root / "home").string());
}

TEST(ShareUrls, EveryPartIsOneEncodedComponent)
{
    EXPECT_EQ(SmbShareWriter::url(SharePath{"10.64.0.10", "HDD_1", {"Nas_Prog", "BT", "bt"}}),
              "smb://10.64.0.10/HDD_1/Nas_Prog/BT/bt");
    const std::string url = SmbShareWriter::url(SharePath{"10.64.0.10", "HDD a", {"50%", "x#y"}});
    EXPECT_EQ(url.find(' '), std::string::npos) << url;
    EXPECT_EQ(url.find('#'), std::string::npos) << url;
    EXPECT_NE(url.find("50%25"), std::string::npos) << url;

    const auto p = ParseNetworkPath("\\\\10.64.0.10\\HDD_a\\Nas_Prog/BT\\bt");
    ASSERT_TRUE(p);
    EXPECT_EQ(p->components, (std::vector<std::string>{"Nas_Prog", "BT", "bt"}));
    for (const char* bad :
         {"\\\\h", "\\\\h\\s\\..\\x", "\\\\h\\s\\.\\x", "\\\\h\\s\\\\x", "\\h\\s\\x", "//h/s/x"})
        EXPECT_FALSE(ParseNetworkPath(bad)) << bad;
}
