// SPDX-License-Identifier: GPL-3.0-or-later
// Every template window in every shipped language, and in a made-up one whose texts are
// 40% longer and full of accents: no text cut, no two controls on top of each other, all
// inside the window. Run at the test's scale factor (registered at 1 and at 2).
#include "app/Translations.h"
#include "drives/CredentialPrompt.h"

#include "TemplateWindows.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStyleOption>
#include <QTranslator>
#include <QTreeWidget>

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

QString NameOf(const QWidget* w)
{
    const QString path = test::ControlPath(*w);
    return path.isEmpty() ? QString::fromLatin1(w->metaObject()->className()) : path;
}

// The extent a control's texts need and the room it gives them.
struct Fit {
    QString text;
    QSize needed;
    QSize room;
};

std::vector<Fit> TextsOf(QWidget* w)
{
    std::vector<Fit> out;
    const QFontMetrics fm = w->fontMetrics();
    if (auto* label = qobject_cast<QLabel*>(w)) {
        if (!label->text().isEmpty() && !label->wordWrap())
            out.push_back(
                {label->text(), fm.size(Qt::TextSingleLine, label->text()), label->contentsRect().size()});
    } else if (auto* button = qobject_cast<QPushButton*>(w)) {
        QStyleOptionButton option;
        option.initFrom(button);
        const QRect contents =
            button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
        out.push_back({button->text(), fm.size(Qt::TextShowMnemonic, button->text()), contents.size()});
    } else if (auto* check = qobject_cast<QCheckBox*>(w)) {
        if (!check->text().isEmpty()) {
            QStyleOptionButton option;
            option.initFrom(check);
            option.text = check->text();
            const QRect contents =
                check->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, check);
            out.push_back({check->text(), fm.size(Qt::TextShowMnemonic, check->text()), contents.size()});
        }
    } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
        QStyleOptionComboBox option;
        option.initFrom(combo);
        const QRect field =
            combo->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo);
        for (int i = 0; i < combo->count(); ++i)
            out.push_back(
                {combo->itemText(i), fm.size(Qt::TextSingleLine, combo->itemText(i)), field.size()});
    } else if (auto* box = qobject_cast<QGroupBox*>(w)) {
        QStyleOptionGroupBox option;
        option.initFrom(box);
        option.text = box->title();
        option.subControls = QStyle::SC_GroupBoxLabel;
        const QRect title =
            box->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, box);
        out.push_back({box->title(), title.size(), title.intersected(box->rect()).size()});
    } else if (auto* list = qobject_cast<QTreeWidget*>(w)) {
        const QHeaderView* header = list->header();
        const int margin = header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
        for (int i = 0; i < header->count(); ++i) {
            const QString title = list->headerItem()->text(i);
            out.push_back({title, header->fontMetrics().size(Qt::TextSingleLine, title),
                           QSize(header->sectionSize(i) - 2 * margin, header->height())});
        }
    }
    return out;
}

// The controls side by side in `parent` (the window or a group box): none may cover
// another or stick out of it; a group box and the controls drawn inside it are the one
// exception, a control across a group box's frame is not.
void SiblingFaults(QWidget& parent, QStringList& faults)
{
    std::vector<QWidget*> children;
    for (QWidget* child : parent.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->isVisible() && !child->isWindow())
            children.push_back(child);
    }
    for (std::size_t i = 0; i < children.size(); ++i) {
        const QRect a = children[i]->geometry();
        if (!parent.rect().contains(a))
            faults << NameOf(children[i]) + QStringLiteral(" reaches out of ") + NameOf(&parent);
        for (std::size_t j = i + 1; j < children.size(); ++j) {
            const QRect b = children[j]->geometry();
            if (!a.intersects(b))
                continue;
            const bool framed = (qobject_cast<QGroupBox*>(children[i]) && a.contains(b)) ||
                                (qobject_cast<QGroupBox*>(children[j]) && b.contains(a));
            if (!framed)
                faults << NameOf(children[i]) + QStringLiteral(" overlaps ") + NameOf(children[j]);
        }
    }
    for (QWidget* child : children) {
        if (qobject_cast<QGroupBox*>(child))
            SiblingFaults(*child, faults);
    }
}

QStringList Faults(QWidget& window)
{
    QStringList faults;
    for (QWidget* w : window.findChildren<QWidget*>()) {
        if (!w->isVisible())
            continue;
        for (const Fit& t : TextsOf(w)) {
            if (t.needed.width() > t.room.width() || t.needed.height() > t.room.height())
                faults << QStringLiteral("%1 cuts \"%2\": needs %3x%4, has %5x%6")
                              .arg(NameOf(w), t.text)
                              .arg(t.needed.width())
                              .arg(t.needed.height())
                              .arg(t.room.width())
                              .arg(t.room.height());
        }
    }
    SiblingFaults(window, faults);
    return faults;
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
            for (const QString& fault : Faults(window))
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
        for (const QString& fault : Faults(prompt))
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
