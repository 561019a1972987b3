// SPDX-License-Identifier: GPL-3.0-or-later
// JSON strings of the probe: device texts are arbitrary bytes.

#include "Json.h"

#include <gtest/gtest.h>

using telvorin::probe::JsonString;

TEST(ProbeJson, EscapesEveryByteThatJsonCannotCarry)
{
    const std::vector<std::pair<std::string, std::string>> rows = {
        {"", "\"\""},
        {"NAS-1", "\"NAS-1\""},
        {"a\"b\\c", "\"a\\\"b\\\\c\""},
        {std::string("\x01\n\t\x1f\x7f", 5), "\"\\u0001\\n\\t\\u001f\\u007f\""},
        {"caf\xc3\xa9", "\"caf\xc3\xa9\""}, // valid UTF-8 passes through
        {"\xe2\x82\xac\xf0\x9f\x98\x80", "\"\xe2\x82\xac\xf0\x9f\x98\x80\""},
        {"\xff\xfe", "\"\\u00ff\\u00fe\""},                       // never valid in UTF-8
        {"\xc3", "\"\\u00c3\""},                                  // sequence cut at the end
        {"\xc3(", "\"\\u00c3(\""},                                // bad continuation
        {"\xc0\xaf", "\"\\u00c0\\u00af\""},                       // overlong
        {"\xed\xa0\x80", "\"\\u00ed\\u00a0\\u0080\""},            // surrogate
        {"\xf4\x90\x80\x80", "\"\\u00f4\\u0090\\u0080\\u0080\""}, // beyond U+10FFFF
    };
    for (const auto& [in, out] : rows)
        EXPECT_EQ(JsonString(in), out);
}
