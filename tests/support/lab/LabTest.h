// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "lab/Lab.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace telvorin::lab {

// Where the test's thread goes once the lab is up.
enum class Entry {
    None, // stays home: the test fills shares first, then enters itself (with the hosts file, say)
    Pc,   // the pc namespace
};

// Base of the lab tests. Where no lab can be built (not root, tools missing) every test
// reports itself skipped, never passed. A suite shares one lab, started by
// startLab() in its SetUpTestSuite(); a test that needs a lab of its own starts it in
// its body with ASSERT_TRUE(startLab(...)), and it goes when the test ends.
class LabTest : public ::testing::Test {
protected:
    // Brings up a lab from its description and enters it as asked; says why when it did
    // not come up. The thread that calls it must be the one that ends the test.
    static ::testing::AssertionResult startLab(const std::string& config, Entry entry = Entry::Pc);
    static void stopLab() { lab_.reset(); }
    static void TearDownTestSuite() { stopLab(); }

    // A fixture's own set-up and tear-down go here; they run only where a lab can be
    // built and the suite's lab, if it has one, is up.
    virtual void SetUpInLab() {}
    virtual void TearDownInLab() {}

    static Lab& lab() { return *lab_; }

    inline static std::unique_ptr<Lab> lab_;

private:
    void SetUp() final;
    void TearDown() final;

    bool suiteLab_ = false;
    bool inLab_ = false;
};

// What a file (of a share, of the lab) holds; "<unreadable>" when it cannot be read.
std::string ReadFile(const std::string& path);
// Whether anything, a dangling link too, is at the path.
bool Exists(const std::string& path);

} // namespace telvorin::lab
