// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer entry over the reply readers (see ReplyChecks.h for the input's shape).

#include "ReplyChecks.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    telvorin::fuzz::CheckReplies({data, size});
    return 0;
}
