// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/DropDownAccessible.h"

#include "ui/AccessibleText.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>

namespace telvorin {

namespace {

constexpr const char* SpeaksValueProperty = "telvorinSpeaksValue";

// The current item as read-only text: readers take a drop-down's value from its text.
class DropDownInterface : public QAccessibleWidget, public SingleLineTextInterface {
public:
    explicit DropDownInterface(QComboBox* combo)
        : QAccessibleWidget(combo, QAccessible::ComboBox)
    {
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text t) const override
    {
        switch (t) {
        case QAccessible::Name: {
            // What it is while nothing is chosen; the item once there is one.
            const QString current = combo()->currentText();
            return current.isEmpty() ? combo()->accessibleName() : current;
        }
        case QAccessible::Value: return combo()->currentText();
        default: return QAccessibleWidget::text(t);
        }
    }

    QStringList actionNames() const override
    {
        return QAccessibleWidget::actionNames() << showMenuAction() << pressAction();
    }

    void doAction(const QString& action) override
    {
        if (action == showMenuAction() || action == pressAction())
            combo()->showPopup();
        else
            QAccessibleWidget::doAction(action);
    }

    // The text interface over the current item. While the list has the focus its item is
    // drawn selected, and is told so: a reader then speaks an item that replaces it.
    QString lineText() const override { return combo()->currentText(); }
    using SingleLineTextInterface::text;
    void selection(int index, int* start, int* end) const override
    {
        *start = *end = 0;
        if (index == 0 && selectionCount() == 1)
            *end = characterCount();
    }
    int selectionCount() const override { return combo()->hasFocus() && characterCount() > 0 ? 1 : 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }

private:
    QComboBox* combo() const { return static_cast<QComboBox*>(widget()); }
};

QAccessibleInterface* DropDownFactory(const QString& className, QObject* object)
{
    Q_UNUSED(className);
    auto* combo = qobject_cast<DropDownList*>(object);
    if (!combo || !combo->property(SpeaksValueProperty).toBool())
        return nullptr;
    return new DropDownInterface(combo);
}

} // namespace

void MakeDropDownSpeakItsValue(DropDownList* combo)
{
    UseOwnInterface<DropDownInterface>(combo, SpeaksValueProperty, DropDownFactory);

    // A changed item is told as the new text put in over the selection, which a reader
    // speaks for the focused control. (Told as a removal too, it would be read as "selection
    // deleted".)
    QObject::connect(combo, &QComboBox::currentTextChanged, combo, [combo](const QString& now) {
        if (now.isEmpty())
            return;
        QAccessibleTextInsertEvent event(combo, 0, now);
        QAccessible::updateAccessibility(&event);
    });
}

} // namespace telvorin
