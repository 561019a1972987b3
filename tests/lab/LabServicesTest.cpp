// SPDX-License-Identifier: GPL-3.0-or-later
// The lab's promises to the other tests: each device's shares (guest-writable volumes,
// a share that needs its user), its web server only where configured, and its name
// resolvable from the pc namespace.

#include "LabTestUtil.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

using telvorin::lab::Lab;
using namespace labtest;
using LabServices = telvorin::lab::LabTest;

namespace {

std::string labConfig()
{
    return config({
        segment("multicast", {device("SHARES-A", "10.64.0.10",
                                     "\"volumes\": [\"HDD_a\"], \"smb\": true, \"http\": true, "
                                     "\"users\": [{\"user\": \"user1\", \"password\": \"secret1\"}], "
                                     "\"userShares\": [\"PRIVATE\"]"),
                              device("SHARES-B", "10.64.0.11", "\"volumes\": [\"HDD_1\"], \"smb\": true")}),
        segment("unicast", {device("WEB-C", "10.65.0.20", "\"http\": true")}),
    });
}

int smb(const std::string& service, const std::string& credentials, const std::string& commands)
{
    std::vector<std::string> argv{"/usr/bin/smbclient", service};
    if (credentials.empty())
        argv.push_back("-N");
    else
        argv.insert(argv.end(), {"-U", credentials});
    argv.insert(argv.end(), {"-c", commands});
    return Lab::runCommand(argv);
}

int httpGet(const std::string& url)
{
    return Lab::runCommand({"/usr/bin/python3", "-c",
                            "import sys, urllib.request; urllib.request.urlopen(sys.argv[1], timeout=3)",
                            url});
}

} // namespace

TEST_F(LabServices, SharesWebServersAndNamesAreWhereConfigured)
{
    ASSERT_TRUE(startLab(labConfig(), telvorin::lab::Entry::None));
    const std::string guestDir = lab().shareDir("SHARES-A", "HDD_a");
    ASSERT_FALSE(guestDir.empty());
    std::ofstream(guestDir + "/prefilled.txt") << "from the test";
    const std::string upload = lab().dir() + "/upload.txt";
    std::ofstream(upload) << "from the pc";
    EXPECT_TRUE(lab().shareDir("SHARES-A", "HDD_1").empty()) << "shares belong to their device";

    lab().enterPc();
    struct Row {
        const char* what;
        std::string service, credentials, commands;
        bool ok;
    };
    const Row rows[] = {
        {"guest write by name", "//SHARES-A/HDD_a", "",
         "put " + upload + " written.txt; get prefilled.txt /dev/null", true},
        {"guest write by address", "//10.64.0.11/HDD_1", "", "put " + upload + " b.txt", true},
        {"other device's share", "//10.64.0.11/HDD_a", "", "ls", false},
        {"user share as guest", "//10.64.0.10/PRIVATE", "", "ls", false},
        {"user share, wrong password", "//10.64.0.10/PRIVATE", "user1%nope", "ls", false},
        {"user share, right password", "//10.64.0.10/PRIVATE", "user1%secret1", "put " + upload + " p.txt",
         true},
    };
    for (const Row& row : rows)
        EXPECT_EQ(smb(row.service, row.credentials, row.commands) == 0, row.ok) << row.what;

    EXPECT_EQ(httpGet("http://10.64.0.10/"), 0);
    EXPECT_EQ(httpGet("http://10.65.0.20/"), 0);
    EXPECT_NE(httpGet("http://10.64.0.11/"), 0) << "a device without a web server must not answer";
    lab().leavePc();

    EXPECT_TRUE(std::filesystem::exists(guestDir + "/written.txt"));
    EXPECT_TRUE(std::filesystem::exists(lab().shareDir("SHARES-B", "HDD_1") + "/b.txt"));
    EXPECT_TRUE(std::filesystem::exists(lab().shareDir("SHARES-A", "PRIVATE") + "/p.txt"));
}

// A lab that cannot come up fails its test with the reason, rather than letting it run.
TEST_F(LabServices, ALabThatDoesNotComeUpSaysWhy)
{
    const ::testing::AssertionResult up = startLab(R"({"segments": [)");
    EXPECT_FALSE(up);
    EXPECT_NE(std::string(up.message()).find("lab.sh up failed"), std::string::npos) << up.message();
}
