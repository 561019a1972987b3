// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/DropDownAccessible.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>
#include <algorithm>
#include <memory>

namespace telvorin {

namespace {

constexpr const char* SpeaksValueProperty = "telvorinSpeaksValue";

// The current item as read-only text: readers take a drop-down's value from its text.
class DropDownInterface : public QAccessibleWidget, public QAccessibleTextInterface {
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

    // QAccessibleTextInterface over the current item.
    void selection(int, int* start, int* end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int start, int end) const override
    {
        const QString current = combo()->currentText();
        start = std::clamp(start, 0, int(current.size()));
        end = end < 0 ? int(current.size()) : std::clamp(end, start, int(current.size()));
        return current.mid(start, end - start);
    }
    int characterCount() const override { return int(combo()->currentText().size()); }
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* start, int* end) const override
    {
        *start = 0;
        *end = characterCount();
        return {};
    }

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
    static const bool installed = [] {
        QAccessible::installFactory(DropDownFactory);
        return true;
    }();
    Q_UNUSED(installed);
    combo->setProperty(SpeaksValueProperty, true);
    // An interface made while the base class was being built is the stock one: drop it,
    // so the next query goes through the factory above.
    if (QAccessibleInterface* stock = QAccessible::queryAccessibleInterface(combo);
        stock && !dynamic_cast<DropDownInterface*>(stock))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(stock));

    // A changed item is told as changed text, which a reader speaks for the focused control.
    auto previous = std::make_shared<QString>(combo->currentText());
    QObject::connect(combo, &QComboBox::currentTextChanged, combo, [combo, previous](const QString& now) {
        QAccessibleTextUpdateEvent event(combo, 0, *previous, now);
        QAccessible::updateAccessibility(&event);
        *previous = now;
    });
}

} // namespace telvorin
