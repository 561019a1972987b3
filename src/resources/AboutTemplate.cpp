// SPDX-License-Identifier: GPL-3.0-or-later
#include "resources/Strings.h"
#include "resources/Templates.h"

#include <QtGlobal>

namespace telvorin {

namespace {

using K = ControlKind;

constexpr ControlTemplate AboutControls[] = {
    {-1, K::Icon, "", 9, 18, 20, 20, "aboutIcon"},
    {-1, K::Label, "Telvorin", 33, 12, 127, 8, "productLabel"},
    {-1, K::Label, AboutNotice, 32, 24, 147, 8, "noticeLabel"},
    {IdOk, K::DefaultPushButton, QT_TRANSLATE_NOOP("telvorin", "OK"), 144, 36, 50, 14, "okButton"},
    {-1, K::Label, AboutVersion, 33, 36, 100, 8, "versionLabel"},
};

} // namespace

const DialogTemplate AboutTemplate{100, "Telvorin", "Arial", 9, 201, 59, AboutControls};

} // namespace telvorin
