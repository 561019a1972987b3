// SPDX-License-Identifier: GPL-3.0-or-later
#include "resources/LoginTemplate.h"

#include <QtGlobal>

namespace telvorin {

namespace {

using K = ControlKind;

// clang-format off
constexpr ControlTemplate LoginControls[] = {
    {-1, K::Label, QT_TRANSLATE_NOOP("telvorin", "User name :"), 13, 21, 41, 8, "userNameLabel", {}, StyleNone, nullptr, IdUserName},
    {IdUserName, K::Edit, "", 60, 18, 69, 14, "userNameEdit", {}, StyleNone, QT_TRANSLATE_NOOP("telvorin", "User name")},
    {-1, K::Label, QT_TRANSLATE_NOOP("telvorin", "Password :"), 13, 42, 37, 8, "passwordLabel", {}, StyleNone, nullptr, IdPassword},
    {IdPassword, K::PasswordEdit, "", 60, 39, 68, 14, "passwordEdit", {}, StyleNone, QT_TRANSLATE_NOOP("telvorin", "Password")},
    {IdLoginOk, K::DefaultPushButton, QT_TRANSLATE_NOOP("telvorin", "OK"), 135, 21, 50, 14, "okButton"},
    {IdLoginCancel, K::PushButton, QT_TRANSLATE_NOOP("telvorin", "Cancel"), 135, 38, 50, 14, "cancelButton"},
};
// clang-format on

} // namespace

const DialogTemplate LoginTemplate{134,          QT_TRANSLATE_NOOP("telvorin", "Login"), "Arial", 8, 199, 75,
                                   LoginControls};

} // namespace telvorin
