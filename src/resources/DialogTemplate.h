// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>

namespace telvorin {

// Dialog templates as data: every control with its id, caption and position in dialog
// units. A builder turns them into widgets (DialogBuilder.h).
enum class ControlKind {
    PushButton,
    DefaultPushButton,
    Label,
    GroupBox,
    Edit,
    PasswordEdit,
    ListView,
    IpAddress,
    DropDownList,
    Icon,
    ProgressBar,
};

// Style bits a control may carry beyond its kind.
enum ControlStyle : unsigned {
    StyleNone = 0,
    StyleSorted = 1u << 0, // drop-down list keeps its items sorted
};

// How a control follows a window grown beyond the template's size, in window terms: the
// extra height goes half to the "upper" part of the window and half to the "lower" part.
// A control that moves with both parts sits below both.
enum ControlFollow : unsigned {
    FollowNone = 0,
    FollowMoveX = 1u << 0,
    FollowGrowW = 1u << 1,
    FollowMoveYUpper = 1u << 2,
    FollowMoveYLower = 1u << 3,
    FollowGrowHUpper = 1u << 4,
    FollowGrowHLower = 1u << 5,
    FollowMoveYAll = FollowMoveYUpper | FollowMoveYLower,
};

struct ControlTemplate {
    int id; // -1 for plain labels and group boxes
    ControlKind kind;
    const char* text;
    int x, y, w, h; // dialog units; a drop-down list's h is the height of its open list
    const char* objectName;
    // Items a drop-down list comes with, in template order.
    std::span<const char* const> items = {};
    unsigned style = StyleNone;
    // What a screen reader calls a control that has no caption of its own (a list, an
    // address field, a drop-down list, an edit field).
    const char* accessibleName = nullptr;
    // For a label: the id of the control it names, so screen readers announce the label
    // with that control.
    int labelFor = 0;
    // ControlFollow bits, for a window that may grow; a fixed-size window ignores them.
    unsigned follow = FollowNone;
};

struct DialogTemplate {
    int id;
    const char* caption;
    const char* fontFamily;
    int pointSize;
    int width, height; // dialog units
    std::span<const ControlTemplate> controls;
};

} // namespace telvorin
