// SPDX-License-Identifier: GPL-3.0-or-later
#include "resources/Templates.h"
#include "ui/Colours.h"
#include "ui/DialogBuilder.h"
#include "ui/IpAddressEdit.h"
#include "ui/Messages.h"
#include "ui/ModalHelper.h"
#include "ui/QtPrinters.h"
#include "ui/ReportList.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

using namespace telvorin;

TEST(DialogUnits, ConvertLikeTheDialogManagerRounds)
{
    const DialogUnits units{6, 12};
    struct Row {
        int units, x, y;
    };
    // x*cx/4 and y*cy/8, halves rounded up.
    const Row rows[] = {{0, 0, 0},   {1, 2, 2},       {2, 3, 3},      {3, 5, 5},
                        {8, 12, 12}, {283, 425, 425}, {245, 368, 368}};
    for (const Row& r : rows) {
        EXPECT_EQ(units.toPixelsX(r.units), r.x) << r.units;
        EXPECT_EQ(units.toPixelsY(r.units), r.y) << r.units;
    }
    // Arial at 8 points on a 96 dpi screen: about 6 by 12 pixels per base unit.
    const DialogUnits arial = DialogUnits::forFont(TemplateFont(MainTemplate));
    EXPECT_GE(arial.cx, 5);
    EXPECT_LE(arial.cx, 7);
    EXPECT_GE(arial.cy, 11);
    EXPECT_LE(arial.cy, 14);
}

TEST(DialogBuilder, MainTemplateControlsSitWhereTheTemplatePutsThem)
{
    QDialog dialog;
    BuildDialog(dialog, MainTemplate);
    const DialogUnits units = DialogUnits::forFont(TemplateFont(MainTemplate));
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Telvorin"));
    EXPECT_EQ(dialog.size(), QSize(units.toPixelsX(283), units.toPixelsY(245)));

    for (const ControlTemplate& c : MainTemplate.controls) {
        SCOPED_TRACE(c.objectName);
        auto* widget = dialog.findChild<QWidget*>(QString::fromLatin1(c.objectName));
        ASSERT_NE(widget, nullptr);
        if (c.id != -1) {
            EXPECT_EQ(FindControlWidget(dialog, c.id), widget);
        }
        const QRect expected = units.toPixels(c.x, c.y, c.w, c.h);
        EXPECT_EQ(RectInWindow(*widget).topLeft(), expected.topLeft());
        if (c.kind == ControlKind::Label) {
            EXPECT_GE(widget->width(), expected.width()); // grows rather than cut its text
        } else if (c.kind == ControlKind::DropDownList) {
            EXPECT_EQ(widget->width(), expected.width()); // closed height is the font's
        } else {
            EXPECT_EQ(widget->size(), expected.size());
        }
    }
}

TEST(DialogBuilder, TabOrderAndStackingFollowTheTemplate)
{
    QDialog dialog;
    BuildDialog(dialog, MainTemplate);

    // The focus chain visits the focusable controls in template order.
    std::vector<QWidget*> expected;
    for (const ControlTemplate& c : MainTemplate.controls) {
        if (c.kind != ControlKind::Label && c.kind != ControlKind::GroupBox)
            expected.push_back(dialog.findChild<QWidget*>(QString::fromLatin1(c.objectName)));
    }
    std::vector<QWidget*> visited{expected.front()};
    for (QWidget* w = expected.front()->nextInFocusChain(); w != expected.front();
         w = w->nextInFocusChain()) {
        if (std::find(expected.begin(), expected.end(), w) != expected.end())
            visited.push_back(w);
    }
    EXPECT_EQ(visited, expected);

    // Group boxes are drawn behind the controls inside them, so clicks reach those.
    for (const ControlTemplate& c : MainTemplate.controls) {
        if (c.kind == ControlKind::GroupBox || c.kind == ControlKind::Label)
            continue;
        QWidget* control = dialog.findChild<QWidget*>(QString::fromLatin1(c.objectName));
        QWidget* hit = dialog.childAt(RectInWindow(*control).center());
        EXPECT_TRUE(hit == control || control->isAncestorOf(hit)) << c.objectName;
    }
}

TEST(IpAddressEdit, ReadsSetsAndClearsOctets)
{
    IpAddressEdit edit;
    EXPECT_TRUE(edit.isBlank());
    EXPECT_EQ(edit.text(), QString());
    std::array<int, 4> octets{9, 9, 9, 9};
    EXPECT_EQ(edit.address(octets), 0);
    EXPECT_EQ(octets, (std::array<int, 4>{0, 0, 0, 0}));

    // Blank is not 0.0.0.0.
    edit.setAddress(0, 0, 0, 0);
    EXPECT_FALSE(edit.isBlank());
    EXPECT_EQ(edit.text(), QStringLiteral("0.0.0.0"));

    // An empty octet reads 0, and the count says how many were filled.
    edit.octetField(1)->clear();
    edit.octetField(0)->setText(QStringLiteral("192"));
    EXPECT_EQ(edit.address(octets), 3);
    EXPECT_EQ(octets, (std::array<int, 4>{192, 0, 0, 0}));

    edit.setOctets({10, 64, 0, 255});
    EXPECT_EQ(edit.text(), QStringLiteral("10.64.0.255"));
    edit.clearAddress();
    EXPECT_TRUE(edit.isBlank());

    edit.setEnabled(false);
    for (int i = 0; i < 4; ++i)
        EXPECT_FALSE(edit.octetField(i)->isEnabled());
}

TEST(IpAddressEdit, TypingMovesThroughTheOctets)
{
    struct Row {
        const char* typed;
        const char* text; // as read back
    };
    const Row rows[] = {
        {"192.168.0.1", "192.168.0.1"}, {"1921680", "192.168.0.0"}, // three digits end an octet by themselves
        {"10..5", "10.5.0.0"},      // a dot on an empty octet does not skip it
        {"999.1.2.3", "999.1.2.3"}, // out-of-range values are the caller's to judge
        {"1a2-3.4", "123.4.0.0"},   // only digits are taken
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.typed);
        IpAddressEdit edit;
        edit.show();
        edit.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&edit));
        edit.focusOctet(0);
        // Keys go to whichever octet has taken over the focus.
        for (const char ch : std::string_view(r.typed)) {
            QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : edit.octetField(0);
            QTest::keyClicks(target, QString(QLatin1Char(ch)));
        }
        EXPECT_EQ(edit.text(), QString::fromLatin1(r.text));
    }
}

namespace {

// The control of `dialog` (its child or a group box's) that holds the keyboard focus (an
// address field for any of its octets).
QWidget* FocusedControl(const QDialog& dialog)
{
    QWidget* w = QApplication::focusWidget();
    while (w && w->parentWidget() != &dialog && !qobject_cast<QGroupBox*>(w->parentWidget()))
        w = w->parentWidget();
    return w;
}

} // namespace

TEST(IpAddressEdit, EachAddressFieldIsOneTabStopInTemplateOrder)
{
    QDialog dialog;
    BuildDialog(dialog, MainTemplate);
    dialog.show();
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));

    std::vector<QWidget*> expected;
    for (const ControlTemplate& c : MainTemplate.controls) {
        if (c.kind != ControlKind::Label && c.kind != ControlKind::GroupBox)
            expected.push_back(dialog.findChild<QWidget*>(QString::fromLatin1(c.objectName)));
    }
    expected.front()->setFocus(Qt::TabFocusReason);

    // Forwards and backwards, once round the window each.
    for (const bool backwards : {false, true}) {
        SCOPED_TRACE(backwards ? "Shift+Tab" : "Tab");
        std::vector<QWidget*> visited{FocusedControl(dialog)};
        for (std::size_t i = 0; i < expected.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), backwards ? Qt::Key_Backtab : Qt::Key_Tab,
                            backwards ? Qt::ShiftModifier : Qt::NoModifier);
            visited.push_back(FocusedControl(dialog));
        }
        std::vector<QWidget*> want = expected;
        if (backwards)
            std::reverse(want.begin() + 1, want.end());
        want.push_back(want.front());
        EXPECT_EQ(visited, want);
    }

    // Tab and Shift+Tab leave an address field from any of its octets.
    auto* ip = FindControl<IpAddressEdit>(dialog, IdIpAddress);
    auto* netmask = FindControl<IpAddressEdit>(dialog, IdNetmask);
    auto* configuration = FindControl<QPushButton>(dialog, IdConfiguration);
    for (int octet = 0; octet < 4; ++octet) {
        SCOPED_TRACE(octet);
        ip->focusOctet(octet);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), netmask->octetField(0));
        ip->focusOctet(octet);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        EXPECT_EQ(QApplication::focusWidget(), configuration);
    }
    dialog.hide();
}

TEST(IpAddressEdit, ArrowsDotAndBackspaceMoveBetweenOctets)
{
    IpAddressEdit edit;
    edit.setOctets({10, 20, 30, 40});
    edit.show();
    edit.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&edit));

    struct Row {
        int from;
        int cursor; // cursor position in the octet; -1 leaves the octet's text selected
        Qt::Key key;
        int to; // octet with the focus afterwards
        int cursorAfter;
    };
    const Row rows[] = {
        {0, 2, Qt::Key_Right, 1, 0},     {0, 1, Qt::Key_Right, 0, 2},   // only at the octet's end
        {3, 2, Qt::Key_Right, 3, 2},     {1, 0, Qt::Key_Left, 0, 2},    // the last octet keeps it
        {1, 1, Qt::Key_Left, 1, 0},      {0, 0, Qt::Key_Left, 0, 0},    // the first too
        {1, 2, Qt::Key_Period, 2, 2},    {1, -1, Qt::Key_Period, 1, 2}, // a dot on a selection does nothing
        {2, 0, Qt::Key_Backspace, 1, 2},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(testing::Message() << "octet " << r.from << " key " << r.key);
        edit.setOctets({10, 20, 30, 40});
        edit.focusOctet(r.from);
        QLineEdit* field = edit.octetField(r.from);
        if (r.cursor >= 0)
            field->setCursorPosition(r.cursor);
        QTest::keyClick(field, r.key);
        EXPECT_EQ(QApplication::focusWidget(), edit.octetField(r.to));
        EXPECT_EQ(edit.octetField(r.to)->cursorPosition(), r.cursorAfter);
        EXPECT_EQ(edit.text(), QStringLiteral("10.20.30.40")); // moving never edits
    }
}

TEST(Messages, OneOkButtonCaptionAndIcon)
{
    struct Row {
        MessageIcon icon;
        QMessageBox::Icon qt;
        const char* caption;
        QString shown;
    };
    const Row rows[] = {
        {MessageIcon::Stop, QMessageBox::Critical, "Error", QStringLiteral("Error")},
        {MessageIcon::Exclamation, QMessageBox::Warning, "Warning", QStringLiteral("Warning")},
        {MessageIcon::Information, QMessageBox::Information, "Confirm", QStringLiteral("Confirm")},
        {MessageIcon::None, QMessageBox::NoIcon, "", QApplication::applicationName()},
    };
    QDialog owner;
    owner.show();
    for (const Row& r : rows) {
        SCOPED_TRACE(r.caption);
        QMessageBox::Icon icon = QMessageBox::Question;
        int buttons = -1;
        QWidget* parent = nullptr;
        QString title;
        QString text;
        test::ModalAnswerer answer([&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            ASSERT_NE(box, nullptr);
            icon = box->icon();
            buttons = static_cast<int>(box->buttons().size());
            parent = box->parentWidget();
            title = box->windowTitle();
            text = box->text();
            box->button(QMessageBox::Ok)->click();
        });
        QtMessages().show(&owner, QStringLiteral("Failed to map drive."), QString::fromLatin1(r.caption),
                          r.icon);
        ASSERT_TRUE(answer.answered());
        EXPECT_EQ(icon, r.qt);
        EXPECT_EQ(buttons, 1);
        EXPECT_EQ(parent, &owner);
        EXPECT_EQ(title, r.shown);
        EXPECT_EQ(text, QStringLiteral("Failed to map drive."));
    }
    owner.hide();
    EXPECT_NO_WINDOW_LEFT();
}

TEST(Colours, DialogsAndTheirTextAreColouredOthersKeepTheirLook)
{
    QDialog dialog;
    BuildDialog(dialog, MainTemplate);
    dialog.show();
    QApplication::processEvents();
    const QImage image = dialog.grab().toImage();
    EXPECT_EQ(image.pixelColor(1, image.height() - 2), DialogBackground);

    struct Row {
        const char* name;
        QPalette::ColorRole role;
        bool white;
    };
    const Row rows[] = {
        {"ipLabel", QPalette::WindowText, true},        {"lanGroup", QPalette::WindowText, true},
        {"refreshButton", QPalette::ButtonText, false}, {"dhcpCombo", QPalette::ButtonText, false},
        {"deviceList", QPalette::Text, false},
    };
    for (const Row& r : rows) {
        auto* widget = dialog.findChild<QWidget*>(QString::fromLatin1(r.name));
        ASSERT_NE(widget, nullptr) << r.name;
        EXPECT_EQ(widget->palette().color(r.role) == DialogText, r.white) << r.name;
    }
    // An octet field inside the address control keeps the edit look.
    auto* ip = FindControl<IpAddressEdit>(dialog, IdIpAddress);
    EXPECT_NE(ip->octetField(0)->palette().color(QPalette::Base), DialogBackground);
    dialog.hide();
}

TEST(ReportList, ADoubleClickIsOneClick)
{
    ReportList list;
    list.setColumns({{"Name", 94}, {"IP", 81}});
    new QTreeWidgetItem(&list, {QStringLiteral("NAS-1"), QStringLiteral("10.64.0.10")});
    list.resize(300, 120);
    list.show();
    QApplication::processEvents();
    const QPoint row = list.visualItemRect(list.topLevelItem(0)).center();
    const QPoint below(row.x(), list.viewport()->height() - 4);

    // The event sequences a window system delivers for the gestures.
    using E = QEvent::Type;
    struct Row {
        const char* gesture;
        std::vector<std::pair<E, QPoint>> events;
        int clicks;
    };
    const Row rows[] = {
        {"click on a row", {{E::MouseButtonPress, row}, {E::MouseButtonRelease, row}}, 1},
        {"click below the rows", {{E::MouseButtonPress, below}, {E::MouseButtonRelease, below}}, 1},
        {"double click",
         {{E::MouseButtonPress, row},
          {E::MouseButtonRelease, row},
          {E::MouseButtonPress, row},
          {E::MouseButtonDblClick, row},
          {E::MouseButtonRelease, row}},
         1},
        {"double click, then a click",
         {{E::MouseButtonPress, row},
          {E::MouseButtonRelease, row},
          {E::MouseButtonPress, row},
          {E::MouseButtonDblClick, row},
          {E::MouseButtonRelease, row},
          {E::MouseButtonPress, row},
          {E::MouseButtonRelease, row}},
         2},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.gesture);
        QSignalSpy clicks(&list, &ReportList::clickedAnywhere);
        for (const auto& [type, pos] : r.events) {
            const bool down = type != E::MouseButtonRelease;
            QMouseEvent event(type, pos, list.viewport()->mapToGlobal(pos), Qt::LeftButton,
                              down ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(list.viewport(), &event);
        }
        EXPECT_EQ(clicks.count(), r.clicks);
    }
}
