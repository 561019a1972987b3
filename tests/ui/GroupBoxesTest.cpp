// SPDX-License-Identifier: GPL-3.0-or-later
// Group boxes as the containers of the controls drawn inside them: what a screen reader
// finds above each control, where the controls end up, and the focus ring around them.
#include "resources/Templates.h"
#include "ui/Colours.h"
#include "ui/DialogBuilder.h"
#include "ui/FocusRing.h"
#include "ui/IpAddressEdit.h"

#include <QAccessible>
#include <QApplication>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

using namespace telvorin;

namespace {

// The names of the groupings above `widget` in the accessibility tree, innermost first.
QStringList GroupingsAbove(QWidget* widget)
{
    QStringList names;
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(widget);
    for (QAccessibleInterface* up = iface ? iface->parent() : nullptr; up; up = up->parent()) {
        if (up->role() == QAccessible::Grouping)
            names << up->text(QAccessible::Name);
    }
    return names;
}

} // namespace

TEST(GroupBoxes, ScreenReadersFindEachMainWindowControlInsideItsGroup)
{
    QDialog dialog;
    BuildDialog(dialog, MainTemplate);

    struct Row {
        const char* control;
        const char* group;    // null: the window's own
        bool labelledByTitle; // Qt's lists name no labels at all
    };
    const Row rows[] = {
        {"deviceList", "Network Storage Device", false},
        {"refreshButton", "Network Storage Device", true},
        {"configurationButton", "Network Storage Device", true},
        {"languageButton", "Network Storage Device", true},
        {"bitTorrentButton", "Network Storage Device", true},
        {"ipLabel", "LAN", false},
        {"ipAddressEdit", "LAN", true},
        {"netmaskEdit", "LAN", true},
        {"gatewayEdit", "LAN", true},
        {"dhcpLabel", "LAN", false},
        {"dhcpCombo", "LAN", true},
        {"applyButton", "LAN", true},
        {"volumeList", "Drive Mapping", false},
        {"driveLettersLabel", "Drive Mapping", false},
        {"driveLetterCombo", "Drive Mapping", true},
        {"connectButton", "Drive Mapping", true},
        {"disconnectButton", "Drive Mapping", true},
        {"aboutButton", nullptr, false},
        {"exitButton", nullptr, false},
        {"deviceGroup", nullptr, false},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.control);
        auto* widget = dialog.findChild<QWidget*>(QString::fromLatin1(r.control));
        ASSERT_NE(widget, nullptr);
        const QStringList expected = r.group ? QStringList{QString::fromLatin1(r.group)} : QStringList{};
        EXPECT_EQ(GroupingsAbove(widget), expected);
        // The title is also what the control is labelled by, beside its own label.
        if (r.labelledByTitle) {
            bool labelledByGroup = false;
            for (const auto& [label, relation] :
                 QAccessible::queryAccessibleInterface(widget)->relations(QAccessible::Label))
                labelledByGroup |= label->role() == QAccessible::Grouping &&
                                   label->text(QAccessible::Name) == QString::fromLatin1(r.group);
            EXPECT_TRUE(labelledByGroup);
        }
    }
    // The focus sits on an octet of an address field: the group is above it too.
    auto* ip = FindControl<IpAddressEdit>(dialog, IdIpAddress);
    EXPECT_EQ(GroupingsAbove(ip->octetField(0)), QStringList{QStringLiteral("LAN")});
    // A label still names its control for screen readers inside the group.
    EXPECT_EQ(dialog.findChild<QLabel*>(QStringLiteral("ipLabel"))->buddy(), ip);
}

TEST(GroupBoxes, AControlGoesIntoTheSmallestBoxAroundItAtTheSamePlace)
{
    struct Item {
        const char* name; // a name ending in "box" makes a group box, any other a label
        QRect rect;
        const char* parent;
    };
    const std::vector<Item> cases[] = {
        // Inside, exactly on the frame, grown across it, across it, outside.
        {{"box", {10, 10, 100, 50}, "dialog"},
         {"in", {20, 20, 30, 10}, "box"},
         {"grown", {95, 40, 15, 10}, "box"},
         {"edge", {10, 10, 100, 50}, "box"},
         {"across", {90, 20, 40, 10}, "dialog"},
         {"out", {150, 20, 20, 10}, "dialog"}},
        // Nested: the inner box holds, and goes itself into the outer one, in either order.
        {{"outer box", {0, 0, 200, 100}, "dialog"},
         {"inner box", {10, 20, 80, 50}, "outer box"},
         {"deep", {15, 30, 20, 10}, "inner box"},
         {"shallow", {120, 30, 20, 10}, "outer box"}},
        {{"inner box", {10, 20, 80, 50}, "outer box"},
         {"outer box", {0, 0, 200, 100}, "dialog"},
         {"deep", {15, 30, 20, 10}, "inner box"}},
        // Two boxes of one rectangle stay side by side.
        {{"first box", {10, 10, 50, 50}, "dialog"},
         {"second box", {10, 10, 50, 50}, "dialog"},
         {"in", {20, 20, 10, 10}, "first box"}},
    };
    for (const std::vector<Item>& items : cases) {
        SCOPED_TRACE(items.front().name);
        QDialog dialog;
        dialog.setObjectName(QStringLiteral("dialog"));
        std::vector<PlacedControl> placed;
        for (const Item& item : items) {
            const QString name = QString::fromLatin1(item.name);
            QWidget* widget = name.endsWith(QLatin1String("box"))
                                  ? static_cast<QWidget*>(new QGroupBox(name, &dialog))
                                  : new QLabel(name, &dialog);
            widget->setObjectName(name);
            // A label grown a little beyond the template for its text, which decides nothing.
            widget->setGeometry(qobject_cast<QLabel*>(widget) ? item.rect.adjusted(0, 0, 7, 3) : item.rect);
            // Measured (and so polished) first, then given tighter letters, as the
            // builder does for a label a little narrow for its text.
            widget->ensurePolished();
            QFont tight = widget->font();
            tight.setLetterSpacing(QFont::PercentageSpacing, 93);
            widget->setFont(tight);
            placed.push_back({widget, item.rect});
        }
        std::vector<QRect> shown;
        for (const PlacedControl& p : placed)
            shown.push_back(p.widget->geometry());

        ParentIntoGroupBoxes(dialog, placed);
        for (std::size_t i = 0; i < items.size(); ++i) {
            SCOPED_TRACE(items[i].name);
            QWidget* widget = placed[i].widget;
            EXPECT_EQ(widget->parentWidget()->objectName().toStdString(), items[i].parent);
            // Where it was in the window, with the font set on it alone.
            EXPECT_EQ(RectInWindow(*widget), shown[i]);
            EXPECT_EQ(widget->font().letterSpacing(), 93.0);
        }
    }
}

TEST(GroupBoxes, TheFocusRingGoesRoundAControlInsideAGroupWhereItIsShown)
{
    QDialog dialog;
    BuildDialog(dialog, MainTemplate);
    dialog.show();
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    auto* ring = dialog.findChild<FocusRing*>(QStringLiteral("focusRing"));
    ASSERT_NE(ring, nullptr);
    auto* ip = FindControl<IpAddressEdit>(dialog, IdIpAddress);

    struct Row {
        const char* what;
        QWidget* focus;
        QWidget* ringed;
    };
    const Row rows[] = {
        {"an octet of the address field", ip->octetField(2), ip},
        {"a list inside a group", FindControl<QWidget>(dialog, IdVolumeList),
         FindControl<QWidget>(dialog, IdVolumeList)},
        {"a button outside any group", FindControl<QWidget>(dialog, IdExit),
         FindControl<QWidget>(dialog, IdExit)},
        {"a button inside a group", FindControl<QWidget>(dialog, IdApply),
         FindControl<QWidget>(dialog, IdApply)},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        r.focus->setFocus(Qt::TabFocusReason);
        EXPECT_TRUE(QTest::qWaitFor([&] { return ring->ringed() == r.ringed; }));
        const QImage image = dialog.grab().toImage();
        const QRect control = RectInWindow(*r.ringed);
        const qreal scale = image.devicePixelRatio();
        // The light outer ring just left of the control, halfway down, in the window.
        const QPoint ringPixel((control.left() - 2) * scale, (control.top() + control.height() / 2) * scale);
        EXPECT_EQ(image.pixelColor(ringPixel), FocusRingOuter);
    }

    // Focus in a window over this one, even inside a group box there, rings nothing here.
    QDialog over(&dialog);
    BuildDialog(over, MainTemplate);
    over.show();
    over.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&over));
    FindControl<QWidget>(over, IdApply)->setFocus(Qt::TabFocusReason);
    EXPECT_TRUE(QTest::qWaitFor([&] { return ring->ringed() == nullptr; }));
    over.hide();
    dialog.hide();
}
