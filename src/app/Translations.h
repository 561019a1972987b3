// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

class QCoreApplication;

namespace telvorin {

// The languages the window ships in besides English, as the suffixes of their files.
extern const char* const ShippedLanguages[16];

// Our translation for a UI language as QLocale::uiLanguages() names it ("de-AT" -> "de",
// "zh-Hant-HK" -> "zh_TW", "nn-NO" -> "nb"); "en" for any English; empty when we have none.
QString ShippedLanguageFor(const QString& uiLanguage);

// The first of the user's languages we ship, going down the list and stopping at English:
// "" for English (the texts as written), else a suffix of ShippedLanguages.
QString ChooseLanguage(const QStringList& uiLanguages);

// Loads telvorin_<language>.qm from `directory`, and Qt's own texts (standard buttons, edit
// menus) for it from `qtDirectory`, into the application; both translators belong to it.
// False when our file could not be loaded: the window then stays English.
bool InstallTranslations(QCoreApplication& app, const QString& language, const QString& directory,
                         const QString& qtDirectory);

// Where the installed program finds its translations: share/telvorin/translations beside
// its bin folder.
QString InstalledTranslationsDir();
// Where Qt's own translations are, as Qt was built to find them.
QString QtTranslationsDir();

} // namespace telvorin
