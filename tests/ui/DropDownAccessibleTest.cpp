// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/DropDownAccessible.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>

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

} // namespace
} // namespace telvorin
