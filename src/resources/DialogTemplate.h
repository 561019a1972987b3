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
