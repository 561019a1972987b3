// SPDX-License-Identifier: GPL-3.0-or-later
#include "resources/LanguageTemplate.h"

namespace telvorin {

const char* const LanguageListItems[9] = {
    "Traditional Chinese", "Simplified Chinese", "Western European",
    "Northern European",   "Central European",   "Turkish",
    "Korean Hangul",       "Cyrillic",           "Japanese SJIS",
};

namespace {

using K = ControlKind;

// clang-format off
constexpr ControlTemplate LanguageControls[] = {
    {IdLanguageOk, K::DefaultPushButton, "OK", 169, 7, 50, 14, "okButton"},
    {IdLanguageCancel, K::PushButton, "Cancel", 169, 24, 50, 14, "cancelButton"},
    {-1, K::Label, "Language :", 14, 12, 36, 8, "languageLabel", {}, StyleNone, nullptr, IdLanguageList},
    {IdLanguageList, K::DropDownList, "", 52, 10, 112, 59, "languageList", LanguageListItems, StyleNone,
     "Language"},
};
// clang-format on

} // namespace

const DialogTemplate LanguageTemplate{139, "", "Arial", 8, 226, 64, LanguageControls};

} // namespace telvorin
