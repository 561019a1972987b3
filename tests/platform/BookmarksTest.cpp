// SPDX-License-Identifier: GPL-3.0-or-later
// Editing the GTK bookmarks text: the letter's line comes and goes, every other byte stays.
#include "platform/Bookmarks.h"

#include <gtest/gtest.h>

namespace telvorin {
namespace {

using namespace bookmarks;

const std::string Uri = "file:///home/u/.local/share/telvorin/drives/Z";
const std::string Label = "Z: HDD_a on NAS-1";
const std::string Line = Uri + " " + Label + "\n";
// Lines of the user's: a non-ASCII label, no label, a comment, a Windows line end, and a
// URI that only begins like the letter's.
const std::string Users = "file:///home/u/Musik \xe2\x99\xab Musik\n"
                          "sftp://host/srv\n"
                          "# note\n"
                          "file:///srv/a b\r\n" +
                          Uri + "2 Z2\n";

struct EditCase {
    const char* what;
    std::string before;
    std::string added;   // after WithBookmark
    std::string removed; // after WithoutBookmark of `added`
};

TEST(Bookmarks, LetterLineComesAndGoesAndEveryOtherByteStays)
{
    const EditCase cases[] = {
        {"no file yet", "", Line, ""},
        {"the user's lines", Users, Users + Line, Users},
        {"last line without a line end", "sftp://host/srv", "sftp://host/srv\n" + Line, "sftp://host/srv\n"},
        {"an old line of the letter is replaced in place", "a\n" + Uri + " Z: old\nb\n", "a\n" + Line + "b\n",
         "a\nb\n"},
        {"an unlabelled line of the letter", Uri + "\n" + Users, Line + Users, Users},
        {"two lines of the letter become one", Uri + " x\nb\n" + Uri + " y\n", Line + "b\n", "b\n"},
    };
    for (const EditCase& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string added = WithBookmark(c.before, Uri, Label);
        EXPECT_EQ(added, c.added);
        EXPECT_EQ(WithBookmark(added, Uri, Label), added) << "adding again changes nothing";
        EXPECT_EQ(WithoutBookmark(added, Uri), c.removed);
    }
}

TEST(Bookmarks, FileUriEscapesThePath)
{
    EXPECT_EQ(FileUri("/home/J\xc3\xbcrgen/a b/Z"), "file:///home/J%C3%BCrgen/a%20b/Z");
}

} // namespace
} // namespace telvorin
