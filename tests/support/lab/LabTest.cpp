// SPDX-License-Identifier: GPL-3.0-or-later
#include "LabTest.h"

#include <fstream>
#include <sstream>

#include <sys/stat.h>

namespace telvorin::lab {

::testing::AssertionResult LabTest::startLab(const std::string& config, Entry entry)
{
    lab_ = std::make_unique<Lab>(config);
    if (!lab_->ok())
        return ::testing::AssertionFailure() << "the lab did not come up: " << lab_->error();
    if (entry == Entry::Pc)
        lab_->enterPc();
    return ::testing::AssertionSuccess();
}

void LabTest::SetUp()
{
    std::string why;
    if (!Lab::available(&why))
        GTEST_SKIP() << "the lab is not available here: " << why;
    // A lab already there was started by the suite; one started in the body is the test's.
    suiteLab_ = lab_ != nullptr;
    if (suiteLab_) {
        ASSERT_TRUE(lab_->ok()) << "the suite's lab did not come up: " << lab_->error();
    }
    inLab_ = true;
    SetUpInLab();
}

void LabTest::TearDown()
{
    if (!inLab_)
        return;
    TearDownInLab();
    if (!suiteLab_)
        stopLab();
}

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return in ? bytes.str() : std::string("<unreadable>");
}

bool Exists(const std::string& path)
{
    struct stat st {};
    return lstat(path.c_str(), &st) == 0;
}

} // namespace telvorin::lab
