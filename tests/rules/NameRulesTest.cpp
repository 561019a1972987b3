// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/CaseFolding.h"
#include "rules/SafeNames.h"

#include <gtest/gtest.h>

#include <string>

namespace telvorin {
namespace {

TEST(SafeComponent, RefusesWhatReachesPastOneComponentOrItsLength)
{
    struct Row {
        std::string text;
        std::size_t maxLength;
        bool safe;
    };
    const Row rows[] = {
        {"HDD_a", std::string::npos, true},
        {"Müll Ordner", std::string::npos, true},
        {"...", std::string::npos, true},
        {"", std::string::npos, false},
        {".", std::string::npos, false},
        {"..", std::string::npos, false},
        {"a/b", std::string::npos, false},
        {"a\\b", std::string::npos, false},
        {"a\nb", std::string::npos, false},
        {"a\x7f", std::string::npos, false},
        {std::string("a\0b", 3), std::string::npos, false},
        {"abcd", 4, true},
        {"abcde", 4, false},
    };
    for (const Row& row : rows)
        EXPECT_EQ(IsSafeComponent(row.text, row.maxLength), row.safe) << '"' << row.text << '"';
}

TEST(AsciiCaseFolding, FoldsOnlyAsciiLetters)
{
    EXPECT_TRUE(EqualIgnoringAsciiCase("NAS-1\\HDD_a", "nas-1\\hdd_A"));
    EXPECT_FALSE(EqualIgnoringAsciiCase("nas", "nas1"));
    // UTF-8 bytes are compared as they are: "Ü" and "ü" differ.
    EXPECT_FALSE(EqualIgnoringAsciiCase("M\xc3\x9cLL", "m\xc3\xbcll"));
    EXPECT_TRUE(EqualIgnoringAsciiCase("M\xc3\xbcLL", "m\xc3\xbcll"));
    // '@' and '[' sit next to 'A' and 'Z' and are no letters.
    EXPECT_FALSE(EqualIgnoringAsciiCase("@[", "`{"));
}

} // namespace
} // namespace telvorin
