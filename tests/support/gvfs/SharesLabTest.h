// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gvfs/GvfsSession.h"
#include "lab/LabTest.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>

namespace telvorin::test {

// Base of the tests that mount lab shares: one lab and one GVfs per test executable,
// entered once, because GIO binds itself to the first session bus it sees. The device
// NAS-1 must have the shares HDD_a (guest) and PRIVATE (user); each gets a file to read.
class SharesLabTest : public lab::LabTest {
protected:
    static void startSharesLab(const char* config)
    {
        if (!startLab(config, lab::Entry::None))
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
        stopLab();
    }

    void SetUpInLab() override { ASSERT_TRUE(gvfs_->ok()) << gvfs_->error(); }

    std::string entry(char letter) const { return gvfs_->drivesFolder() + "/" + letter; }

    static inline GvfsSession* gvfs_ = nullptr;
};

using lab::Exists;
using lab::ReadFile;

} // namespace telvorin::test
