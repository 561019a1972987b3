// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/AccessibleText.h"
#include "ui/IpAddressEdit.h"

#include <QAccessible>
#include <QLineEdit>

#include <gtest/gtest.h>

namespace telvorin {
namespace {

constexpr auto Char = QAccessible::CharBoundary;
constexpr auto Word = QAccessible::WordBoundary;
constexpr auto Line = QAccessible::LineBoundary;
constexpr TextSpan None{};

TEST(AccessibleText, SpansAtBeforeAndAfterEveryOffset)
{
    struct Row {
        const char* text;
        int offset;
        QAccessible::TextBoundaryType boundary;
        TextSpan at, before, after;
    };
    const Row rows[] = {
        {"192", 0, Char, {0, 1}, None, {1, 2}},
        {"192", 2, Char, {2, 3}, {1, 2}, None},
        // The end of the text: no character there, the last one before it.
        {"192", 3, Char, None, {2, 3}, None},
        {"192", 1, Line, {0, 3}, None, None},
        {"192", 3, Line, {0, 3}, None, None},
        {"192", 3, QAccessible::SentenceBoundary, {0, 3}, None, None},
        {"192", 3, Word, {0, 3}, {0, 3}, None},
        // A word keeps the spaces after it; the word just typed is read at the end.
        {"Western European", 3, Word, {0, 8}, None, {8, 16}},
        {"Western European", 7, Word, {0, 8}, None, {8, 16}},
        {"Western European", 8, Word, {8, 16}, {0, 8}, None},
        {"Western European", 16, Word, {8, 16}, {8, 16}, None},
        {"  Z:", 0, Word, {0, 2}, None, {2, 4}},
        {"", 0, Word, None, None, None},
        {"", 0, Line, {0, 0}, None, None},
        // Offsets a reader should not send are answered with nothing.
        {"192", -1, Line, None, None, None},
        {"192", 4, Char, None, None, None},
        {"192", 9, Word, None, None, None},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(testing::Message()
                     << '"' << r.text << "\" at " << r.offset << " by " << int(r.boundary));
        const QString text = QString::fromUtf8(r.text);
        const TextSpan at = TextSpanAt(text, r.offset, r.boundary);
        const TextSpan before = TextSpanBefore(text, r.offset, r.boundary);
        const TextSpan after = TextSpanAfter(text, r.offset, r.boundary);
        EXPECT_EQ(at.start, r.at.start);
        EXPECT_EQ(at.end, r.at.end);
        EXPECT_EQ(before.start, r.before.start);
        EXPECT_EQ(before.end, r.before.end);
        EXPECT_EQ(after.start, r.after.start);
        EXPECT_EQ(after.end, r.after.end);
    }
}

TEST(AccessibleText, AnOctetIsReadWholeWithItsSelectionAndCanBeEdited)
{
    IpAddressEdit field;
    field.setAccessibleFieldName(QStringLiteral("Netmask"));
    field.setAddress(255, 255, 0, 0);
    QLineEdit* octet = field.octetField(0);
    octet->selectAll();
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(octet);
    ASSERT_NE(iface, nullptr);
    QAccessibleTextInterface* text = iface->textInterface();
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(iface->role(), QAccessible::EditableText);
    EXPECT_EQ(iface->text(QAccessible::Name), QStringLiteral("Netmask, octet 1 of 4"));
    EXPECT_EQ(iface->text(QAccessible::Value), QStringLiteral("255"));
    EXPECT_TRUE(iface->state().editable);

    // One run of attributes over the whole octet, whatever offset is asked.
    for (int offset = 0; offset < 3; ++offset) {
        int start = -1, end = -1;
        text->attributes(offset, &start, &end);
        EXPECT_EQ(start, 0);
        EXPECT_EQ(end, 3);
    }
    int start = -1, end = -1;
    EXPECT_EQ(text->textAtOffset(3, Word, &start, &end), QStringLiteral("255"));
    EXPECT_EQ(text->textAtOffset(-2, Line, &start, &end), QStringLiteral("255"));
    ASSERT_EQ(text->selectionCount(), 1);
    text->selection(0, &start, &end);
    EXPECT_EQ(start, 0);
    EXPECT_EQ(end, 3);

    QAccessibleEditableTextInterface* editable = iface->editableTextInterface();
    ASSERT_NE(editable, nullptr);
    editable->replaceText(1, 3, QStringLiteral("92"));
    EXPECT_EQ(octet->text(), QStringLiteral("292"));
    editable->deleteText(0, 1);
    EXPECT_EQ(field.octets()[0], 92);
}

TEST(AccessibleText, APasswordIsReadAsStarsNeverAsItself)
{
    QLineEdit password;
    password.setEchoMode(QLineEdit::Password);
    password.setText(QStringLiteral("s3cret word"));
    MakeLineEditReadWhole(&password);
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(&password);
    ASSERT_NE(iface, nullptr);
    EXPECT_TRUE(iface->state().passwordEdit);
    QAccessibleTextInterface* text = iface->textInterface();
    int start = -1, end = -1;
    for (const QString& read :
         {iface->text(QAccessible::Value), text->text(0, -1), text->textAtOffset(3, Line, &start, &end),
          text->textAtOffset(11, Word, &start, &end)})
        EXPECT_FALSE(read.contains(QStringLiteral("s3c")) || read.contains(QStringLiteral("word")))
            << read.toStdString();
    EXPECT_EQ(text->text(0, -1), QStringLiteral("***********"));
}

} // namespace
} // namespace telvorin
