// SPDX-License-Identifier: GPL-3.0-or-later
// Device texts on their way to a terminal: what is escaped and what stays.

#include "protocol/Printable.h"

#include <gtest/gtest.h>

namespace {

TEST(PrintableText, EscapesWhatCouldDriveATerminal)
{
    struct Row {
        std::string_view in;
        std::string_view out;
    };
    using namespace std::string_view_literals;
    const Row rows[] = {
        {"HDD_a 865", "HDD_a 865"},
        {"", ""},
        {"\x1b[2Jcleared", "\\x1b[2Jcleared"},
        {"a\nfake=1\r", "a\\x0afake=1\\x0d"},
        {"tab\tbell\a del\x7f", "tab\\x09bell\\x07 del\\x7f"},
        {"back\\slash", "back\\x5cslash"},
        {"caf\xc3\xa9 \xc3\x84", "caf\xc3\xa9 \xc3\x84"}, // UTF-8 letters stay
        {"\xe2\x82\xac \xf0\x9f\x92\xbe", "\xe2\x82\xac \xf0\x9f\x92\xbe"},
        {"csi\xc2\x9b"
         "2J",
         "csi\\xc2\\x9b2J"},                              // C1 control as UTF-8
        {"latin1 caf\xe9 \x9b", "latin1 caf\\xe9 \\x9b"}, // not UTF-8: byte by byte
        {"cut \xe2\x82", "cut \\xe2\\x82"},
        {"overlong \xc0\xaf", "overlong \\xc0\\xaf"},
        {"surrogate \xed\xa0\x80", "surrogate \\xed\\xa0\\x80"},
        {"nul\0in"sv, "nul\\x00in"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.out));
        EXPECT_EQ(telvorin::PrintableText(row.in), row.out);
    }
}

} // namespace
