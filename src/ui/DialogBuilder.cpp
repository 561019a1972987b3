// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/DialogBuilder.h"

#include "ui/AccessibleText.h"
#include "ui/DropDownAccessible.h"
#include "ui/FocusRing.h"
#include "ui/IpAddressEdit.h"
#include "ui/ReportList.h"
#include "ui/TextRoom.h"
#include "ui/Texts.h"

#include <QComboBox>
#include <QDialog>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QStyle>
#include <QStyleOption>
#include <QVariant>

#include <algorithm>
#include <numeric>
#include <utility>
#include <vector>

namespace telvorin {

namespace {

constexpr const char* ControlIdProperty = "controlId";

int MulDivRounded(int value, int numerator, int denominator)
{
    const long long product = static_cast<long long>(value) * numerator;
    const long long half = denominator / 2;
    return static_cast<int>(product >= 0 ? (product + half) / denominator : (product - half) / denominator);
}

QWidget* MakeControl(QDialog& dialog, const ControlTemplate& c, const QFont& font, const DialogUnits& units,
                     QRect& rect)
{
    const QString text = TrText(c.text);
    QWidget* widget = nullptr;
    switch (c.kind) {
    case ControlKind::PushButton:
    case ControlKind::DefaultPushButton: {
        auto* button = new QPushButton(text, &dialog);
        button->setDefault(c.kind == ControlKind::DefaultPushButton);
        widget = button;
        break;
    }
    case ControlKind::Label: {
        auto* label = new QLabel(&dialog);
        // Shown as written: an ampersand is text, not a mnemonic marker.
        label->setTextFormat(Qt::PlainText);
        label->setText(text);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        widget = label;
        break;
    }
    case ControlKind::GroupBox: widget = new QGroupBox(text, &dialog); break;
    case ControlKind::Edit:
    case ControlKind::PasswordEdit: {
        auto* edit = new QLineEdit(&dialog);
        if (c.kind == ControlKind::PasswordEdit)
            edit->setEchoMode(QLineEdit::Password);
        MakeLineEditReadWhole(edit);
        widget = edit;
        break;
    }
    case ControlKind::ListView: widget = new ReportList(&dialog); break;
    case ControlKind::IpAddress: widget = new IpAddressEdit(&dialog); break;
    case ControlKind::DropDownList: {
        auto* combo = new DropDownList(&dialog);
        combo->setFont(font);
        // Sorted by the template's own texts, so every language lists the items in one
        // order; each item's data is its index in the template, what the logic goes by.
        std::vector<int> order(c.items.size());
        std::iota(order.begin(), order.end(), 0);
        if (c.style & StyleSorted) {
            std::stable_sort(order.begin(), order.end(), [&c](int a, int b) {
                return QString::fromUtf8(c.items[std::size_t(a)])
                           .compare(QString::fromUtf8(c.items[std::size_t(b)]), Qt::CaseInsensitive) < 0;
            });
        }
        for (int index : order)
            combo->addItem(TrText(c.items[std::size_t(index)]), index);
        combo->setCurrentIndex(-1);
        MakeDropDownSpeakItsValue(combo);
        combo->setMaxVisibleItems(
            std::max(1, units.toPixelsY(c.h) / std::max(1, combo->fontMetrics().height()) - 1));
        widget = combo;
        break;
    }
    case ControlKind::Icon: {
        auto* label = new QLabel(&dialog);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        widget = label;
        break;
    }
    case ControlKind::ProgressBar: {
        auto* bar = new QProgressBar(&dialog);
        bar->setTextVisible(false);
        widget = bar;
        break;
    }
    }

    // Every control carries the template font itself, so a later re-polish of the
    // dialog (new window flags, a style sheet) cannot drop it back to the default.
    widget->setFont(font);
    rect = units.toPixels(c.x, c.y, c.w, c.h);
    if (c.kind == ControlKind::DropDownList) {
        // The template's height is that of the open list; the closed box is one line.
        rect.setHeight(widget->sizeHint().height());
    } else if (c.kind == ControlKind::Label) {
        // Our font need not measure exactly like the one the template was drawn with.
        // A label a little too narrow for its text gets slightly tighter letters (so it
        // stays clear of its neighbour), and grows if that is still not enough.
        const int needed = widget->sizeHint().width();
        if (needed > rect.width() && needed > 0) {
            QFont condensed = font;
            condensed.setLetterSpacing(QFont::PercentageSpacing, std::max(90, 100 * rect.width() / needed));
            widget->setFont(condensed);
        }
        // Wider texts get their room with the other controls' (MakeRoomForTexts).
        rect.setHeight(std::max(rect.height(), widget->sizeHint().height()));
    } else if (c.kind == ControlKind::Icon) {
        // An icon control shows the icon at its own size, whatever the template says.
        rect.setSize(QSize(32, 32));
    }
    widget->setProperty(ControlIdProperty, c.id);
    if (c.objectName)
        widget->setObjectName(QString::fromUtf8(c.objectName));
    if (c.accessibleName) {
        const QString name = TrText(c.accessibleName);
        if (auto* address = qobject_cast<IpAddressEdit*>(widget))
            address->setAccessibleFieldName(name);
        else
            widget->setAccessibleName(name);
    }
    return widget;
}

// The room a control needs for its text (in the language shown), how it grows for it.
RoomControl TextRoomOf(QWidget* widget, const QRect& rect)
{
    RoomControl room{rect, 0, RoomRole::Fixed};
    const QFontMetrics metrics = widget->fontMetrics();
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        room.role = RoomRole::Text;
        if (!label->text().isEmpty())
            room.needed = label->sizeHint().width();
    } else if (auto* button = qobject_cast<QPushButton*>(widget)) {
        QStyleOptionButton option;
        option.initFrom(button);
        option.rect = QRect(QPoint(), rect.size());
        const QRect contents =
            button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
        room.role = RoomRole::Button;
        room.needed =
            metrics.size(Qt::TextShowMnemonic, button->text()).width() + rect.width() - contents.width();
    } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        QStyleOptionComboBox option;
        option.initFrom(combo);
        option.rect = QRect(QPoint(), rect.size());
        const QRect field =
            combo->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo);
        int widest = 0;
        for (int i = 0; i < combo->count(); ++i)
            widest = std::max(widest, metrics.size(Qt::TextSingleLine, combo->itemText(i)).width());
        room.role = RoomRole::Text;
        if (widest > 0)
            room.needed = widest + rect.width() - field.width();
    } else if (auto* box = qobject_cast<QGroupBox*>(widget)) {
        QStyleOptionGroupBox option;
        option.initFrom(box);
        option.rect = QRect(QPoint(), rect.size());
        option.text = box->title();
        option.subControls = QStyle::SC_GroupBoxLabel;
        const QRect title =
            box->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, box);
        room.role = RoomRole::Container;
        // As much room after the title as before it.
        if (!box->title().isEmpty())
            room.needed = title.x() + title.width() + std::max(0, title.x());
    }
    return room;
}

bool TakesFocus(ControlKind kind)
{
    switch (kind) {
    case ControlKind::Label:
    case ControlKind::GroupBox:
    case ControlKind::Icon:
    case ControlKind::ProgressBar: return false;
    default: return true;
    }
}

} // namespace

DialogUnits DialogUnits::forFont(const QFont& font)
{
    // The average width of the 52 letters, rounded, and the line height of the font:
    // the base units a dialog template's coordinates are measured in.
    const QFontMetrics metrics(font);
    const int letters =
        metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    DialogUnits units;
    units.cx = std::max(1, (letters / 26 + 1) / 2);
    units.cy = std::max(1, metrics.height());
    return units;
}

int DialogUnits::toPixelsX(int units) const
{
    return MulDivRounded(units, cx, 4);
}

int DialogUnits::toPixelsY(int units) const
{
    return MulDivRounded(units, cy, 8);
}

QRect DialogUnits::toPixels(int x, int y, int w, int h) const
{
    return QRect(toPixelsX(x), toPixelsY(y), toPixelsX(w), toPixelsY(h));
}

QFont TemplateFont(const DialogTemplate& tpl)
{
    QFont font(QString::fromUtf8(tpl.fontFamily ? tpl.fontFamily : "Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(tpl.pointSize > 0 ? tpl.pointSize : 8);
    return font;
}

std::vector<QWidget*> BuildDialog(QDialog& dialog, const DialogTemplate& tpl)
{
    const QFont font = TemplateFont(tpl);
    dialog.setFont(font);
    dialog.setWindowTitle(TrText(tpl.caption));
    dialog.setProperty(ControlIdProperty, tpl.id);

    const DialogUnits units = DialogUnits::forFont(font);
    std::vector<QWidget*> widgets;
    std::vector<PlacedControl> placed;
    std::vector<QWidget*> tabOrder;
    std::vector<QWidget*> groupBoxes;
    std::vector<std::pair<QLabel*, int>> labels;
    std::vector<RoomControl> rooms;
    for (const ControlTemplate& c : tpl.controls) {
        QRect rect;
        QWidget* widget = MakeControl(dialog, c, font, units, rect);
        widgets.push_back(widget);
        rooms.push_back(TextRoomOf(widget, rect));
        placed.push_back({widget, rect});
        if (c.kind == ControlKind::GroupBox)
            groupBoxes.push_back(widget);
        if (c.kind == ControlKind::Label && c.labelFor != 0)
            labels.emplace_back(static_cast<QLabel*>(widget), c.labelFor);
        if (TakesFocus(c.kind))
            tabOrder.push_back(widget);
        else
            widget->setFocusPolicy(Qt::NoFocus);
    }
    // The template's places in pixels, widened where a text needs more room.
    const RoomLayout layout = MakeRoomForTexts(
        rooms, QSize(units.toPixelsX(tpl.width), units.toPixelsY(tpl.height)), units.toPixelsX(2));
    for (std::size_t i = 0; i < widgets.size(); ++i)
        widgets[i]->setGeometry(layout.rects[i]);
    // Group boxes go to the back, so one never covers a control beside it.
    for (QWidget* box : groupBoxes)
        box->lower();
    ParentIntoGroupBoxes(dialog, placed);
    // A window without a caption is named after its first label, so a screen reader
    // has something to announce when it opens.
    if (dialog.windowTitle().isEmpty()) {
        for (const ControlTemplate& c : tpl.controls) {
            if (c.kind == ControlKind::Label && c.text && *c.text) {
                dialog.setAccessibleName(TrText(c.text).trimmed());
                break;
            }
        }
    }
    for (const auto& [label, id] : labels) {
        if (QWidget* target = FindControlWidget(dialog, id))
            label->setBuddy(target);
    }
    for (std::size_t i = 1; i < tabOrder.size(); ++i)
        QWidget::setTabOrder(tabOrder[i - 1], tabOrder[i]);

    dialog.setFixedSize(layout.window);
    FocusRing::install(dialog);
    return widgets;
}

void ParentIntoGroupBoxes(QDialog& dialog, const std::vector<PlacedControl>& controls)
{
    std::vector<const PlacedControl*> boxes;
    for (const PlacedControl& c : controls) {
        if (qobject_cast<QGroupBox*>(c.widget) && c.widget->parentWidget() == &dialog)
            boxes.push_back(&c);
    }
    if (boxes.empty())
        return;
    const auto area = [](const QRect& r) { return static_cast<long long>(r.width()) * r.height(); };
    // Where every box is now, before any moves into another.
    std::vector<QPoint> corners;
    for (const PlacedControl* box : boxes)
        corners.push_back(box->widget->geometry().topLeft());
    for (const PlacedControl& c : controls) {
        if (c.widget->parentWidget() != &dialog)
            continue;
        const bool isBox = qobject_cast<QGroupBox*>(c.widget) != nullptr;
        std::size_t holder = boxes.size();
        for (std::size_t i = 0; i < boxes.size(); ++i) {
            const QRect& box = boxes[i]->templateRect;
            if (boxes[i] == &c || !box.contains(c.templateRect))
                continue;
            // A box goes only into a larger one: two boxes of one rectangle stay side by
            // side rather than each inside the other.
            if (isBox && area(box) <= area(c.templateRect))
                continue;
            if (holder == boxes.size() || area(box) < area(boxes[holder]->templateRect))
                holder = i;
        }
        if (holder == boxes.size())
            continue;
        // Reparenting a polished widget resolves its font against the new parent again,
        // which drops what was set on the control alone (a label's tighter letters).
        const QFont font = c.widget->font();
        const QRect place = c.widget->geometry();
        c.widget->setParent(boxes[holder]->widget);
        c.widget->setFont(font);
        c.widget->setGeometry(place.translated(-corners[holder]));
    }
}

QWidget* FindControlWidget(const QWidget& dialog, int id)
{
    // Through group boxes and any other widget, but not into another window (a dialog
    // opened over this one has controls of its own, with ids of their own).
    const auto children = dialog.findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (QWidget* child : children) {
        if (child->isWindow())
            continue;
        const QVariant value = child->property(ControlIdProperty);
        if (value.isValid() && value.toInt() == id)
            return child;
    }
    for (QWidget* child : children) {
        if (child->isWindow())
            continue;
        if (QWidget* found = FindControlWidget(*child, id))
            return found;
    }
    return nullptr;
}

QRect RectInWindow(const QWidget& widget)
{
    const QWidget* window = widget.window();
    if (window == &widget)
        return widget.rect();
    return QRect(widget.mapTo(window, QPoint()), widget.size());
}

} // namespace telvorin
