// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Translations.h"
#include "app/AboutDialog.h"
#include "resources/Strings.h"
#include "resources/Templates.h"
#include "rules/EmptySearch.h"
#include "ui/DialogBuilder.h"
#include "ui/Texts.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QTranslator>

#include <gtest/gtest.h>

namespace telvorin {
namespace {

TEST(TranslationsTest, UiLanguagesMapToShippedFilesStoppingAtEnglish)
{
    const struct {
        QStringList ui;
        const char* chosen;
    } rows[] = {
        {{u"de-AT"_qs}, "de"},
        {{u"zh-Hant-TW"_qs}, "zh_TW"},
        {{u"zh-HK"_qs}, "zh_TW"},
        {{u"zh-Hans-CN"_qs}, "zh_CN"},
        {{u"nn-NO"_qs}, "nb"},
        {{u"pt-BR"_qs}, "pt"},
        {{u"eo"_qs, u"ja-JP"_qs}, "ja"},  // one we lack is passed over
        {{u"en-US"_qs, u"de-DE"_qs}, ""}, // English first: no translation
        {{u"C"_qs}, ""},
    };
    for (const auto& row : rows)
        EXPECT_EQ(ChooseLanguage(row.ui), QString::fromLatin1(row.chosen)) << row.ui.join(u',').toStdString();
}

TEST(TranslationsTest, FormatsFillArgumentsInOnePass)
{
    EXPECT_EQ(
        TrFormat("%1, octet %2 of %3", {QStringLiteral("a%2"), QStringLiteral("2"), QStringLiteral("4")}),
        QStringLiteral("a%2, octet 2 of 4"));
    EXPECT_EQ(TrFormat("Version : %1", {QStringLiteral("4.4.0.0")}), QString::fromLatin1(AboutVersion));
}

// The German file, built beside the tests, changes the window's texts; the DHCP choice
// keeps its order and its data.
TEST(TranslationsTest, GermanWindowShowsGermanAndKeepsTheDhcpOrder)
{
    ASSERT_TRUE(InstallTranslations(*qApp, QStringLiteral("de"),
                                    QStringLiteral(TELVORIN_TEST_TRANSLATIONS_DIR), QtTranslationsDir()));
    {
        QDialog dialog;
        BuildDialog(dialog, MainTemplate);
        EXPECT_EQ(FindControl<QPushButton>(dialog, IdRefresh)->text(), QStringLiteral("Aktualisieren"));
        auto* dhcp = FindControl<QComboBox>(dialog, IdDhcp);
        ASSERT_EQ(dhcp->count(), 2);
        EXPECT_EQ(dhcp->itemData(0).toInt(), DhcpDisable);
        EXPECT_EQ(dhcp->itemText(0), QStringLiteral("Aus"));
        EXPECT_EQ(dhcp->itemData(1).toInt(), DhcpEnable);
        AboutDialog about;
        EXPECT_EQ(about.findChild<QLabel*>(QStringLiteral("versionLabel"))->text(),
                  QStringLiteral("Version: 4.4.0.0"));
        // The empty list's reasons, marked in a library without Qt, shown translated.
        EXPECT_TRUE(
            TrFormat(NoReplyText, {QStringLiteral("13579")}).contains(QStringLiteral("UDP-Port 13579")));
        EXPECT_TRUE(TrText(NoNetworkText).startsWith(QStringLiteral("Kein Gerät gefunden")));
    }
    for (QTranslator* t : qApp->findChildren<QTranslator*>()) {
        QCoreApplication::removeTranslator(t);
        delete t;
    }
    QDialog english;
    BuildDialog(english, MainTemplate);
    EXPECT_EQ(FindControl<QPushButton>(english, IdRefresh)->text(), QStringLiteral("Refresh"));
}

} // namespace
} // namespace telvorin
