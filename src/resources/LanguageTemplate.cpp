// SPDX-License-Identifier: GPL-3.0-or-later
#include "resources/LanguageTemplate.h"

#include <QtGlobal>

namespace telvorin {

const char* const LanguageListItems[9] = {
    QT_TRANSLATE_NOOP("telvorin", "Traditional Chinese"), QT_TRANSLATE_NOOP("telvorin", "Simplified Chinese"),
    QT_TRANSLATE_NOOP("telvorin", "Western European"),    QT_TRANSLATE_NOOP("telvorin", "Northern European"),
    QT_TRANSLATE_NOOP("telvorin", "Central European"),    QT_TRANSLATE_NOOP("telvorin", "Turkish"),
    QT_TRANSLATE_NOOP("telvorin", "Korean Hangul"),       QT_TRANSLATE_NOOP("telvorin", "Cyrillic"),
    QT_TRANSLATE_NOOP("telvorin", "Japanese SJIS"),
};

namespace {

using K = ControlKind;

// clang-format off
constexpr ControlTemplate LanguageControls[] = {
    {IdLanguageOk, K::DefaultPushButton, QT_TRANSLATE_NOOP("telvorin", "OK"), 169, 7, 50, 14, "okButton"},
    {IdLanguageCancel, K::PushButton, QT_TRANSLATE_NOOP("telvorin", "Cancel"), 169, 24, 50, 14, "cancelButton"},
    {-1, K::Label, QT_TRANSLATE_NOOP("telvorin", "Language :"), 14, 12, 36, 8, "languageLabel", {}, StyleNone, nullptr, IdLanguageList},
    {IdLanguageList, K::DropDownList, "", 52, 10, 112, 59, "languageList", LanguageListItems, StyleNone,
     QT_TRANSLATE_NOOP("telvorin", "Language")},
};
// clang-format on

} // namespace

const DialogTemplate LanguageTemplate{139, "", "Arial", 8, 226, 64, LanguageControls};

} // namespace telvorin
