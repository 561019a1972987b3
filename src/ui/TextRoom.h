// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QSize>

#include <span>
#include <vector>

namespace telvorin {

// How a control of a template takes part when its text needs more room than the
// template gives it.
enum class RoomRole {
    Fixed,     // no text of its own: moves or widens with the controls around it
    Text,      // a label or drop-down list: grows into the free room on its right first
    Button,    // grows together with the buttons of its column (same left and right edge)
    Container, // a group box: its title grows like a text, and it widens with its contents
};

struct RoomControl {
    QRect rect;     // in the window's pixels
    int needed = 0; // the width its text needs; 0 for none
    RoomRole role = RoomRole::Fixed;
};

struct RoomLayout {
    std::vector<QRect> rects; // in the order of the controls given
    QSize window;
};

// Makes room for texts longer than their controls. A text grows into the free room on
// its right (up to `gap` pixels before the next control of its row, or its group box's or
// the window's margin); what it needs beyond that is put in as a strip at its right edge:
// the controls right of the strip move by it, the controls and group boxes across it
// widen (a button mostly right of it moves), and so does the window. Texts that fit leave
// every rectangle as it is.
RoomLayout MakeRoomForTexts(std::span<const RoomControl> controls, QSize window, int gap);

} // namespace telvorin
