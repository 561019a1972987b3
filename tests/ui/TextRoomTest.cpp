// SPDX-License-Identifier: GPL-3.0-or-later
// The room made for texts longer than their template's controls, on small layouts in
// pixels: what grows, what moves, what stays.
#include "ui/TextRoom.h"

#include <gtest/gtest.h>

#include <vector>

namespace telvorin {
namespace {

constexpr int Gap = 3;

using R = RoomRole;

struct Case {
    const char* what;
    std::vector<RoomControl> controls;
    QSize window;
    std::vector<QRect> expected;
    QSize expectedWindow;
};

std::string Show(const QRect& r)
{
    return std::to_string(r.x()) + "," + std::to_string(r.y()) + " " + std::to_string(r.width()) + "x" +
           std::to_string(r.height());
}

TEST(TextRoom, GrowsMovesAndWidensByTheExcess)
{
    const Case cases[] = {
        {"texts that fit move nothing",
         {{{10, 10, 50, 13}, 40, R::Text},
          {{63, 8, 100, 20}, 0, R::Fixed},
          {{170, 8, 20, 20}, 20, R::Button}},
         {200, 50},
         {{10, 10, 50, 13}, {63, 8, 100, 20}, {170, 8, 20, 20}},
         {200, 50}},
        {"a label takes the free room before its neighbour first",
         {{{10, 10, 50, 13}, 70, R::Text}, {{90, 8, 100, 20}, 0, R::Fixed}},
         {300, 50},
         {{10, 10, 70, 13}, {90, 8, 100, 20}},
         {300, 50}},
        {"a label pushes its row; its group, the window and a list across widen, the rest moves",
         {{{5, 5, 290, 60}, 0, R::Container},
          {{12, 20, 40, 13}, 60, R::Text},
          {{55, 18, 100, 20}, 0, R::Fixed},
          {{12, 45, 200, 15}, 0, R::Fixed},
          {{220, 45, 60, 15}, 40, R::Button}},
         {300, 70},
         {{5, 5, 310, 60}, {12, 20, 60, 13}, {75, 18, 100, 20}, {12, 45, 220, 15}, {240, 45, 60, 15}},
         {320, 70}},
        {"the buttons of a column grow together; one across the strip moves or widens by its half",
         {{{10, 10, 100, 13}, 0, R::Text},
          {{200, 10, 60, 20}, 100, R::Button},
          {{200, 35, 60, 20}, 50, R::Button},
          {{150, 60, 120, 20}, 0, R::Button},
          {{250, 85, 40, 20}, 0, R::Button}},
         {300, 110},
         {{10, 10, 100, 13}, {200, 10, 100, 20}, {200, 35, 100, 20}, {160, 60, 120, 20}, {250, 85, 50, 20}},
         {310, 110}},
        {"a text past the window's margin widens the window, margin kept",
         {{{38, 27, 237, 13}, 260, R::Text}, {{39, 62, 228, 15}, 0, R::Fixed}},
         {303, 110},
         {{38, 27, 260, 13}, {39, 62, 228, 15}},
         {336, 110}},
        {"two labels of a column push their rows by the longer one's excess, not the sum",
         {{{20, 10, 30, 13}, 70, R::Text},
          {{20, 30, 50, 13}, 60, R::Text},
          {{75, 8, 100, 20}, 0, R::Fixed},
          {{75, 28, 100, 20}, 0, R::Fixed}},
         {200, 60},
         {{20, 10, 70, 13}, {20, 30, 68, 13}, {93, 8, 100, 20}, {93, 28, 100, 20}},
         {218, 60}},
        {"a group title longer than its box widens the box and the window",
         {{{5, 5, 100, 50}, 120, R::Container}, {{12, 20, 40, 13}, 0, R::Text}},
         {110, 60},
         {{5, 5, 120, 50}, {12, 20, 40, 13}},
         {130, 60}},
        {"a label's text beside a drop-down list moves the list and what is right of it",
         {{{160, 10, 50, 13}, 80, R::Text},
          {{210, 8, 60, 20}, 70, R::Text},
          {{280, 8, 40, 20}, 30, R::Button},
          {{10, 8, 140, 20}, 0, R::Fixed}},
         {330, 40},
         {{160, 10, 80, 13}, {243, 8, 70, 20}, {316, 8, 40, 20}, {10, 8, 140, 20}},
         {366, 40}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const RoomLayout layout = MakeRoomForTexts(c.controls, c.window, Gap);
        ASSERT_EQ(layout.rects.size(), c.expected.size());
        for (std::size_t i = 0; i < c.expected.size(); ++i)
            EXPECT_EQ(Show(layout.rects[i]), Show(c.expected[i])) << "control " << i;
        EXPECT_EQ(layout.window, c.expectedWindow);
    }
}

} // namespace
} // namespace telvorin
