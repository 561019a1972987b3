// SPDX-License-Identifier: GPL-3.0-or-later
// Every template window in every shipped language, and in a made-up one whose texts are
// 40% longer and full of accents: no text cut, no two controls on top of each other, all
// inside the window. Run at the test's scale factor (registered at 1 and at 2).
#include "app/Translations.h"
#include "drives/CredentialPrompt.h"

#include "TemplateWindows.h"

#include <QApplication>
#include <QTranslator>

#include <gtest/gtest.h>

#include <cmath>

namespace telvorin {
namespace {

// Each text of the program, accented and 40% longer; arguments ("%1") kept as they are.
class LongAccentedTranslator final : public QTranslator {
public:
    using QTranslator::QTranslator;

    static QString lengthen(const QString& english)
    {
        static const QString plain = QStringLiteral("aeiouycnAEIOUYCN");
        static const QString accented = QStringLiteral("àéîõüýçñÀÉÎÕÜÝÇÑ");
        QString out;
        for (qsizetype i = 0; i < english.size(); ++i) {
            const QChar ch = english[i];
            if (ch == u'%' && i + 1 < english.size() && english[i + 1].isDigit()) {
                out += english.mid(i, 2);
                ++i;
                continue;
            }
            const qsizetype at = plain.indexOf(ch);
            out += at < 0 ? ch : accented[at];
        }
        const auto extra = static_cast<qsizetype>(std::ceil(english.size() * 0.4));
        for (qsizetype i = 0; i < extra; ++i)
            out += (i % 2) ? u'Ŵ' : u'é';
        return out;
    }

    QString translate(const char* context, const char* source, const char*, int) const override
    {
        if (qstrcmp(context, "telvorin") != 0 || !source || !*source)
            return {};
        return lengthen(QString::fromUtf8(source));
    }
    bool isEmpty() const override { return false; }
};

void RemoveTranslators()
{
    for (QTranslator* t : qApp->findChildren<QTranslator*>()) {
        QCoreApplication::removeTranslator(t);
        delete t;
    }
}

TEST(EveryLanguage, TextsFitAndControlsStayApartInEveryWindow)
{
    QStringList languages;
    for (const char* language : ShippedLanguages)
        languages << QString::fromLatin1(language);
    languages << QStringLiteral("long accented");

    QStringList faults;
    for (const QString& language : languages) {
        RemoveTranslators();
        if (language == QLatin1String("long accented")) {
            QCoreApplication::installTranslator(new LongAccentedTranslator(qApp));
        } else {
            ASSERT_TRUE(InstallTranslations(*qApp, language, QStringLiteral(TELVORIN_TEST_TRANSLATIONS_DIR),
                                            QtTranslationsDir()))
                << language.toStdString();
        }
        int windows = 0;
        test::ForEachTemplateWindow([&](const char* name, QWidget& window) {
            ++windows;
            for (const QString& fault : test::LayoutFaults(window))
                faults << language + u' ' + QString::fromLatin1(name) + QStringLiteral(": ") + fault;
        });
        EXPECT_EQ(windows, 7);
        // The password question for a share, laid out by Qt rather than from a template.
        CredentialRequest request;
        request.message = "Password required for share hdd_a on nas-1";
        request.anonymousAllowed = true;
        CredentialPrompt prompt(nullptr, request);
        prompt.show();
        QApplication::processEvents();
        for (const QString& fault : test::LayoutFaults(prompt))
            faults << language + QStringLiteral(" credential prompt: ") + fault;
        prompt.close();
    }
    RemoveTranslators();
    EXPECT_TRUE(faults.isEmpty()) << faults.size() << " faults:\n" << faults.join(u'\n').toStdString();
}

TEST(EveryLanguage, TheLongLanguageIsLongerAccentedAndKeepsArguments)
{
    const struct {
        const char* english;
        const char* lengthened;
    } rows[] = {
        {"Exit", "Éxît\u00e9\u0174"},
        {"Version : %1", "Vérsîõñ : %1éŴéŴé"},
        {"", ""},
    };
    for (const auto& row : rows)
        EXPECT_EQ(LongAccentedTranslator::lengthen(QString::fromUtf8(row.english)),
                  QString::fromUtf8(row.lengthened))
            << row.english;
}

} // namespace
} // namespace telvorin
