// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gvfs/GvfsSession.h"
#include "lab/Lab.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include <sys/stat.h>

namespace telvorin::test {

// Base of the tests that mount lab shares: one lab and one GVfs per test executable,
// entered once, because GIO binds itself to the first session bus it sees. The device
// NAS-1 must have the shares HDD_a (guest) and PRIVATE (user); each gets a file to read.
class SharesLabTest : public ::testing::Test {
protected:
    static void startLab(const char* config)
    {
        lab_ = new lab::Lab(config);
        if (!lab_->ok())
            return;
        std::ofstream(lab_->shareDir("NAS-1", "HDD_a") + "/hello.txt") << "guest data\n";
        std::ofstream(lab_->shareDir("NAS-1", "PRIVATE") + "/private.txt") << "private data\n";
        lab_->enterPc(true);
        gvfs_ = new GvfsSession;
    }
    static void TearDownTestSuite()
    {
        delete gvfs_;
        gvfs_ = nullptr;
        delete lab_;
        lab_ = nullptr;
    }

    void SetUp() override
    {
        ASSERT_TRUE(lab_->ok()) << lab_->error();
        ASSERT_TRUE(gvfs_->ok()) << gvfs_->error();
    }

    std::string entry(char letter) const { return gvfs_->drivesFolder() + "/" + letter; }

    static inline lab::Lab* lab_ = nullptr;
    static inline GvfsSession* gvfs_ = nullptr;
};

inline std::string ReadFile(const std::string& path)
{
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return in ? text.str() : std::string("<unreadable>");
}

inline bool Exists(const std::string& path)
{
    struct stat st {};
    return lstat(path.c_str(), &st) == 0;
}

} // namespace telvorin::test
