// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QString>

#include <string_view>
#include <vector>

namespace telvorin {

// The one translation context of the program's texts, with the English text as the key.
// Templates and the widget-free libraries mark their texts with
// QT_TRANSLATE_NOOP("telvorin", ...) and stay English (telvorin-probe prints them so);
// the window looks them up here where it shows them. Nothing may compare a shown text.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(telvorin)
};

// A marked text in the user's language; null or empty stays empty.
QString TrText(const char* english);

// The translated format with %1 ... %9 replaced by the arguments in one pass, so an
// argument that itself holds "%2" stays as it is.
QString TrFormat(const char* format, const std::vector<QString>& args);

// A message of several marked texts, one per line, each translated on its own.
QString TrLines(std::string_view english);

} // namespace telvorin
