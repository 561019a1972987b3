// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/DropDownAccessible.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QTest>

#include <gtest/gtest.h>

namespace telvorin {
namespace {

TEST(DropDownAccessible, ReadsItsItemAsTextAndNamesItselfUntilOneIsChosen)
{
    DropDownList combo;
    combo.addItems({QStringLiteral("Disable"), QStringLiteral("Enable")});
    combo.setCurrentIndex(-1);
    MakeDropDownSpeakItsValue(&combo);
    combo.setAccessibleName(QStringLiteral("Receive DHCP"));
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(&combo);
    ASSERT_NE(iface, nullptr);
    QAccessibleTextInterface* text = iface->textInterface();
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(iface->role(), QAccessible::ComboBox);

    struct Row {
        int index;
        const char* name;
        const char* value;
    };
    for (const Row& r :
         {Row{-1, "Receive DHCP", ""}, Row{1, "Enable", "Enable"}, Row{0, "Disable", "Disable"}}) {
        SCOPED_TRACE(r.index);
        combo.setCurrentIndex(r.index);
        EXPECT_EQ(iface->text(QAccessible::Name).toStdString(), r.name);
        EXPECT_EQ(iface->text(QAccessible::Value).toStdString(), r.value);
        EXPECT_EQ(text->text(0, -1).toStdString(), r.value);
        EXPECT_EQ(text->characterCount(), int(qstrlen(r.value)));
    }
    // Out-of-range offsets from a reader are clamped, never read past the end.
    combo.setCurrentIndex(1);
    EXPECT_EQ(text->text(2, 100).toStdString(), "able");
    EXPECT_EQ(text->text(-5, 2).toStdString(), "En");
}

// A reader speaks a new item told as put in over the selected old one (the insertion itself
// is seen in the screen-reader lab test: offscreen, no event reaches a handler).
TEST(DropDownAccessible, WhileFocusedItsItemIsSelectedAndReadAtOnceAtItsEnd)
{
    DropDownList combo;
    combo.addItems({QStringLiteral("Disable"), QStringLiteral("Enable")});
    MakeDropDownSpeakItsValue(&combo);
    QAccessibleTextInterface* text = QAccessible::queryAccessibleInterface(&combo)->textInterface();
    int start = -1, end = -1;
    // Not focused: nothing is drawn selected.
    EXPECT_EQ(text->selectionCount(), 0);

    combo.show();
    combo.activateWindow();
    combo.setFocus();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&combo));
    ASSERT_TRUE(combo.hasFocus());
    ASSERT_EQ(text->selectionCount(), 1);
    text->selection(0, &start, &end);
    EXPECT_EQ(start, 0);
    EXPECT_EQ(end, 7);

    combo.setCurrentIndex(1);
    text->selection(0, &start, &end);
    EXPECT_EQ(end, 6);
    // A reader at the end of the item gets it at once, never a wait.
    EXPECT_EQ(text->textAtOffset(6, QAccessible::WordBoundary, &start, &end), QStringLiteral("Enable"));
}

} // namespace
} // namespace telvorin
