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

struct ControlTemplate {
    int id;  // -1 for plain labels and group boxes
    ControlKind kind;
    const char* text;
    int x, y, w, h;  // dialog units
    const char* objectName;
};

struct DialogTemplate {
    int id;
    const char* caption;
    const char* fontFamily;
    int pointSize;
    int width, height;  // dialog units
    std::span<const ControlTemplate> controls;
};

} // namespace telvorin
