// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

namespace telvorin {

const char* const ShippedLanguages[16] = {"zh_TW", "zh_CN", "ja", "ko", "ru", "tr", "pl", "cs",
                                          "hu",    "nb",    "da", "de", "fr", "es", "it", "pt"};

QString ShippedLanguageFor(const QString& uiLanguage)
{
    const QStringList parts =
        QString(uiLanguage).replace(QLatin1Char('_'), QLatin1Char('-')).split(QLatin1Char('-'));
    const QString language = parts.value(0).toLower();
    if (language == QLatin1String("en"))
        return QStringLiteral("en");
    if (language == QLatin1String("zh")) {
        // Traditional script by name, or by the regions that write it.
        for (const QString& part : parts.mid(1)) {
            const QString p = part.toUpper();
            if (p == QLatin1String("HANT") || p == QLatin1String("TW") || p == QLatin1String("HK") ||
                p == QLatin1String("MO"))
                return QStringLiteral("zh_TW");
        }
        return QStringLiteral("zh_CN");
    }
    // Norwegian in any written form reads the Bokmål texts.
    if (language == QLatin1String("no") || language == QLatin1String("nn"))
        return QStringLiteral("nb");
    for (const char* shipped : ShippedLanguages) {
        if (language == QLatin1String(shipped))
            return language;
    }
    return {};
}

QString ChooseLanguage(const QStringList& uiLanguages)
{
    for (const QString& ui : uiLanguages) {
        const QString shipped = ShippedLanguageFor(ui);
        if (shipped == QLatin1String("en"))
            return {};
        if (!shipped.isEmpty())
            return shipped;
    }
    return {};
}

bool InstallTranslations(QCoreApplication& app, const QString& language, const QString& directory,
                         const QString& qtDirectory)
{
    if (language.isEmpty())
        return false;
    auto* ours = new QTranslator(&app);
    if (!ours->load(QStringLiteral("telvorin_") + language, directory)) {
        delete ours;
        return false;
    }
    QCoreApplication::installTranslator(ours);
    // Qt ships Brazilian Portuguese only; it serves Portuguese better than English does.
    const QStringList qtNames = language == QLatin1String("pt")
                                    ? QStringList{QStringLiteral("pt"), QStringLiteral("pt_BR")}
                                    : QStringList{language};
    for (const QString& name : qtNames) {
        auto* qt = new QTranslator(&app);
        if (qt->load(QStringLiteral("qtbase_") + name, qtDirectory)) {
            QCoreApplication::installTranslator(qt);
            break;
        }
        delete qt;
    }
    return true;
}

QString InstalledTranslationsDir()
{
    return QDir(QCoreApplication::applicationDirPath())
        .absoluteFilePath(QStringLiteral("../share/telvorin/translations"));
}

QString QtTranslationsDir()
{
    return QLibraryInfo::path(QLibraryInfo::TranslationsPath);
}

} // namespace telvorin
