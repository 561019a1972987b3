// SPDX-License-Identifier: GPL-3.0-or-later
// Every input of the committed fuzz corpus through the reply checks: the fuzzer's own
// findings stay fixed, and the sanitizer run sees the readers on real replies.

#include "ReplyChecks.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

namespace {

TEST(ReplyCorpus, EveryInputPassesTheChecks)
{
    namespace fs = std::filesystem;
    int inputs = 0;
    for (const auto& entry : fs::directory_iterator(TELVORIN_FUZZ_CORPUS)) {
        if (!entry.is_regular_file())
            continue;
        SCOPED_TRACE(entry.path().filename().string());
        std::ifstream in(entry.path(), std::ios::binary);
        const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                                              std::istreambuf_iterator<char>());
        telvorin::fuzz::CheckReplies(bytes); // aborts on a failed check
        ++inputs;
    }
    EXPECT_GE(inputs, 5) << "corpus missing at " << TELVORIN_FUZZ_CORPUS;
}

} // namespace
