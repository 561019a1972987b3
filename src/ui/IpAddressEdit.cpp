// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/IpAddressEdit.h"
#include "ui/AccessibleText.h"
#include "ui/Texts.h"

#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QRegularExpressionValidator>
#include <QStyle>
#include <QStyleOptionFrame>

namespace telvorin {

IpAddressEdit::IpAddressEdit(QWidget* parent)
    : QFrame(parent)
{
    // Looks like one edit field: the style's edit panel is drawn behind the octets
    // (paintEvent), with the edit's frame width around them.
    setFrameStyle(QFrame::NoFrame);
    const int frame = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this);
    setContentsMargins(frame, frame, frame, frame);
    setFocusPolicy(Qt::StrongFocus);

    const auto* digits =
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,3}")), this);
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        auto* field = new QLineEdit(this);
        field->setObjectName(QStringLiteral("octet%1").arg(i));
        field->setFrame(false);
        field->setAlignment(Qt::AlignCenter);
        field->setMaxLength(3);
        field->setValidator(digits);
        field->setTextMargins(0, 0, 0, 0);
        // The field's panel shows through, its shading included, as under one edit. (A
        // palette would not do: the application's style sheet resets it.)
        field->setStyleSheet(QStringLiteral("QLineEdit { background: transparent; border: none; }"));
        // The whole field is one Tab stop, its first octet; the others are reached with
        // the arrows, a dot, typing or a click.
        if (i > 0)
            field->setFocusPolicy(Qt::ClickFocus);
        field->installEventFilter(this);
        MakeLineEditReadWhole(field);
        connect(field, &QLineEdit::textEdited, this, [this, i](const QString& text) {
            // Three digits typed: move on to the next octet, as address fields do.
            if (text.size() == 3 && i + 1 < fields_.size())
                focusOctet(static_cast<int>(i) + 1);
        });
        connect(field, &QLineEdit::textChanged, this, &IpAddressEdit::addressChanged);
        fields_[i] = field;
    }
    setFocusProxy(fields_[0]);
    layoutFields();
}

bool IpAddressEdit::isBlank() const
{
    for (const QLineEdit* field : fields_) {
        if (!field->text().isEmpty())
            return false;
    }
    return true;
}

std::array<int, 4> IpAddressEdit::octets() const
{
    std::array<int, 4> out{};
    address(out);
    return out;
}

int IpAddressEdit::address(std::array<int, 4>& out) const
{
    int filled = 0;
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        const QString text = fields_[i]->text();
        out[i] = text.isEmpty() ? 0 : text.toInt();
        if (!text.isEmpty())
            ++filled;
    }
    return filled;
}

QString IpAddressEdit::text() const
{
    if (isBlank())
        return {};
    const auto o = octets();
    return QStringLiteral("%1.%2.%3.%4").arg(o[0]).arg(o[1]).arg(o[2]).arg(o[3]);
}

void IpAddressEdit::setOctets(const std::array<int, 4>& octets)
{
    for (std::size_t i = 0; i < fields_.size(); ++i)
        fields_[i]->setText(QString::number(octets[i]));
}

void IpAddressEdit::setAddress(std::uint8_t a, std::uint8_t b, std::uint8_t c, std::uint8_t d)
{
    setOctets({a, b, c, d});
}

void IpAddressEdit::clearAddress()
{
    for (QLineEdit* field : fields_)
        field->clear();
}

void IpAddressEdit::focusOctet(int index)
{
    if (index < 0 || index >= static_cast<int>(fields_.size()))
        return;
    QLineEdit* field = fields_[static_cast<std::size_t>(index)];
    field->setFocus(Qt::OtherFocusReason);
    field->selectAll();
}

void IpAddressEdit::setAccessibleFieldName(const QString& name)
{
    setAccessibleName(name);
    for (std::size_t i = 0; i < fields_.size(); ++i)
        fields_[i]->setAccessibleName(
            Texts::tr("%1, octet %2 of %3").arg(name).arg(i + 1).arg(fields_.size()));
}

QLineEdit* IpAddressEdit::octetField(int index) const
{
    if (index < 0 || index >= static_cast<int>(fields_.size()))
        return nullptr;
    return fields_[static_cast<std::size_t>(index)];
}

bool IpAddressEdit::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)
        update(); // the panel's focus frame
    if (event->type() != QEvent::KeyPress)
        return QFrame::eventFilter(watched, event);
    int index = -1;
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        if (fields_[i] == watched)
            index = static_cast<int>(i);
    }
    if (index < 0)
        return QFrame::eventFilter(watched, event);

    QLineEdit* field = fields_[static_cast<std::size_t>(index)];
    const auto* key = static_cast<QKeyEvent*>(event);
    switch (key->key()) {
    case Qt::Key_Backtab:
        // Shift+Tab leaves the field from any octet; from a later one Qt would stop at
        // the first octet, the field's own Tab stop.
        if (index > 0) {
            fields_[0]->setFocus(Qt::OtherFocusReason);
            focusNextPrevChild(false);
            return true;
        }
        break;
    case Qt::Key_Period:
    case Qt::Key_Space:
        // A dot ends the octet, as in any address field.
        if (!field->text().isEmpty() && !field->hasSelectedText())
            focusOctet(index + 1);
        return true;
    case Qt::Key_Right:
        if (field->cursorPosition() == field->text().size() && index < 3) {
            focusOctet(index + 1);
            fields_[static_cast<std::size_t>(index) + 1]->setCursorPosition(0);
            return true;
        }
        break;
    case Qt::Key_Left:
        if (field->cursorPosition() == 0 && index > 0) {
            focusOctet(index - 1);
            return true;
        }
        break;
    case Qt::Key_Backspace:
        if (field->cursorPosition() == 0 && !field->hasSelectedText() && index > 0) {
            QLineEdit* previous = fields_[static_cast<std::size_t>(index) - 1];
            previous->setFocus(Qt::OtherFocusReason);
            previous->end(false);
            return true;
        }
        break;
    default: break;
    }
    return QFrame::eventFilter(watched, event);
}

void IpAddressEdit::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    QStyleOptionFrame panel;
    panel.initFrom(this);
    panel.lineWidth = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &panel, this);
    panel.midLineWidth = 0;
    panel.state |= QStyle::State_Sunken;
    // The panel shows the focus while any octet has it, as one edit field would.
    if (isAncestorOf(QApplication::focusWidget()))
        panel.state |= QStyle::State_HasFocus;
    style()->drawPrimitive(QStyle::PE_PanelLineEdit, &panel, &painter, this);
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::Text));
    for (std::size_t i = 0; i + 1 < fields_.size(); ++i) {
        const QRect left = fields_[i]->geometry();
        const QRect right = fields_[i + 1]->geometry();
        const QRect gap(left.right() + 1, left.top(), right.left() - left.right() - 1, left.height());
        painter.drawText(gap, Qt::AlignCenter, QStringLiteral("."));
    }
}

void IpAddressEdit::resizeEvent(QResizeEvent* event)
{
    QFrame::resizeEvent(event);
    layoutFields();
}

void IpAddressEdit::layoutFields()
{
    const QRect inner = contentsRect();
    const int dot = fontMetrics().horizontalAdvance(QLatin1Char('.')) + 2;
    const int fieldWidth = std::max(1, (inner.width() - 3 * dot) / 4);
    int x = inner.left();
    for (QLineEdit* field : fields_) {
        field->setGeometry(x, inner.top(), fieldWidth, inner.height());
        x += fieldWidth + dot;
    }
    update();
}

} // namespace telvorin
